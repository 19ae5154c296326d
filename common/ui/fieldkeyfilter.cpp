#include "common/ui/fieldkeyfilter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace ventrix {

FieldKeyFilter::FieldKeyFilter(QWidget* field, FieldKeys kind)
    : QObject(field)
    , m_kind(kind)
{
}

FieldKeyFilter* FieldKeyFilter::install(QWidget* field, FieldKeys kind)
{
    auto* filter = new FieldKeyFilter(field, kind);
    field->installEventFilter(filter);
    return filter;
}

bool FieldKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    auto* field = qobject_cast<QWidget*>(watched);
    if (!field)
        return false;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        moveToNextField(field);
        return true;
    }
    // Shortcuts, moving keys, Delete and Backspace are no typed characters.
    const QString text = key->text();
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier) || text.isEmpty()
        || !text.front().isPrint())
        return false;
    const FilteredKey result = filterKey(m_kind, text.front());
    if (result.action == FilteredKey::Drop)
        return true;
    if (result.action == FilteredKey::NextField) {
        moveToNextField(field);
        return true;
    }
    if (result.key == text.front())
        return false;
    QKeyEvent replaced(QEvent::KeyPress, key->key(), key->modifiers(), QString(result.key));
    QCoreApplication::sendEvent(field, &replaced);
    return true;
}

void FieldKeyFilter::moveToNextField(QWidget* field)
{
    // The same as pressing Tab, so the window's own focus order and checks apply.
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(field, &tab);
}

}
