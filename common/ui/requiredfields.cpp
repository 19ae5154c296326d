#include "common/ui/requiredfields.h"

#include "common/messages.h"
#include "common/ui/identifieredit.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>

#include <algorithm>

namespace ventrix {
namespace {

const char* const RequiredProperty = "required";

bool isRequired(const QWidget* w)
{
    return w->property(RequiredProperty).toBool();
}

// Hidden by the screen (not merely on another page of a stack or tab) or disabled.
bool isOutOfUse(const QWidget* field, const QWidget* container)
{
    if (!field->isEnabled())
        return true;
    for (const QWidget* w = field; w && w != container; w = w->parentWidget()) {
        if (w->isHidden() && !qobject_cast<const QStackedWidget*>(w->parentWidget()))
            return true;
    }
    return false;
}

// Required fields of the container in the order the focus travels.
QList<QWidget*> requiredInFocusOrder(QWidget* container)
{
    QList<QWidget*> pending;
    for (QWidget* w : container->findChildren<QWidget*>()) {
        if (isRequired(w) && !isOutOfUse(w, container))
            pending.append(w);
    }
    QList<QWidget*> ordered;
    for (QWidget* w = container->nextInFocusChain(); w && w != container && !pending.isEmpty();
         w = w->nextInFocusChain()) {
        if (pending.removeOne(w))
            ordered.append(w);
    }
    return ordered + pending;
}

// Brings the field's pages to the front so the focus can reach it.
void reveal(QWidget* field)
{
    for (QWidget* w = field; w && w->parentWidget(); w = w->parentWidget()) {
        auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
        if (!stack)
            continue;
        if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget()))
            tabs->setCurrentWidget(w);
        else
            stack->setCurrentWidget(w);
    }
}

QString plainLabel(QString text)
{
    text.remove(u'&');
    text = text.trimmed();
    if (text.endsWith(u':'))
        text.chop(1);
    return text.trimmed();
}

}

void RequiredFields::mark(QWidget* field, bool required)
{
    field->setProperty(RequiredProperty, required);
}

QWidget* RequiredFields::firstMissing(QWidget* container)
{
    for (QWidget* w : requiredInFocusOrder(container)) {
        if (isEmpty(w))
            return w;
    }
    return nullptr;
}

QString RequiredFields::fieldName(const QWidget* field)
{
    if (!field->accessibleName().isEmpty())
        return field->accessibleName();
    for (const QLabel* label : field->window()->findChildren<QLabel*>()) {
        if (label->buddy() == field)
            return plainLabel(label->text());
    }
    return field->objectName();
}

bool RequiredFields::isEmpty(const QWidget* field)
{
    if (const auto* id = qobject_cast<const IdentifierEdit*>(field))
        return id->value().isEmpty();
    if (const auto* line = qobject_cast<const QLineEdit*>(field)) {
        const QString text = line->text();
        if (line->inputMask().isEmpty())
            return text.trimmed().isEmpty();
        return std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(field))
        return (!combo->isEditable() && combo->currentIndex() < 0)
            || combo->currentText().trimmed().isEmpty();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(field))
        return plain->toPlainText().trimmed().isEmpty();
    if (const auto* rich = qobject_cast<const QTextEdit*>(field))
        return rich->toPlainText().trimmed().isEmpty();
    if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(field))
        return spin->text().trimmed().isEmpty();
    const QMetaProperty user = field->metaObject()->userProperty();
    return user.isValid() && user.read(field).toString().trimmed().isEmpty();
}

bool RequiredFields::check(QWidget* container)
{
    QWidget* missing = firstMissing(container);
    if (!missing)
        return true;
    warn(missingMessage(fieldName(missing)));
    reveal(missing);
    missing->setFocus(Qt::OtherFocusReason);
    return false;
}

QString RequiredFields::missingMessage(const QString& fieldName)
{
    return QStringLiteral("Debe completar el campo \"") + fieldName + QStringLiteral("\"...");
}

}
