#include "common/ui/dialogmessageservice.h"

#include "common/appinfo.h"
#include "common/ui/helpkey.h"

#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace ventrix {
namespace {

QMessageBox::Icon toIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton toButton(Answer answer)
{
    switch (answer) {
    case Answer::Ok:
        return QMessageBox::Ok;
    case Answer::Cancel:
        return QMessageBox::Cancel;
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    case Answer::YesToAll:
        return QMessageBox::YesToAll;
    }
    return QMessageBox::Ok;
}

}

QWidget* DialogMessageService::ownerWindow()
{
    // The window the user is working in, even while the window system has not reported it as
    // active yet (just after another dialog closed): a box without one is centred on the screen.
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    if (QWidget* focus = QApplication::focusWidget())
        return focus->window();
    QWidget* owner = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        if (w->isVisible() && (type == Qt::Window || type == Qt::Dialog)
            && !w->testAttribute(Qt::WA_DontShowOnScreen))
            owner = (!owner || qobject_cast<QDialog*>(w)) ? w : owner;
    }
    return owner;
}

Answer DialogMessageService::show(const Message& message)
{
    QMessageBox box(toIcon(message.icon), message.title.isEmpty() ? productName() : message.title,
        message.text, QMessageBox::NoButton, ownerWindow());
    switch (message.buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageButtons::YesToAllNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No);
        box.button(QMessageBox::YesToAll)->setText(QStringLiteral("Sí a todo"));
        break;
    }
    box.setDefaultButton(toButton(message.defaultAnswer));
    if (message.helpContext != 0 && m_help) {
        // The help opens over the box, which stays up with its default button: Enter after
        // reading the help still answers the question the safe way.
        QPushButton* help = box.addButton(QMessageBox::Help);
        help->setAutoDefault(false);
        help->setFocusPolicy(Qt::TabFocus);
        QObject::disconnect(help, &QAbstractButton::clicked, nullptr, nullptr);
        QObject::connect(help, &QAbstractButton::clicked, &box, [this, &box, context = message.helpContext] {
            m_help(context);
            if (box.defaultButton())
                box.defaultButton()->setFocus();
        });
        setHelpContext(&box, message.helpContext);
    }
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::YesToAll:
        return Answer::YesToAll;
    default:
        break;
    }
    // Escape on a Yes/No box.
    return message.buttons == MessageButtons::YesNo || message.buttons == MessageButtons::YesToAllNo
        ? Answer::No
        : Answer::Cancel;
}

std::optional<QString> DialogMessageService::askText(
    const QString& title, const QString& prompt, const QString& proposed)
{
    bool ok = false;
    const QString text
        = QInputDialog::getText(ownerWindow(), title, prompt, QLineEdit::Normal, proposed, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

}
