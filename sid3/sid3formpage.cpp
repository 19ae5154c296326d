#include "sid3/sid3formpage.h"

#include "common/print/authorityheader.h"
#include "common/print/mancha.h"
#include "common/print/pagecanvas.h"
#include "common/regional.h"

#include <QHash>
#include <QPainter>

namespace ventrix::sid3 {
namespace {

using print::PageCanvas;

const QString Arial = QStringLiteral("Arial");
const QString AmountMask = QStringLiteral("9999999.99");
const QString CountMask = QStringLiteral("9999999");
const QString RateMask = QStringLiteral("999.99");
constexpr qreal Text = 8;

// The body's texts and boxes count from 12 mm from the left and 10 mm from the top; the strip's
// from 12 mm and 6 mm.
const QPointF BodyOrigin(12, 10);
const QPointF StripOrigin(12, 6);

void section(PageCanvas& c, qreal y, const QString& title, qreal x = 2)
{
    c.greyFill(QRectF(0, y - 0.7, BodyWidth, 4.2), 15);
    c.box(QRectF(0, y - 0.7, BodyWidth, 4.2));
    c.setFont(Arial, Text, true);
    c.text(x, y, title);
}

// A label and, after it, its value in bold.
void labelled(PageCanvas& c, qreal x, qreal y, const QString& label, const QString& value)
{
    c.setFont(Arial, Text);
    c.text(x, y, label);
    const qreal at = x + c.textWidth(label) + 1.5;
    c.setFont(Arial, Text, true);
    c.text(at, y, value);
}

QString money(const std::optional<Money>& m)
{
    return m ? m->toDisplay() : QString();
}

void paintTitleAndTaxpayer(PageCanvas& c, const Sid3PrintData& data)
{
    const Declaration& d = data.declaration;
    c.setFont(Arial, 11, true);
    c.text(QRectF(0, 39, BodyWidth, 5),
        QStringLiteral("DECLARACION  JURADA  DE  ANTICIPO  MENSUAL  I.S.I.B."),
        Qt::AlignHCenter | Qt::AlignTop);
    section(c, 47, QStringLiteral("DATOS  REFERENCIALES  DEL  CONTRIBUYENTE"), 5);
    c.box(QRectF(0, 46.3, BodyWidth, 17.7));
    labelled(c, 5, 52, QStringLiteral("Apellido y Nombre / Razón Social :"), data.contribuyente);
    labelled(c, 5, 56, QStringLiteral("C.U.I.T.:"), d.cuit);
    labelled(c, 70, 56, QStringLiteral("Nº de I.S.I.B.:"), d.ib);
    labelled(c, 117, 56, QStringLiteral("Trámite:"),
        QStringLiteral("%1 - %2").arg(d.tramite, 2, 10, QChar(u'0')).arg(d.tramiteDescrip));
    labelled(c, 5, 60, QStringLiteral("Período:"),
        QStringLiteral("%1/%2").arg(d.month, 2, 10, QChar(u'0')).arg(d.year));
    labelled(c, 85, 60, QStringLiteral("Fecha de Vencimiento:"),
        d.fhVto.isValid() ? regional::formatDate(d.fhVto) : QString());
}

// Columns of the activity table: where each starts; amounts end where their mask ends.
constexpr qreal CodeX = 2;
constexpr qreal NameX = 18;
constexpr qreal NameWidth = 102;
constexpr qreal RateX = 126;
constexpr qreal BaseX = 141;
constexpr qreal TaxX = 164;

void paintActivities(PageCanvas& c, const Sid3PrintData& data)
{
    section(c, 67, QStringLiteral("LIQUIDACION  DEL  IMPUESTO"));
    c.box(QRectF(0, 70.3, BodyWidth, 27));
    c.setFont(Arial, 7, true);
    c.text(CodeX, 71, QStringLiteral("Actividad"));
    c.text(NameX + 20, 71, QStringLiteral("Denominación de la Actividad"));
    c.alinear(RateX, 71, QStringLiteral("Alicuota"), 7, true, RateMask);
    c.alinear(BaseX, 71, QStringLiteral("Base Imp."), 7, true, AmountMask);
    c.alinear(TaxX, 71, QStringLiteral("Impuesto"), 7, true, AmountMask);
    c.line(0, 74.5, BodyWidth, 74.5);
    for (int i = 0; i < data.printed.size() && i < 6; ++i) {
        const PrintedLine& l = data.printed.at(i);
        const qreal y = 75.5 + 3.5 * i;
        c.setFont(Arial, Text);
        c.text(CodeX, y, l.codigo);
        (void)c.alineaString(NameX, y, NameWidth, l.denominacion, print::ColumnAlign::Left);
        c.alinear(RateX, y, l.alicuota.toDisplay(), Text, false, RateMask);
        c.alinear(BaseX, y, l.base.toDisplay(), Text, false, AmountMask);
        c.alinear(TaxX, y, l.impuesto.toDisplay(), Text, false, AmountMask);
    }
}

void paintIncome(PageCanvas& c, const Sid3PrintData& data)
{
    const Declaration& d = data.declaration;
    const struct
    {
        qreal x;
        qreal y;
        const char16_t* label;
        Money value;
    } rows[] = {
        { 2, 99, u"Total de Ingresos Gravados", d.gravado },
        { 2, 102.6, u"Total de Ingresos No Gravados", d.noGravado },
        { 2, 106.2, u"Total de Ingresos Exentos", d.exento },
        { 100, 99, u"Total Impuesto", data.summary.totalTaxShown() },
        { 100, 102.6, u"Mínimo Computable", data.summary.minimum },
    };
    for (const auto& r : rows) {
        c.setFont(Arial, Text);
        c.text(r.x, r.y, QString::fromUtf16(r.label));
        c.alinear(r.x + 45, r.y, r.value.toDisplay(), Text, true, AmountMask);
    }
}

constexpr qreal CountX = 95;
constexpr qreal ContribX = 131;
constexpr qreal AgtX = 164;

void balanceRow(PageCanvas& c, qreal y, const QString& concepto, const QString& count, const QString& contrib,
    const QString& agt, bool bold = false)
{
    c.setFont(Arial, Text, bold);
    c.text(2, y, concepto);
    c.alinear(CountX, y, count, Text, bold, CountMask);
    c.alinear(ContribX, y, contrib, Text, bold, AmountMask);
    c.alinear(AgtX, y, agt, Text, bold, AmountMask);
}

void paintBalance(PageCanvas& c, const Sid3PrintData& data)
{
    const Declaration& d = data.declaration;
    section(c, 111, QStringLiteral("DETERMINACION  DEL  SALDO  DEL  IMPUESTO  A  INGRESAR"));
    c.box(QRectF(0, 114.3, BodyWidth, 29.5));
    c.setFont(Arial, 7, true);
    c.text(2, 115.2, QStringLiteral("C o n c e p t o"));
    c.alinear(CountX, 115.2, QStringLiteral("Cantidad"), 7, true, CountMask);
    c.alinear(ContribX, 115.2, QStringLiteral("A Favor Contrib."), 7, true, AmountMask);
    c.alinear(AgtX, 115.2, QStringLiteral("A Favor A.G.T."), 7, true, AmountMask);
    c.line(0, 118.5, BodyWidth, 118.5);
    const QString computable = money(d.subTotalAgt.value_or(Money()));
    balanceRow(c, 119.2, QStringLiteral("Anticipo del Período"), {}, {}, computable);
    const struct
    {
        const char16_t* concepto;
        Register reg;
    } registers[] = { { u"Retenciones", Register::Retenciones }, { u"Percepciones", Register::Percepciones },
        { u"Compensaciones", Register::Compensaciones }, { u"Otros Pagos a Cuenta", Register::PagoACuenta } };
    qreal y = 122.6;
    for (const auto& r : registers) {
        const RegisterTotal& t = d.registerTotal(r.reg);
        balanceRow(c, y, QString::fromUtf16(r.concepto), QString::number(t.count), t.total.toDisplay(), {});
        y += 3.4;
    }
    c.line(0, y + 0.2, BodyWidth, y + 0.2);
    balanceRow(c, y + 0.6, QStringLiteral("SUBTOTALES"), {}, d.saldoContrib.toDisplay(), computable, true);
    balanceRow(c, y + 4, QStringLiteral("SALDO RESULTANTE"), {}, data.balance.favorContrib.toDisplay(),
        data.balance.favorAgt.toDisplay(), true);
}

void paintAmountToPay(PageCanvas& c, const Sid3PrintData& data)
{
    const Declaration& d = data.declaration;
    section(c, 146.5, QStringLiteral("DETERMINACION  DEL  IMPORTE  A  INGRESAR"));
    c.box(QRectF(0, 149.8, BodyWidth, 12.6));
    const auto row = [&c](qreal x, qreal y, const QString& label, const QString& value, bool bold) {
        c.setFont(Arial, Text, bold);
        c.text(x, y, label);
        c.alinear(x + 45, y, value, Text, true, AmountMask);
    };
    row(2, 151, QStringLiteral("Saldo Resultante a Favor A.G.T.:"), data.balance.favorAgt.toDisplay(), false);
    row(2, 154.6, QStringLiteral("Interés por Mora:"), money(d.interes), false);
    row(2, 158.2, QStringLiteral("TOTAL A DEPOSITAR:"), money(d.totalDepositar), true);
    row(100, 151, QStringLiteral("Fecha de Pago:"),
        d.fechaPago.isValid() ? regional::formatDate(d.fechaPago) : QString(), false);
    row(100, 154.6, QStringLiteral("Importe Depositado:"), money(d.importePagado), false);
    labelled(c, 100, 158.2, QStringLiteral("Son Pesos:"), money(d.importePagado));
}

void paintPaymentAndSignature(PageCanvas& c)
{
    section(c, 165, QStringLiteral("FORMA DE PAGO"));
    c.setFont(Arial, Text);
    c.box(QRectF(2, 169.3, 2.6, 2.6));
    c.text(6, 169, QStringLiteral("Efectivo"));
    c.text(30, 169, QStringLiteral("Cheque           N°________________"));
    c.text(90, 169, QStringLiteral("C/ Banco_____________________________________"));
    c.text(90, 173, QStringLiteral("Sucursal _____________________________________"));
    c.setFont(Arial, 7);
    c.text(2, 177.5,
        QStringLiteral(
            "Declaro que los datos consignados en éste formulario son correctos y completos y que he "
            "confeccionado la presen-"));
    c.text(2, 180.4,
        QStringLiteral(
            "te, utilizando el programa aplicativo entregado y aprobado por la A.G.T., sin omitir ni "
            "falsear dato alguno que deba"));
    c.text(2, 183.3, QStringLiteral("contener, siendo fiel expresión de la verdad.-"));
    c.setFont(Arial, Text);
    c.text(2, 189, QStringLiteral("Firma del Contribuyente___________________________"));
    c.text(95, 189, QStringLiteral("Aclaración______________________________________"));
}

// alinear along a line turned a quarter clockwise: the strip's texts run down the page.
void turnedAlinear(PageCanvas& c, qreal x, qreal y, const QString& text, bool bold, const QString& mask)
{
    QPainter& painter = c.painter();
    const QPointF at = c.toDevice(x, y);
    const QPointF origin = c.origin();
    painter.save();
    painter.translate(at);
    painter.rotate(90);
    c.setOrigin(QPointF(0, 0));
    c.alinear(0, 0, text, 7, bold, mask);
    c.setOrigin(origin);
    painter.restore();
}

QString maskOf(const RecordField& f)
{
    switch (f.kind) {
    case RecordFieldKind::Amount:
        return AmountMask;
    case RecordFieldKind::Rate:
        return RateMask;
    case RecordFieldKind::Code:
    case RecordFieldKind::Count:
        return CountMask;
    case RecordFieldKind::Date:
    case RecordFieldKind::Period:
    case RecordFieldKind::Identifier:
        break;
    }
    return {};
}

// The strip's rows: the first key's position, and the keys three millimetres apart.
struct StripRow
{
    qreal x;
    qreal y;
    QStringList keys;
};

QList<StripRow> stripRows()
{
    const auto keys = [](std::initializer_list<int> numbers) {
        QStringList out;
        for (int n : numbers)
            out << QStringLiteral("%1").arg(n, 2, 10, QChar(u'0'));
        return out;
    };
    return {
        { 188, 5, keys({ 98, 0, 1, 2, 3, 7, 8, 9, 11, 12, 13, 14, 15, 16 }) },
        { 188, 47, keys({ 31, 32, 33, 34, 35, 36 }) },
        { 212, 47, keys({ 41, 42, 43, 44, 45, 46 }) },
        { 188, 94, keys({ 51, 52, 53, 54, 55, 56, 57, 58, 59, 62, 64, 66 }) },
        { 188, 139, keys({ 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80 }) },
    };
}

void paintStrip(PageCanvas& c, const QList<RecordField>& fields)
{
    c.setOrigin(StripOrigin);
    QHash<QString, const RecordField*> byKey;
    for (const RecordField& f : fields)
        byKey.insert(f.key, &f);
    // No frame on the band: its right edge runs along the barcode's quiet zone.
    c.fill(QRectF(184.5, 2, 43, 164), Qt::white);
    for (const StripRow& row : stripRows()) {
        for (qsizetype i = 0; i < row.keys.size(); ++i) {
            const QString& key = row.keys.at(i);
            const qreal x = row.x + 3 * i;
            turnedAlinear(c, x, row.y, key + u'=', true, {});
            const RecordField* f = byKey.value(key);
            const QString value = f ? f->shown : QString::fromUtf16(FormCode);
            // A value longer than its mask (the nine-digit comprobante) would run back over its key.
            const QString mask = f ? maskOf(*f) : QString();
            turnedAlinear(c, x, row.y + 5, value, false, value.size() > mask.size() ? QString() : mask);
        }
    }
}

}

void paintFormHead(PageCanvas& c, const QString& comprobante, const QString& kind, bool cashierBox)
{
    c.setOrigin(BodyOrigin);
    c.setFont(Arial, Text, true);
    print::AuthorityHeader::current().draw(c, 0, 110, 20, 3);
    c.setFont(Arial, 11, true);
    c.text(117, 10, QStringLiteral("Comprobante Nº ") + comprobante);
    c.roundedFrame(QRectF(115, 17.5, BodyWidth - 115, 19), 2);
    c.setFont(Arial, Text, true);
    c.text(117, 19, QStringLiteral("IMPUESTO S/ LOS INGRESOS BRUTOS"));
    c.setFont(Arial, 7);
    c.text(117, 24, kind);
    c.setFont(Arial, 14, true);
    c.text(117, 26.5, QStringLiteral("SID3"));
    c.setFont(Arial, Text, true);
    c.text(117, 32.5, QStringLiteral("CP03/00"));
    if (!cashierBox)
        return;
    const QRectF stamp(148, 23.5, 33, 12);
    c.box(stamp);
    c.setFont(Arial, 6);
    c.text(QRectF(stamp.left(), stamp.bottom() - 3, stamp.width(), 3),
        QStringLiteral("Sello y Firma del Cajero"), Qt::AlignHCenter | Qt::AlignBottom);
}

void paintFormPage(PageCanvas& c, const Sid3PrintData& data, const QList<RecordField>& fields,
    const QString& comprobante, const QString& record)
{
    paintFormHead(c, comprobante, QStringLiteral("Formulario"), true);
    paintTitleAndTaxpayer(c, data);
    paintActivities(c, data);
    paintIncome(c, data);
    paintBalance(c, data);
    paintAmountToPay(c, data);
    paintPaymentAndSignature(c);
    paintStrip(c, fields);
    // The symbol's place counts from the sheet's corner; it runs down the page beside the strip.
    c.setOrigin(QPointF(0, 0));
    print::ManchaPlacement placement = print::ManchaPlacement::monthlyDeclaration(c.outputDpi());
    placement.turned = true;
    (void)print::Imp_Mancha(c, record, placement);
}

}
