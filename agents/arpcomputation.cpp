#include "agents/arpcomputation.h"

#include "agents/agentsmessages.h"

namespace ventrix::agents {

Result<ArpPeriod> periodoIngresado(const QString& typed)
{
    const QString text = typed.trimmed();
    bool monthOk = false;
    bool yearOk = false;
    const int month = text.left(2).toInt(&monthOk);
    const int year = text.size() >= 6 ? text.right(4).toInt(&yearOk) : 0;
    if (!monthOk || month < 1 || month > 12)
        return Error { msg::errorMes() };
    if (!yearOk || year < 1900 || year > 2099)
        return Error { msg::errorAnio() };
    return periodOf(QDate(year, month, 1));
}

ArpPeriod periodOf(QDate anyDay)
{
    const QDate first(anyDay.year(), anyDay.month(), 1);
    return { first, first.addMonths(1).addDays(-1) };
}

ArpPeriod periodoPropuesto(QDate today)
{
    return periodOf(today.addMonths(-1));
}

QDate CalculaDefault(QDate hasta)
{
    QDate due = QDate(hasta.year(), hasta.month(), 15).addMonths(1);
    if (due.dayOfWeek() == Qt::Saturday)
        due = due.addDays(2);
    else if (due.dayOfWeek() == Qt::Sunday)
        due = due.addDays(1);
    return due;
}

DueDateEdit editaFechaVto(QDate propuesta, QDate typed)
{
    if (typed == propuesta)
        return { propuesta, {} };
    if (typed.year() == propuesta.year() && typed.month() == propuesta.month())
        return { typed, msg::recuerdeVencimiento() };
    return { propuesta, msg::soloDiaVencimiento() };
}

std::optional<QString> declaracionAntesDeTiempo(const ArpPeriod& period, QDate today)
{
    if (today >= period.hasta)
        return std::nullopt;
    return msg::ddjjAntesDe(period.text(), period.hasta.addDays(1).toString(QStringLiteral("dd/MM/yyyy")));
}

ArpBalance CalculaInteres(Money total, Money depositado, Index4 indiceVto, Index4 indicePago)
{
    ArpBalance out;
    if (!total.isNegative()) {
        const Index4 diferencia = indicePago - indiceVto;
        if (!diferencia.isNegative())
            out.intereses = total.percent(diferencia);
    }
    out.saldo = total + out.intereses - depositado;
    if (depositado > out.intereses)
        out.capitalAmortizado = depositado - out.intereses;
    return out;
}

}
