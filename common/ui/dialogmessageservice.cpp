#include "common/ui/dialogmessageservice.h"

#include "common/appinfo.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace ventrix {
namespace {

QMessageBox::Icon toIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None: return QMessageBox::NoIcon;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton toButton(Answer answer)
{
    switch (answer) {
    case Answer::Ok: return QMessageBox::Ok;
    case Answer::Cancel: return QMessageBox::Cancel;
    case Answer::Yes: return QMessageBox::Yes;
    case Answer::No: return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

}

Answer DialogMessageService::show(const Message& message)
{
    QMessageBox box(toIcon(message.icon), message.title.isEmpty() ? productName() : message.title,
                    message.text, QMessageBox::NoButton, QApplication::activeWindow());
    switch (message.buttons) {
    case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MessageButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    }
    box.setDefaultButton(toButton(message.defaultAnswer));
    QPushButton* help = nullptr;
    if (message.helpContext != 0 && m_help)
        help = box.addButton(QMessageBox::Help);
    for (;;) {
        box.exec();
        if (help && box.clickedButton() == help) {
            m_help(message.helpContext);
            continue;
        }
        break;
    }
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Ok: return Answer::Ok;
    default: break;
    }
    // Escape on a Yes/No box.
    return message.buttons == MessageButtons::YesNo ? Answer::No : Answer::Cancel;
}

std::optional<QString> DialogMessageService::askText(const QString& title, const QString& prompt,
                                                     const QString& proposed)
{
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), title, prompt,
                                               QLineEdit::Normal, proposed, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

}
