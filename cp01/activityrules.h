#pragma once

#include "common/fixed.h"
#include "common/messages.h"

#include <QString>

#include <functional>

#include <optional>

namespace ventrix::cp01 {

// The answer of the "Fabricación" dialog; None when it was closed without a choice.
enum class FabricacionOption { None, CumpleDecreto, NoCumpleDecreto, ConsumidorFinal, Otra };

// What choosing an activity may ask the user, in the order the authority's rules ask it.
class ActivityQuestions
{
public:
    virtual ~ActivityQuestions() = default;
    // The "Fabricación" dialog; optionD is the text of the fourth option, empty when hidden.
    virtual FabricacionOption askFabricacion(const QString& title, const QString& optionD) = 0;
    virtual bool askYesNo(const QString& text, MessageIcon icon) = 0;
    virtual void notice(const QString& text) = 0;
};

// The editor's state after an activity of the full list was chosen.
struct ActivityChoice
{
    int effectiveCode = 0; // the code returned and looked up
    std::optional<Rate> rateOverride; // replaces the nomenclature rate
    int companionCode = 0; // a second activity that must accompany it, 0 when none
    QString quantityCaption; // what the quantity counts
    bool toSalePage = false; // the sale activity is still to be chosen

    bool operator==(const ActivityChoice&) const = default;
};

// The authority's rules for an activity code: rates that depend on the taxpayer's answers,
// companion sale activities, exemption notices and what the quantity counts.
ActivityChoice decideActivity(int code, ActivityQuestions& ask);

// The sale activity chosen on the second page takes the code's place; the manufacturing code
// stays as its companion.
void chooseSaleActivity(ActivityChoice& choice, int saleCode);

// The text of the dialog's fourth option for a manufacturing code, empty when it is hidden.
QString fabricacionOptionD(int code);

// Questions asked through the program's message service; the dialog through a callback.
class MessageQuestions : public ActivityQuestions
{
public:
    using Dialog = std::function<FabricacionOption(const QString& title, const QString& optionD)>;
    explicit MessageQuestions(Dialog dialog)
        : m_dialog(std::move(dialog))
    {
    }

    FabricacionOption askFabricacion(const QString& title, const QString& optionD) override;
    bool askYesNo(const QString& text, MessageIcon icon) override;
    void notice(const QString& text) override;

private:
    Dialog m_dialog;
};

}
