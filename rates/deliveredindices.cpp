#include "rates/deliveredindices.h"

#include "rates/indexstep.h"
#include "rates/indicestable.h"

#include <QFile>

static void registerRatesResources()
{
    Q_INIT_RESOURCE(rates);
}

namespace ventrix::rates {
namespace {

void initRatesResources()
{
    static const bool registered = (registerRatesResources(), true);
    Q_UNUSED(registered);
}

// "2000-01<TAB>1.50" lines; lines starting with "#" are comments.
std::optional<MonthlyRate> parseLine(const QString& line)
{
    const QStringList fields = line.split(u'\t');
    if (fields.size() != 2)
        return std::nullopt;
    const QDate month = QDate::fromString(fields[0].trimmed() + QStringLiteral("-01"), Qt::ISODate);
    const auto rate = Rate::fromPlain(fields[1].trimmed());
    if (!month.isValid() || !rate)
        return std::nullopt;
    return MonthlyRate { month, *rate };
}

}

QList<MonthlyRate> deliveredMonthlyRates()
{
    initRatesResources();
    QFile file(QStringLiteral(":/rates/tasas.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<MonthlyRate> out;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const auto month = parseLine(line);
        // A gap would leave days without an index: the whole list is refused.
        if (!month || (!out.isEmpty() && out.back().month.addMonths(1) != month->month))
            return {};
        out.append(*month);
    }
    return out;
}

Status loadDeliveredIndices(QSqlDatabase db)
{
    const QList<MonthlyRate> rates = deliveredMonthlyRates();
    if (rates.isEmpty())
        return Error { QStringLiteral("Falta la historia de tasas mensuales.") };
    QList<IndexDay> days;
    Index4 index;
    for (const MonthlyRate& month : rates) {
        for (const IndexDay& day : monthIndices(month.month, month.rate, index)) {
            days.append(day);
            index = day.indice;
        }
    }
    IndicesTable table(db);
    if (!table.append(days))
        return Error { table.lastError() };
    return {};
}

}
