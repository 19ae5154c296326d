#pragma once

#include <QString>

#include <optional>

namespace ventrix {

enum class MessageIcon { None, Information, Warning, Critical, Question };
// YesToAllNo: a question asked for each of many records, which "Sí a todo" answers once for all.
enum class MessageButtons { Ok, OkCancel, YesNo, YesToAllNo };
enum class Answer { Ok, Cancel, Yes, No, YesToAll };

struct Message
{
    QString text;
    QString title; // empty: the program's title
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    Answer defaultAnswer = Answer::Ok; // questions that destroy data default to No
    int helpContext = 0; // non-zero adds a help button opening that topic
};

// Every message box and question of the program goes through here, so tests can answer them.
class MessageService
{
public:
    virtual ~MessageService() = default;

    virtual Answer show(const Message& message) = 0;
    // An input box; nullopt when the user cancels.
    virtual std::optional<QString> askText(
        const QString& title, const QString& prompt, const QString& proposed = {})
        = 0;

    static MessageService& instance();
    // Installs the service; nullptr restores the default (which answers every box with its default).
    static void install(MessageService* service);
};

// Shorthands over MessageService::instance().
void inform(const QString& text, MessageIcon icon = MessageIcon::Information, const QString& title = {});
void warn(const QString& text, const QString& title = {});
void fail(const QString& text, const QString& title = {});
// Yes/No question; destructive questions pass defaultYes = false.
bool askYesNo(const QString& text, MessageIcon icon = MessageIcon::Question, bool defaultYes = false,
    int helpContext = 0, const QString& title = {});
bool askOkCancel(const QString& text, const QString& title = {});
std::optional<QString> askText(const QString& title, const QString& prompt, const QString& proposed = {});

}
