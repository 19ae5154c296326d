#include "cp01/cp01checks.h"

#include "common/fieldchecks.h"
#include "cp01/cp01messages.h"

namespace ventrix::cp01 {
namespace {

CheckFailure activitiesFailure(const QString& message, int card)
{
    return { message, MessageIcon::Warning, FormTab::Actividades, card, {} };
}

std::optional<CheckFailure> activityDates(const ActivityTable& table, int card)
{
    for (const ActivityRow& r : table.rows()) {
        if (!r.isEmpty() && !r.fecha.isValid())
            return activitiesFailure(msg::actividadesSinFechaInicio(), card);
    }
    for (const ActivityRow& r : table.rows()) {
        if (!r.isEmpty() && r.fecha.isValid() && r.fhCese.isValid() && r.fecha > r.fhCese)
            return activitiesFailure(msg::actividadesInicioPosteriorCese(), card);
    }
    return std::nullopt;
}

// One premises against its activities; number is " 2" for premises 2, empty for an opened one.
std::optional<CheckFailure> premisesDates(
    const QString& number, QDate start, const ActivityTable& table, int card, const QString& startField)
{
    if (table.isEmpty())
        return std::nullopt;
    auto failure = [&](const QString& message) {
        return CheckFailure { message, MessageIcon::Critical, FormTab::Actividades, card, startField };
    };
    if (!start.isValid())
        return failure(msg::comercioSinFechaInicio(number));
    for (const ActivityRow& r : table.rows()) {
        if (r.isEmpty())
            continue;
        const QString code = r.codigo.trimmed();
        if (!r.fecha.isValid())
            return failure(msg::actividadSinFechaInicio(code));
        if (r.fecha < start)
            return failure(msg::actividadAnteriorAlComercio(code, number));
        if (r.fhCese.isValid() && r.fhCese < start)
            return failure(msg::ceseAnteriorAlComercio(code, number));
        if (r.fhCese.isValid() && r.fecha > r.fhCese)
            return failure(msg::inicioPosteriorCese(code));
    }
    return std::nullopt;
}

QString cuitOf(const Cp01Record& record, int responsible)
{
    return digitsOnly(record.text(col::responsible(responsible, QStringLiteral("CUIT"))));
}

CheckFailure responsibleFailure(const QString& message, int responsible)
{
    return { message, MessageIcon::Critical, FormTab::Persona, responsible - 1,
        col::responsible(responsible, QStringLiteral("CUIT")) };
}

std::optional<CheckFailure> responsibleCuits(const Cp01Record& record)
{
    const QString company = digitsOnly(record.text(col::Cuit));
    for (int i = 1; i <= 3; ++i) {
        if (!company.isEmpty() && cuitOf(record, i) == company)
            return responsibleFailure(msg::cuitEmpresaIgualResponsable(), i);
    }
    for (int i = 1; i <= 5; ++i) {
        for (int j = i + 1; j <= 5; ++j) {
            const QString second = cuitOf(record, j);
            if (!second.isEmpty() && cuitOf(record, i) == second)
                return responsibleFailure(msg::cuitResponsablesIguales(i, j), j);
        }
    }
    return std::nullopt;
}

}

bool isEmptyCuit(const QString& text)
{
    return digitsOnly(text).isEmpty();
}

std::optional<CheckFailure> Control_Campos(const std::array<ActivityTable, 3>& premises)
{
    // Every premises is looked at for missing start dates before any for inverted dates.
    for (int n = 0; n < 3; ++n) {
        for (const ActivityRow& r : premises[n].rows()) {
            if (!r.isEmpty() && !r.fecha.isValid())
                return activitiesFailure(msg::actividadesSinFechaInicio(), n);
        }
    }
    for (int n = 0; n < 3; ++n) {
        if (auto f = activityDates(premises[n], n))
            return f;
    }
    return std::nullopt;
}

std::optional<CheckFailure> Control_Campos_Apertura(const ActivityTable& activities)
{
    return activityDates(activities, 3);
}

std::optional<CheckFailure> Control_Campos_Excluyente(const Cp01Record& record)
{
    if (record.isLegalPerson()) {
        if (auto f = responsibleCuits(record))
            return f;
    }
    for (int n = 1; n <= 3; ++n) {
        const QString startField = col::premises(n, QStringLiteral("FhInicio"));
        if (auto f = premisesDates(u' ' + QString::number(n), record.date(startField),
                record.premisesActivities(n), n - 1, startField))
            return f;
    }
    return std::nullopt;
}

std::optional<CheckFailure> openedPremisesDates(const OpenedPremises& premises)
{
    return premisesDates({}, premises.date(col::ComInicio), premises.activities, 3, col::ComInicio);
}

bool premisesNumberOnScreen(
    const Cp01Record& record, const OpenedPremises* opened, int which, const QString& number)
{
    const QString typed = number.trimmed();
    if (typed.isEmpty())
        return false;
    for (int n = 1; n <= 3; ++n) {
        if (n != which && record.text(col::premises(n, QStringLiteral("ComerNum"))).trimmed() == typed)
            return true;
    }
    return which != 4 && opened && opened->text(col::ComNumero).trimmed() == typed;
}

}
