#include "common/ui/fieldbinder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>

#include <algorithm>

namespace ventrix {
namespace {

void setText(QWidget* field, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->setText(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(field))
        plain->setPlainText(text);
}

void loadCombo(QComboBox* combo, const QVariant& value)
{
    if (!value.isValid() || value.isNull()) {
        combo->setCurrentIndex(-1);
        if (combo->isEditable())
            combo->setEditText(QString());
        return;
    }
    int index = combo->findData(value);
    if (index < 0)
        index = combo->findData(value.toString());
    if (index < 0)
        index = combo->findText(displayText(value));
    if (index < 0 && combo->isEditable()) {
        combo->setCurrentIndex(-1);
        combo->setEditText(displayText(value));
        return;
    }
    combo->setCurrentIndex(index);
}

void loadField(QWidget* field, const QVariant& value)
{
    if (auto* combo = qobject_cast<QComboBox*>(field))
        loadCombo(combo, value);
    else if (auto* check = qobject_cast<QCheckBox*>(field))
        check->setChecked(value.isValid() && !value.isNull() && value.toLongLong() != 0);
    else if (auto* spin = qobject_cast<QSpinBox*>(field))
        spin->setValue(value.isValid() && !value.isNull() ? value.toInt() : spin->minimum());
    else
        setText(field, displayText(value));
}

QVariant textValue(const QString& text)
{
    return text.trimmed().isEmpty() ? QVariant() : QVariant(text);
}

QVariant readLineEdit(const QLineEdit* edit)
{
    // A masked box with nothing typed still shows its separators: that is an empty field.
    const QString text = edit->text();
    if (!edit->inputMask().isEmpty()) {
        const bool typed
            = std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetterOrNumber(); });
        if (!typed)
            return {};
    }
    return textValue(text);
}

QVariant readCombo(const QComboBox* combo)
{
    const int index = combo->currentIndex();
    if (combo->isEditable() && (index < 0 || combo->currentText() != combo->itemText(index)))
        return textValue(combo->currentText());
    if (index < 0)
        return {};
    const QVariant data = combo->itemData(index);
    return data.isValid() ? data : textValue(combo->itemText(index));
}

QVariant readField(const QWidget* field)
{
    if (auto* edit = qobject_cast<const QLineEdit*>(field))
        return readLineEdit(edit);
    if (auto* combo = qobject_cast<const QComboBox*>(field))
        return readCombo(combo);
    if (auto* check = qobject_cast<const QCheckBox*>(field))
        return check->isChecked() ? 1 : 0;
    if (auto* spin = qobject_cast<const QSpinBox*>(field))
        return spin->value();
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(field))
        return textValue(plain->toPlainText());
    return {};
}

}

FieldBinder::FieldBinder(QWidget* screen)
    : m_screen(screen)
{
}

QString FieldBinder::columnOf(const QWidget* field)
{
    return field->property(DataFieldProperty).toString();
}

QList<QWidget*> FieldBinder::fields(const QString& prefix) const
{
    QList<QWidget*> out;
    if (!m_screen)
        return out;
    const auto children = m_screen->findChildren<QWidget*>();
    for (QWidget* child : children) {
        const QString column = columnOf(child);
        if (!column.isEmpty() && column.startsWith(prefix, Qt::CaseInsensitive))
            out.append(child);
    }
    return out;
}

void FieldBinder::clear(const QString& prefix)
{
    for (QWidget* field : fields(prefix))
        loadField(field, QVariant());
}

void FieldBinder::load(const QString& prefix, const FieldValues& values)
{
    for (QWidget* field : fields(prefix)) {
        const QString column = columnOf(field);
        QVariant value;
        for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
            if (it.key().compare(column, Qt::CaseInsensitive) == 0) {
                value = it.value();
                break;
            }
        }
        loadField(field, value);
    }
}

FieldValues FieldBinder::read(const QString& prefix) const
{
    FieldValues values;
    for (const QWidget* field : fields(prefix))
        values.insert(columnOf(field), readField(field));
    return values;
}

void FieldBinder::applySizes(const QString& prefix, const QHash<QString, int>& sizes)
{
    for (QWidget* field : fields(prefix)) {
        auto* edit = qobject_cast<QLineEdit*>(field);
        if (!edit || !edit->inputMask().isEmpty())
            continue;
        for (auto it = sizes.constBegin(); it != sizes.constEnd(); ++it) {
            if (it.key().compare(columnOf(field), Qt::CaseInsensitive) == 0)
                edit->setMaxLength(it.value());
        }
    }
}

void FieldBinder::fillList(QComboBox* combo, const QList<ListEntry>& entries)
{
    combo->clear();
    for (const ListEntry& entry : entries)
        combo->addItem(entry.text, entry.key);
}

void FieldBinder::fillList(QListWidget* list, const QList<ListEntry>& entries)
{
    list->clear();
    for (const ListEntry& entry : entries) {
        auto* item = new QListWidgetItem(entry.text, list);
        item->setData(Qt::UserRole, entry.key);
    }
}

}
