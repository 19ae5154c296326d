#include "app/regionalcheck.h"

#include "common/regional.h"

#include <QDate>

namespace ventrix::app {
namespace {

const QString ControlPanel = QStringLiteral("Seleccione en el Panel de Control en el ítem Configuración Regional");

QString changeMessage(const QString& what, const QString& format)
{
    return what + QStringLiteral("\n\n") + ControlPanel + u'\n' + format;
}

}

RegionalSettings programRegionalSettings()
{
    return {regional::formatDate(QDate(1999, 10, 5)), QStringLiteral("3;0"), QStringLiteral("2"),
            QStringLiteral("3;0"), QStringLiteral("2")};
}

bool dateFormatOk(const QString& dateOf5October1999)
{
    if (dateOf5October1999.size() < 10)
        return false;
    const auto date = regional::parseDate(dateOf5October1999);
    return date && date->month() == 10 && date->day() == 5;
}

bool groupingOk(const QString& grouping)
{
    return grouping == QStringLiteral("3;0");
}

bool decimalsOk(const QString& decimals)
{
    return decimals == QStringLiteral("2");
}

std::optional<QString> regionalProblem(const RegionalSettings& s)
{
    if (!dateFormatOk(s.dateOf5October1999))
        return changeMessage(QStringLiteral("Deberá cambiar el formato de la fecha de su sistema"),
                             QStringLiteral("el formato de la fecha dd/mm/aaaa"));
    if (!groupingOk(s.numberGrouping))
        return changeMessage(QStringLiteral("Deberá cambiar el Número de Dígitos en Grupo de su sistema numérico"),
                             QStringLiteral("el formato de Número -> Número de dígitos en grupo = 3"));
    if (!decimalsOk(s.numberDecimals))
        return changeMessage(QStringLiteral("Deberá cambiar el Número de Dígitos Decimales de su sistema numérico"),
                             QStringLiteral("el formato de Número -> Número de dígitos decimales = 2"));
    if (!groupingOk(s.currencyGrouping))
        return changeMessage(QStringLiteral("Deberá cambiar el Número de Dígitos en Grupo de su sistema monetario"),
                             QStringLiteral("el formato de Moneda -> Número de dígitos en grupo = 3"));
    if (!decimalsOk(s.currencyDecimals))
        return changeMessage(QStringLiteral("Deberá cambiar el Número de Dígitos Decimales de su sistema monetario"),
                             QStringLiteral("el formato de Moneda -> Número de dígitos decimales = 2"));
    return std::nullopt;
}

}
