#include "common/ui/modulewindow.h"

#include "common/messages.h"
#include "common/ui/fieldkeyfilter.h"
#include "common/ui/helpkey.h"
#include "common/ui/hoverstatusfilter.h"
#include "common/ui/requiredfields.h"
#include "common/ui/timedstatusline.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

namespace ventrix {

ModuleWindow::ModuleWindow(const QString& objectName, const QString& title, int helpContext, QWidget* parent)
    : QDialog(parent)
    , m_binder(this)
{
    setObjectName(objectName);
    setWindowTitle(title);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setHelpContext(this, helpContext);
    installHelpKey();
}

void ModuleWindow::bindField(QWidget* field, const QString& column, FieldKeys keys, bool required)
{
    field->setProperty(FieldBinder::DataFieldProperty, column);
    if (field->objectName().isEmpty())
        field->setObjectName(column);
    if (required)
        RequiredFields::mark(field);
    enterMovesOn(field, keys);
    watchEdits(field);
}

void ModuleWindow::enterMovesOn(QWidget* field, FieldKeys keys)
{
    FieldKeyFilter::install(field, keys);
}

// Only what the user does counts as a change: loading the fields does not.
void ModuleWindow::watchEdits(QWidget* field)
{
    auto changed = [this] { m_modified = true; };
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        connect(edit, &QLineEdit::textEdited, this, changed);
    else if (auto* combo = qobject_cast<QComboBox*>(field))
        connect(combo, &QComboBox::activated, this, changed);
    else if (auto* button = qobject_cast<QAbstractButton*>(field))
        connect(button, &QAbstractButton::clicked, this, changed);
    else if (auto* spin = qobject_cast<QSpinBox*>(field))
        connect(spin, &QSpinBox::valueChanged, this, [this, spin] {
            if (spin->hasFocus())
                m_modified = true;
        });
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(field))
        connect(plain, &QPlainTextEdit::textChanged, this, [this, plain] {
            if (plain->hasFocus())
                m_modified = true;
        });
}

void ModuleWindow::loadFields(const QString& prefix, const FieldValues& values)
{
    m_binder.load(prefix, values);
    m_modified = false;
}

bool ModuleWindow::checkRequired()
{
    return RequiredFields::check(this);
}

TimedStatusLine* ModuleWindow::statusLine()
{
    if (!m_status) {
        m_status = new TimedStatusLine(this);
        m_status->setObjectName(QStringLiteral("Mensaje"));
        m_hover = new HoverStatusFilter(m_status, this);
    }
    return m_status;
}

void ModuleWindow::hoverText(QWidget* widget, const QString& text)
{
    statusLine();
    m_hover->watch(widget, text);
}

void ModuleWindow::done(int result)
{
    if (result == Rejected && m_modified && !m_leaveQuestion.isEmpty()
        && !askYesNo(m_leaveQuestion, MessageIcon::Question, false))
        return;
    QDialog::done(result);
}

}
