#include "cp01/nomenclature.h"

#include "common/fieldchecks.h"
#include "cp01/cp01messages.h"

namespace ventrix::cp01 {
namespace {

// The sale activities a manufacturer picks for its sales to final consumers.
const QString SaleRanges = QStringLiteral("((Codigo BETWEEN 621013 AND 622028) OR (Codigo BETWEEN 623016 AND "
                                          "624241) OR (Codigo BETWEEN 624284 AND 624403))");

bool isDigits(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (!c.isDigit())
            return false;
    }
    return true;
}

QString columnName(MinimumColumn c)
{
    switch (c) {
    case MinimumColumn::Minimo1:
        return QStringLiteral("Minimo1");
    case MinimumColumn::Minimo2:
        return QStringLiteral("Minimo2");
    case MinimumColumn::Minimo3:
        return QStringLiteral("Minimo3");
    }
    return QStringLiteral("Minimo1");
}

QString moneyText(const std::optional<Money>& m)
{
    return m ? m->toDisplay() : QString();
}

void appendSlots(QStringList& out, const std::optional<ChosenActivity>& a)
{
    if (!a) {
        out << QString() << QString() << QString() << QString() << QString();
        return;
    }
    out << a->codigo << a->denominacion << (a->alicuota ? plainRate(*a->alicuota) : QString())
        << (a->numEmp ? QString::number(*a->numEmp) : QString()) << moneyText(a->baseMinimo);
}

}

QString plainRate(const Rate& rate)
{
    QString t = rate.toDisplay();
    if (t.contains(u',')) {
        while (t.endsWith(u'0'))
            t.chop(1);
        if (t.endsWith(u','))
            t.chop(1);
    }
    return t;
}

MinimumColumn minimumColumn(const QString& quantityCaption, qint64 quantity)
{
    if (quantityCaption != msg::captionEmpleados() || quantity <= 1)
        return MinimumColumn::Minimo1;
    return quantity <= 3 ? MinimumColumn::Minimo2 : MinimumColumn::Minimo3;
}

QStringList ActivitySelection::slotTexts() const
{
    QStringList out;
    appendSlots(out, cancelled() ? std::nullopt : std::optional(activity));
    appendSlots(out, cancelled() ? std::nullopt : companion);
    return out;
}

Result<QList<NomenclaEntry>> Nomenclature::entries(
    const QString& where, const QString& order, const QVariantList& params)
{
    data::Recordset rs;
    const QString sql = QStringLiteral("SELECT Codigo, Actividad FROM Nomencla")
        + (where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where) + QStringLiteral(" ORDER BY ")
        + order;
    if (m_db.openRecordset(sql, params, rs) != data::AccesoDatos::Opened)
        return Error { msg::errorAcceso() };
    QList<NomenclaEntry> out;
    for (; !rs.eof(); rs.moveNext())
        out.append({ rs.value(0).toInt(), rs.value(1).toString() });
    return out;
}

Result<QList<NomenclaEntry>> Nomenclature::all(const QString& codePrefix)
{
    if (codePrefix.trimmed().isEmpty())
        return entries({}, QStringLiteral("Codigo"), {});
    return entries(QStringLiteral("CAST(Codigo AS TEXT) LIKE ? ESCAPE '\\'"), QStringLiteral("Codigo"),
        { likePattern(codePrefix, LikeMatch::StartsWith) });
}

Result<QList<NomenclaEntry>> Nomenclature::search(const QString& text)
{
    const QString t = text.trimmed();
    if (isDigits(t))
        return all(t);
    if (t.isEmpty())
        return all();
    return entries(QStringLiteral("Actividad LIKE ? ESCAPE '\\'"), QStringLiteral("Actividad"),
        { likePattern(t, LikeMatch::Contains, true) });
}

Result<QList<NomenclaEntry>> Nomenclature::saleActivities(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return entries(SaleRanges, QStringLiteral("Codigo"), {});
    if (isDigits(t))
        return entries(SaleRanges + QStringLiteral(" AND CAST(Codigo AS TEXT) LIKE ? ESCAPE '\\'"),
            QStringLiteral("Codigo"), { likePattern(t, LikeMatch::StartsWith) });
    return entries(SaleRanges + QStringLiteral(" AND Actividad LIKE ? ESCAPE '\\'"),
        QStringLiteral("Actividad"), { likePattern(t, LikeMatch::Contains, true) });
}

Result<ChosenActivity> Nomenclature::figures(
    int code, MinimumColumn column, const std::optional<Rate>& rateOverride, qint64 quantity)
{
    data::Recordset rs;
    const QString sql = QStringLiteral("SELECT Actividad, Alicuota, ") + columnName(column)
        + QStringLiteral(" FROM Nomencla WHERE Codigo = ?");
    if (m_db.openRecordset(sql, { code }, rs) != data::AccesoDatos::Opened || rs.eof())
        return Error { msg::errorAcceso() };
    ChosenActivity a;
    a.codigo = QString::number(code);
    a.denominacion = rs.value(0).toString().trimmed();
    a.alicuota = rateOverride ? *rateOverride : rs.value(1).value<Rate>();
    a.numEmp = quantity;
    // An activity taxed at nothing owes no minimum either.
    a.baseMinimo = a.alicuota->isZero() ? Money() : rs.value(2).value<Money>();
    return a;
}

Result<ActivitySelection> Nomenclature::Cargar_Alicuota_Minimos(const ActivityChoice& choice, qint64 quantity)
{
    quantity = std::max<qint64>(quantity, 1);
    const MinimumColumn column = minimumColumn(choice.quantityCaption, quantity);
    auto main = figures(choice.effectiveCode, column, choice.rateOverride, quantity);
    if (!main)
        return Error { main.error() };
    ActivitySelection out { *main, std::nullopt };
    if (choice.companionCode != 0) {
        auto companion = figures(choice.companionCode, column, std::nullopt, quantity);
        if (!companion)
            return Error { companion.error() };
        out.companion = *companion;
    }
    return out;
}

}
