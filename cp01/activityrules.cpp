#include "cp01/activityrules.h"

#include "cp01/cp01messages.h"

#include <initializer_list>

namespace ventrix::cp01 {
namespace {

struct Range
{
    int from;
    int to;
};

bool within(int code, std::initializer_list<Range> ranges)
{
    for (const Range& r : ranges) {
        if (code >= r.from && code <= r.to)
            return true;
    }
    return false;
}

bool oneOf(int code, std::initializer_list<int> codes)
{
    for (int c : codes) {
        if (c == code)
            return true;
    }
    return false;
}

Rate rate(qint64 hundredths)
{
    return Rate::fromUnits(hundredths);
}

// The manufacturing row; true when the dialog settled the choice.
bool decideManufacturing(int code, ActivityQuestions& ask, ActivityChoice& c)
{
    switch (ask.askFabricacion(msg::tituloFabricacion(code), fabricacionOptionD(code))) {
    case FabricacionOption::CumpleDecreto:
        c.rateOverride = rate(0);
        return true;
    case FabricacionOption::NoCumpleDecreto:
        c.rateOverride = rate(150);
        return true;
    case FabricacionOption::ConsumidorFinal:
        if (within(code, { { 311316, 311340 } })) {
            c.companionCode = code;
            ask.notice(msg::avisoVentaConsumidorFinal());
            c.toSalePage = true;
        } else {
            c.rateOverride = rate(200);
        }
        return true;
    case FabricacionOption::Otra:
        c.rateOverride = rate(200);
        return true;
    case FabricacionOption::None:
        break;
    }
    return false;
}

// A Yes/No question that sets the rate for Yes and for No; no rate keeps the nomenclature's.
void askRate(ActivityQuestions& ask, ActivityChoice& c, const QString& text, MessageIcon icon,
    std::optional<Rate> yes, std::optional<Rate> no)
{
    c.rateOverride = ask.askYesNo(text, icon) ? yes : no;
}

void decideRest(int code, ActivityQuestions& ask, ActivityChoice& c)
{
    const auto hydrocarbons = msg::preguntaHidrocarburos();
    if (code == 632031) {
        c.quantityCaption = msg::captionHabitaciones();
    } else if (code == 831026) {
        c.quantityCaption = msg::captionInmuebles();
    } else if (within(code, { { 614076, 614084 } })) {
        ask.notice(msg::avisoExenta());
    } else if (within(code,
                   { { 111112, 111481 }, { 113018, 121029 }, { 122017, 210013 }, { 230103, 290904 },
                       { 311316, 311340 } })) {
        if (ask.askYesNo(msg::preguntaConsumidorFinal(), MessageIcon::Question))
            c.rateOverride = rate(200);
        else
            ask.notice(msg::avisoExenta());
    } else if (within(code, { { 500011, 500046 } })) {
        askRate(ask, c, msg::preguntaObraNueva(), MessageIcon::None, rate(0), rate(200));
    } else if (within(code, { { 500047, 500053 } })) {
        c.rateOverride = rate(200);
    } else if (within(code, { { 500054, 500194 } }) || oneOf(code, { 833010, 833037, 833053, 834060 })) {
        askRate(ask, c, hydrocarbons, MessageIcon::None, rate(300), rate(200));
    } else if (within(code, { { 834010, 834059 } })) {
        // the nomenclature's rate
    } else if (oneOf(code, { 833029, 833045 })) {
        c.rateOverride = rate(200);
    } else if (within(code, { { 833011, 833052 } })) {
        askRate(ask, c, msg::preguntaHidrocarburifera(), MessageIcon::Question, rate(300), std::nullopt);
    }
}

}

QString fabricacionOptionD(int code)
{
    if (code <= 311162)
        return msg::opcionNoMatanza();
    if (within(code, { { 382116, 382914 }, { 382930, 382949 }, { 382965, 383139 }, { 385115, 385123 } }))
        return msg::opcionReparacion();
    return {};
}

ActivityChoice decideActivity(int code, ActivityQuestions& ask)
{
    ActivityChoice c { code, std::nullopt, 0, msg::captionEmpleados(), false };
    if (code == 353019) {
        c.rateOverride = rate(350);
    } else if (code == 353020) {
        c.rateOverride = rate(100);
    } else if (oneOf(code, { 355127, 384372, 321044, 321087, 342025 })) {
        c.rateOverride = rate(200);
    } else if (!within(code, { { 311111, 390976 } }) || !decideManufacturing(code, ask, c)) {
        decideRest(code, ask, c);
    }
    return c;
}

void chooseSaleActivity(ActivityChoice& choice, int saleCode)
{
    choice.effectiveCode = saleCode;
    choice.quantityCaption = msg::captionEmpleados();
    choice.toSalePage = false;
}

FabricacionOption MessageQuestions::askFabricacion(const QString& title, const QString& optionD)
{
    return m_dialog ? m_dialog(title, optionD) : FabricacionOption::None;
}

bool MessageQuestions::askYesNo(const QString& text, MessageIcon icon)
{
    return ventrix::askYesNo(text, icon, false);
}

void MessageQuestions::notice(const QString& text)
{
    inform(text);
}

}
