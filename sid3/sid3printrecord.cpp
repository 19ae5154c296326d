#include "sid3/sid3printrecord.h"

#include "common/print/pagecanvas.h"
#include "common/randomsource.h"
#include "common/regional.h"
#include "sid3/sid3printmessages.h"

#include <QHash>

namespace ventrix::sid3 {
namespace {

using Kind = RecordFieldKind;

struct Layout
{
    const char16_t* key;
    int width;
    const char16_t* label;
    Kind kind;
};

// The authority's record, in its order; the six activity lines are added by lineLayout().
constexpr Layout HeadLayout[] = {
    { u"00", 9, u"Número de comprobante", Kind::Code },
    { u"01", 11, u"Nº de I.S.I.B.", Kind::Identifier },
    { u"02", 4, u"Período", Kind::Period },
    { u"03", 6, u"Fecha de vencimiento", Kind::Date },
    { u"07", 2, u"Trámite", Kind::Code },
    { u"08", 9, u"Total de ingresos del período", Kind::Amount },
    { u"09", 9, u"Ingresos no gravados y exentos", Kind::Amount },
};
constexpr Layout TailLayout[] = {
    { u"57", 8, u"Total impuesto", Kind::Amount },
    { u"58", 8, u"Mínimo computable", Kind::Amount },
    { u"59", 9, u"Total computable", Kind::Amount },
    { u"62", 9, u"Retenciones", Kind::Amount },
    { u"64", 9, u"Otros pagos a cuenta", Kind::Amount },
    { u"66", 9, u"Saldo a favor de la A.G.T.", Kind::Amount },
    { u"67", 9, u"Saldo a favor del contribuyente", Kind::Amount },
    { u"68", 9, u"Interés por mora", Kind::Amount },
    { u"69", 9, u"Importe depositado", Kind::Amount },
    { u"70", 9, u"Percepciones", Kind::Amount },
    { u"71", 11, u"C.U.I.T.", Kind::Identifier },
    { u"72", 9, u"Compensaciones", Kind::Amount },
    { u"73", 9, u"Ingresos gravados", Kind::Amount },
    { u"74", 9, u"Ingresos no gravados", Kind::Amount },
    { u"75", 9, u"Ingresos exentos", Kind::Amount },
    { u"76", 5, u"Cantidad de retenciones", Kind::Count },
    { u"77", 5, u"Cantidad de percepciones", Kind::Count },
    { u"78", 5, u"Cantidad de compensaciones", Kind::Count },
    { u"79", 5, u"Cantidad de otros pagos a cuenta", Kind::Count },
    { u"80", 6, u"Fecha de pago", Kind::Date },
};

RecordField fieldOf(const Layout& l)
{
    return { QString::fromUtf16(l.key), l.width, QString::fromUtf16(l.label), l.kind, {}, {} };
}

QList<RecordField> recordLayout()
{
    QList<RecordField> fields;
    for (const Layout& l : HeadLayout)
        fields.append(fieldOf(l));
    const struct
    {
        int firstKey;
        int width;
        const char* what;
        Kind kind;
    } lineParts[] = { { 11, 6, "código", Kind::Code }, { 31, 9, "base imponible", Kind::Amount },
        { 41, 4, "alícuota", Kind::Rate }, { 51, 8, "impuesto", Kind::Amount } };
    for (const auto& part : lineParts) {
        for (int i = 0; i < 6; ++i) {
            fields.append({ QString::number(part.firstKey + i), part.width,
                QStringLiteral("Actividad %1: %2").arg(i + 1).arg(QString::fromUtf8(part.what)), part.kind,
                {}, {} });
        }
    }
    for (const Layout& l : TailLayout)
        fields.append(fieldOf(l));
    return fields;
}

QString amount(Money m)
{
    return m.toDisplay();
}
QString amount(const std::optional<Money>& m)
{
    return m ? m->toDisplay() : QString();
}

void setDate(RecordField& f, QDate date)
{
    f.shown = date.isValid() ? regional::formatDate(date) : QString();
    f.source = date.isValid() ? date.toString(QStringLiteral("ddMMyy")) : QString();
}

// Every value of the record as the form shows it, by key.
QHash<QString, QString> shownValues(const Sid3PrintData& data, const QString& comprobante)
{
    const Declaration& d = data.declaration;
    const Money totalIngresos = d.gravado + d.noGravado + d.exento;
    QHash<QString, QString> v {
        { QStringLiteral("00"), comprobante },
        { QStringLiteral("01"), d.ib },
        { QStringLiteral("07"), QStringLiteral("%1").arg(d.tramite, 2, 10, QChar(u'0')) },
        { QStringLiteral("08"), totalIngresos == Money() ? QString() : amount(totalIngresos) },
        { QStringLiteral("09"), amount(d.noGravado + d.exento) },
        { QStringLiteral("57"), amount(data.summary.totalTaxShown()) },
        { QStringLiteral("58"), amount(data.summary.minimum) },
        { QStringLiteral("59"), amount(d.subTotalAgt) },
        { QStringLiteral("62"), amount(d.registerTotal(Register::Retenciones).total) },
        { QStringLiteral("64"), amount(d.registerTotal(Register::PagoACuenta).total) },
        { QStringLiteral("66"), amount(data.balance.favorAgt) },
        { QStringLiteral("67"), amount(data.balance.favorContrib) },
        { QStringLiteral("68"), amount(d.interes) },
        { QStringLiteral("69"), amount(d.importePagado) },
        { QStringLiteral("70"), amount(d.registerTotal(Register::Percepciones).total) },
        { QStringLiteral("71"), d.cuit },
        { QStringLiteral("72"), amount(d.registerTotal(Register::Compensaciones).total) },
        { QStringLiteral("73"), amount(d.gravado) },
        { QStringLiteral("74"), amount(d.noGravado) },
        { QStringLiteral("75"), amount(d.exento) },
        { QStringLiteral("76"), QString::number(d.registerTotal(Register::Retenciones).count) },
        { QStringLiteral("77"), QString::number(d.registerTotal(Register::Percepciones).count) },
        { QStringLiteral("78"), QString::number(d.registerTotal(Register::Compensaciones).count) },
        { QStringLiteral("79"), QString::number(d.registerTotal(Register::PagoACuenta).count) },
    };
    for (int i = 0; i < data.printed.size() && i < 6; ++i) {
        const PrintedLine& l = data.printed.at(i);
        v.insert(QString::number(11 + i), l.codigo);
        v.insert(QString::number(31 + i), amount(l.base));
        v.insert(QString::number(41 + i), l.alicuota.toDisplay());
        v.insert(QString::number(51 + i), amount(l.impuesto));
    }
    return v;
}

QString withMask(const QString& digits, const QString& mask)
{
    QString out;
    qsizetype at = 0;
    for (QChar c : mask)
        out += c == u'#' ? (at < digits.size() ? digits.at(at++) : u'0') : c;
    return out;
}

QString readableValue(const RecordField& f, const QString& digits)
{
    const qint64 n = digits.toLongLong();
    switch (f.kind) {
    case Kind::Amount:
        return Money::fromUnits(n).toDisplay();
    case Kind::Rate:
        return Rate::fromUnits(n).toDisplay();
    case Kind::Count:
        return QString::number(n);
    case Kind::Date:
        return n == 0 ? QStringLiteral("(sin fecha)") : withMask(digits, QStringLiteral("##/##/##"));
    case Kind::Period:
        return withMask(digits, QStringLiteral("##/##"));
    case Kind::Identifier:
        return withMask(
            digits, f.key == u"71" ? QStringLiteral("##-########/#") : QStringLiteral("###-######/##"));
    case Kind::Code:
        break;
    }
    return digits;
}

// Why a field's digits are not what the form writes there, or nothing.
QString badValue(const RecordField& f, const QString& digits)
{
    if (f.kind == Kind::Date && digits.toInt() != 0
        && !QDate::fromString(
            digits.left(4) + QStringLiteral("20") + digits.mid(4), QStringLiteral("ddMMyyyy"))
                .isValid())
        return QStringLiteral("la fecha %1 de \"%2\" no existe").arg(readableValue(f, digits), f.label);
    const int month = digits.left(2).toInt();
    if (f.kind == Kind::Period && (month < 1 || month > 12))
        return QStringLiteral("el mes %1 del período no existe").arg(digits.left(2));
    return {};
}

}

QString comprobanteText(quint64 number)
{
    return QStringLiteral("%1").arg(number, 9, 10, QChar(u'0'));
}

quint64 drawComprobante()
{
    return RandomSource::bounded(1, 999999999);
}

QList<RecordField> recordFields(const Sid3PrintData& data, const QString& comprobante)
{
    QList<RecordField> fields = recordLayout();
    const QHash<QString, QString> shown = shownValues(data, comprobante);
    const Declaration& d = data.declaration;
    for (RecordField& f : fields) {
        f.shown = shown.value(f.key);
        f.source = f.shown;
    }
    for (RecordField& f : fields) {
        if (f.key == u"02") {
            f.shown = QStringLiteral("%1/%2").arg(d.month, 2, 10, QChar(u'0')).arg(d.year);
            f.source = QStringLiteral("%1%2")
                           .arg(d.month, 2, 10, QChar(u'0'))
                           .arg(d.year % 100, 2, 10, QChar(u'0'));
        } else if (f.key == u"03") {
            setDate(f, d.fhVto);
        } else if (f.key == u"80") {
            setDate(f, d.fechaPago);
        }
    }
    return fields;
}

Result<QString> printRecord(const QList<RecordField>& fields)
{
    QString record = QString::fromUtf16(FormCode);
    for (const RecordField& f : fields) {
        if (f.source.trimmed().startsWith(u'-'))
            return Error { msg::valorNegativo(f.key, f.label) };
        const QString digits = print::rellenar(f.source, f.width);
        if (digits.size() > f.width)
            return Error { msg::valorNoCabe(f.key, f.label, print::rellenar(f.source, 0), f.width) };
        record += digits;
    }
    return record;
}

Result<QString> printRecord(const Sid3PrintData& data, const QString& comprobante)
{
    return printRecord(recordFields(data, comprobante));
}

Result<QList<ReadField>> readPrintRecord(const QString& record)
{
    const QString code = QString::fromUtf16(FormCode);
    if (!record.startsWith(code))
        return Error { QStringLiteral("el registro no comienza con el código de formulario \"D3\"") };
    if (record.size() != RecordLength)
        return Error { QStringLiteral("el registro tiene %1 caracteres y debe tener %2")
                           .arg(record.size())
                           .arg(RecordLength) };
    for (qsizetype i = code.size(); i < record.size(); ++i) {
        if (!record.at(i).isDigit() || record.at(i).unicode() > 127)
            return Error { QStringLiteral("el carácter %1 del registro no es un dígito").arg(i + 1) };
    }
    QList<ReadField> out { { QStringLiteral("98"), QStringLiteral("Formulario"),
        QStringLiteral("CP03/SID3") } };
    qsizetype at = code.size();
    for (const RecordField& f : recordLayout()) {
        const QString digits = record.mid(at, f.width);
        at += f.width;
        if (const QString bad = badValue(f, digits); !bad.isEmpty())
            return Error { bad };
        out.append({ f.key, f.label, readableValue(f, digits) });
    }
    return out;
}

}
