#include "app/modulegates.h"

#include "app/register/registermessages.h"
#include "common/clock.h"
#include "common/helpids.h"
#include "common/messages.h"
#include "common/regional.h"
#include "rates/indicestable.h"

namespace ventrix::app {
namespace {

QString rateMessageStart(Module module)
{
    switch (module) {
    case Module::Sid3:
        return taxpayers::msg::TasaSid3;
    case Module::Arp:
        return taxpayers::msg::TasaArp;
    default:
        return taxpayers::msg::TasaPfp;
    }
}

bool needsRate(Module m)
{
    return m == Module::Sid3 || m == Module::Arp || m == Module::Pfp;
}

bool needsSelection(Module m)
{
    return m != Module::Ib08 && m != Module::Tasas;
}

bool needsCp01(Module m)
{
    return m == Module::Sid3 || m == Module::Cp02 || m == Module::Arp || m == Module::Pfp;
}

}

QString moduleKeyOf(Module module)
{
    switch (module) {
    case Module::Cp01:
        return modulekey::Cp01;
    case Module::Sid3:
        return modulekey::Sid3;
    case Module::Cp02:
        return modulekey::Cp02;
    case Module::Arp:
        return modulekey::Arp;
    case Module::Pfp:
        return modulekey::Pfp;
    case Module::Ib08:
        return modulekey::Ib08;
    case Module::Tasas:
        return modulekey::Tasas;
    }
    return {};
}

ModuleGates::ModuleGates(QSqlDatabase db, PasswordPrompt prompt)
    : m_db(db)
    , m_taxpayers(db)
    , m_prompt(std::move(prompt))
{
}

GateOutcome ModuleGates::run(Module module, qint64 cmdId)
{
    if (module == Module::Tasas)
        return GateOutcome::openModule(modulekey::Tasas);
    if (!VerificaPwd(m_taxpayers, cmdId, m_prompt))
        return GateOutcome::stop();
    if (module == Module::Cp01 && !askYesNo(taxpayers::msg::AdvertenciaCp01, MessageIcon::Critical, true))
        return GateOutcome::stop();
    GateOutcome toRates;
    // The payment plan asks for the rate before it looks at the selection.
    if (module == Module::Pfp && !rateOfCurrentMonth(module, &toRates))
        return toRates;
    if (needsSelection(module) && !taxpayerSelected(cmdId))
        return GateOutcome::stop();
    if (needsRate(module) && module != Module::Pfp && !rateOfCurrentMonth(module, &toRates))
        return toRates;
    if (module == Module::Sid3 && !taxpayerRowExists(cmdId))
        return GateOutcome::stop();
    if (module == Module::Arp) {
        if (auto setUp = agentSetUp(cmdId))
            return *setUp;
    }
    qint64 cp01Id = 0;
    if (needsCp01(module)) {
        const auto found = newestCp01WithIdentifiers(module, cmdId);
        if (!found)
            return GateOutcome::stop();
        cp01Id = *found;
    }
    return GateOutcome::openModule(moduleKeyOf(module), cp01Id);
}

bool ModuleGates::taxpayerSelected(qint64 cmdId)
{
    if (cmdId > 0)
        return true;
    warn(taxpayers::msg::DebeSeleccionar);
    return false;
}

bool ModuleGates::rateOfCurrentMonth(Module module, GateOutcome* outcome)
{
    const QDate today = Clock::today();
    const QDate first(today.year(), today.month(), 1);
    std::optional<rates::IndexDay> row;
    if (!rates::IndicesTable(m_db).day(first, &row)) {
        fail(taxpayers::msg::ErrorBase);
        *outcome = GateOutcome::stop();
        return false;
    }
    if (row)
        return true;
    warn(rateMessageStart(module) + regional::monthName(first.month()) + QStringLiteral(" de ")
        + QString::number(first.year()) + QStringLiteral("..."));
    *outcome = GateOutcome::openModule(modulekey::Tasas);
    return false;
}

bool ModuleGates::taxpayerRowExists(qint64 cmdId)
{
    const auto taxpayer = m_taxpayers.read(cmdId);
    if (!taxpayer) {
        fail(taxpayers::msg::ErrorBase);
        return false;
    }
    if (taxpayer->has_value())
        return true;
    warn(taxpayers::msg::DebeSeleccionar);
    return false;
}

// nullopt: the taxpayer already has agent numbers and the remaining checks go on.
std::optional<GateOutcome> ModuleGates::agentSetUp(qint64 cmdId)
{
    const auto taxpayer = m_taxpayers.read(cmdId);
    if (!taxpayer) {
        fail(taxpayers::msg::ErrorAcceso);
        return GateOutcome::stop();
    }
    if (!taxpayer->has_value()) {
        warn(taxpayers::msg::ContribuyenteNoEncontrado);
        return GateOutcome::stop();
    }
    const Taxpayer& row = **taxpayer;
    if (!row.numAgenteRetencion.trimmed().isEmpty() || !row.numAgentePercepcion.trimmed().isEmpty())
        return std::nullopt;

    const auto cp01 = m_taxpayers.newestCp01(cmdId);
    if (!cp01) {
        fail(taxpayers::msg::ErrorBaseSinPuntos);
        return GateOutcome::stop();
    }
    if (!cp01->has_value()) {
        if (askYesNo(taxpayers::msg::PreguntaConvenio, MessageIcon::Question, false))
            return GateOutcome::openModule(modulekey::Claves);
        inform(taxpayers::msg::DebeCp01Directo);
        return GateOutcome::stop();
    }
    const qint64 cp01Id = (*cp01)->cp01Id;
    if (cp01Id < 1) {
        fail(taxpayers::msg::ErrorBuscarCp01);
        return GateOutcome::stop();
    }
    return GateOutcome::openModule(modulekey::Claves, cp01Id);
}

std::optional<qint64> ModuleGates::newestCp01WithIdentifiers(Module module, qint64 cmdId)
{
    const auto read = m_taxpayers.newestCp01(cmdId);
    if (!read) {
        fail(taxpayers::msg::ErrorBase);
        return std::nullopt;
    }
    if (!read->has_value()) {
        warn(taxpayers::msg::DebePresentarCp01);
        return std::nullopt;
    }
    const NewestCp01& cp01 = **read;
    if (cp01.cp01Id < 1) {
        const bool agentWording = module == Module::Cp02 || module == Module::Arp;
        fail(agentWording ? taxpayers::msg::AgenteNoValido : taxpayers::msg::ErrorBuscarCp01);
        return std::nullopt;
    }
    if (cp01.cuit.isEmpty() || cp01.ingBrut.isEmpty()) {
        MessageService::instance().show({ taxpayers::msg::FaltaCuit, {}, MessageIcon::Warning,
            MessageButtons::Ok, Answer::Ok, helpid::InfoComplementaria });
        return std::nullopt;
    }
    return cp01.cp01Id;
}

}
