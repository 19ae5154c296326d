#include "cp02/cp02pages.h"

#include "common/print/authorityheader.h"
#include "common/print/pagecanvas.h"
#include "cp02/cp02messages.h"

namespace ventrix::cp02 {
namespace {

using print::ColumnAlign;
using print::PageCanvas;

constexpr qreal Left = 12;
constexpr qreal Right = 198;
const QString Arial = QStringLiteral("Arial");

// A table column: its left edge, width, heading and how its values stand.
struct Column
{
    qreal x;
    qreal width;
    QString heading;
    ColumnAlign align;
};

const QList<Column>& activityColumns()
{
    static const QList<Column> columns { { Left, 14, QStringLiteral("Código"), ColumnAlign::Left },
        { 27, 86, QStringLiteral("Denominación de la Actividad"), ColumnAlign::Left },
        { 114, 12, QStringLiteral("Emp."), ColumnAlign::Right },
        { 127, 26, QStringLiteral("Base Imponible"), ColumnAlign::Right },
        { 154, 13, QStringLiteral("Alic"), ColumnAlign::Right },
        { 168, 29, QStringLiteral("Impuesto"), ColumnAlign::Right } };
    return columns;
}

const QList<Column>& monthColumns()
{
    static const QList<Column> columns { { Left, 17, QStringLiteral("Mes"), ColumnAlign::Left },
        { 29, 17, QStringLiteral("Fecha Pago"), ColumnAlign::Centre },
        { 47, 21, QStringLiteral("Base Imponible"), ColumnAlign::Right },
        { 69, 20, QStringLiteral("Anticipo Determ."), ColumnAlign::Right },
        { 90, 20, QStringLiteral("Impuesto Mínimo"), ColumnAlign::Right },
        { 111, 20, QStringLiteral("Total Computado"), ColumnAlign::Right },
        { 132, 21, QStringLiteral("Retenc. y Otros Pagos"), ColumnAlign::Right },
        { 154, 21, QStringLiteral("Saldo a Favor AGT/Contrib."), ColumnAlign::Right },
        { 176, 21, QStringLiteral("Depositado sin Recargos"), ColumnAlign::Right } };
    return columns;
}

void heading(PageCanvas& c, const QList<Column>& columns, qreal y, qreal height)
{
    c.setFont(Arial, 6.5, true);
    c.greyFill(QRectF(Left, y, Right - Left, height), 10);
    c.box(QRectF(Left, y, Right - Left, height));
    for (const Column& col : columns)
        c.text(QRectF(col.x, y, col.width, height), col.heading,
            Qt::Alignment(QFlag(Qt::AlignCenter | Qt::TextWordWrap)));
}

void row(PageCanvas& c, const QList<Column>& columns, qreal y, const QStringList& values)
{
    for (int i = 0; i < columns.size() && i < values.size(); ++i) {
        const Column& col = columns.at(i);
        c.alineaString(col.x + 0.5, y, col.width - 1, values.at(i), col.align);
    }
}

void section(PageCanvas& c, qreal y, const QString& rubro, const QString& title)
{
    c.setFont(Arial, 8, true);
    c.greyFill(QRectF(Left, y, Right - Left, 5), 20);
    c.box(QRectF(Left, y, Right - Left, 5));
    c.text(Left + 1, y + 0.8, rubro);
    c.text(Left + 20, y + 0.8, title);
}

// A label in bold and its value right after it, the value shortened to the room it has.
void labelled(PageCanvas& c, qreal x, qreal y, const QString& label, const QString& value, qreal room)
{
    c.setFont(Arial, 8, true);
    c.text(x, y, label);
    const qreal w = c.textWidth(label) + 1.5;
    c.setFont(Arial, 8);
    c.alineaString(x + w, y, room - w, value, ColumnAlign::Left);
}

}

Cp02Pages::Cp02Pages(Cp02Printout printout)
    : m_printout(std::move(printout))
{
}

QString Cp02Pages::documentName() const
{
    return msg::documento();
}

print::ManchaPlacement Cp02Pages::placement()
{
    return { QPointF(Left, 247), 1.0, QSizeF(Right - Left, 42) };
}

QString Cp02Pages::closedRecord(int page) const
{
    return closePageRecord(page == 0 ? m_printout.record1() : m_printout.record2());
}

void Cp02Pages::paintPage(int page, PageCanvas& canvas)
{
    paintHeader(canvas, page);
    if (page == 0) {
        paintGeneralData(canvas);
        paintMonths(canvas, paintActivities(canvas));
    } else {
        paintBalance(canvas);
        paintExempt(canvas);
        paintStatement(canvas);
    }
    (void)print::Imp_Mancha(canvas, closedRecord(page), placement());
    canvas.setFont(Arial, 8);
    canvas.text(QRectF(Left, 289, Right - Left, 4),
        QStringLiteral("Página ") + QString::number(page + 1) + QStringLiteral(" de 2"), Qt::AlignCenter);
}

void Cp02Pages::paintHeader(PageCanvas& c, int) const
{
    c.setFont(Arial, 8);
    print::AuthorityHeader::current().draw(c, Left, 110, 10, 3.5);
    c.roundedFrame(QRectF(135, 7, Right - 135, 26), 2);
    c.setFont(Arial, 7);
    c.text(137, 8.5, QStringLiteral("Recepción"));
    c.text(QRectF(135, 14, Right - 135, 4), QStringLiteral("Sello Fechador"), Qt::AlignCenter);
    c.setFont(Arial, 9, true);
    c.text(137, 28, QStringLiteral("Comprobante Nº ") + m_printout.receipt);
    c.setFont(Arial, 9, true);
    c.text(Left, 30, QStringLiteral("IMPUESTO S/ LOS INGRESOS BRUTOS"));
    c.setFont(Arial, 8);
    c.text(95, 30, QStringLiteral("Formulario"));
    c.setFont(Arial, 11, true);
    c.text(112, 29.3, QStringLiteral("CP02"));
    c.setFont(Arial, 11, true);
    c.text(Left, 36, QStringLiteral("DECLARACION  JURADA  ANUAL "));
    c.setFont(Arial, 9, true);
    c.text(135, 36.5, QStringLiteral("PERIODO FISCAL"));
    c.box(QRectF(165, 35.5, Right - 165, 6));
    c.setFont(Arial, 10, true);
    c.text(QRectF(165, 35.5, Right - 165, 6), m_printout.periodo, Qt::AlignCenter);
}

void Cp02Pages::paintGeneralData(PageCanvas& c) const
{
    const Cp02Printout& p = m_printout;
    section(c, 44, QStringLiteral("RUBRO"), QStringLiteral("DATOS GENERALES"));
    c.box(QRectF(Left, 49, Right - Left, 21));
    labelled(
        c, Left + 1, 50.5, QStringLiteral("Apellido y Nombre / Razón Social :"), p.nombre, Right - Left - 2);
    labelled(c, Left + 1, 55, QStringLiteral("C.U.I.T.:"), p.cuit, 60);
    labelled(c, 80, 55, QStringLiteral("Nº de I.S.I.B.:"), p.isib, 60);
    labelled(c, Left + 1, 59.5, QStringLiteral("Domicilio Fiscal (Calle):"), p.calle + u' ' + p.numero, 100);
    labelled(c, 113, 59.5, QStringLiteral("Block:"), p.monoblock, 20);
    labelled(c, 134, 59.5, QStringLiteral("Pta.:"), p.planta, 15);
    labelled(c, 150, 59.5, QStringLiteral("Piso:"), p.piso, 15);
    labelled(c, 166, 59.5, QStringLiteral("Dpto.:"), p.depto, 15);
    labelled(c, 182, 59.5, QStringLiteral("Oficina:"), p.oficina, 16);
    labelled(c, Left + 1, 64.5, QStringLiteral("Localidad:"), p.localidad, 62);
    labelled(c, 76, 64.5, QStringLiteral("C.P.:"), p.codPostal, 20);
    labelled(c, 97, 64.5, QStringLiteral("Tel.:"), p.telefono, 40);
    labelled(c, 138, 64.5, QStringLiteral("Provincia:"), p.provincia, Right - 139);
}

qreal Cp02Pages::paintActivities(PageCanvas& c) const
{
    const Cp02Printout& p = m_printout;
    section(
        c, 73, QStringLiteral("RUBRO 4"), QStringLiteral("DETERMINACION DEL IMPUESTO ANUAL POR ACTIVIDAD"));
    c.setFont(Arial, 7);
    c.text(
        Left + 1, 78.5, QStringLiteral("Incluye actividades con reducción a tasa cero y exenciones Art. "));
    heading(c, activityColumns(), 82, 5);
    // The months' table needs the lower part of the page; many activities share the room left.
    const qreal room = 84;
    const qreal step = std::min<qreal>(4.2, room / std::max<qsizetype>(1, p.activities.size()));
    qreal y = 88;
    c.setFont(Arial, step < 3.4 ? 6 : 8);
    for (const PrintedActivity& a : p.activities) {
        row(c, activityColumns(), y, { a.codigo, a.actividad, a.empleados, a.base, a.alicuota, a.impuesto });
        y += step;
    }
    y = std::max<qreal>(y, 92);
    c.line(Left, y, Right, y);
    c.setFont(Arial, 8, true);
    row(c, activityColumns(), y + 0.8,
        { QString(), QStringLiteral("TOTALES"), QString(), p.totalBase, QString(), p.totalImpuesto });
    c.box(QRectF(Left, 82, Right - Left, y + 5 - 82));
    return y + 8;
}

void Cp02Pages::paintMonths(PageCanvas& c, qreal top) const
{
    const Cp02Printout& p = m_printout;
    section(c, top, QStringLiteral("RUBRO"), QStringLiteral("DETERMINACION DE ANTICIPOS E IMPUESTO MINIMO "));
    c.setFont(Arial, 7);
    c.text(Left + 1, top + 5.5, QStringLiteral("Actividades gravadas a tasa distinta de cero"));
    heading(c, monthColumns(), top + 9, 7);
    qreal y = top + 17;
    c.setFont(Arial, 8);
    for (const PrintedMonth& m : p.months) {
        row(c, monthColumns(), y,
            { m.mes, m.fecha, m.base, m.anticipo, m.minimo, m.computado, m.retenciones, m.saldo,
                m.depositado });
        y += 4.2;
    }
    c.line(Left, y, Right, y);
    c.setFont(Arial, 8, true);
    const PrintedMonth& t = p.totals;
    row(c, monthColumns(), y + 0.8,
        { t.mes, QString(), t.base, t.anticipo, t.minimo, t.computado, t.retenciones, t.saldo,
            t.depositado });
    c.box(QRectF(Left, top + 9, Right - Left, y + 5 - top - 9));
}

void Cp02Pages::paintBalance(PageCanvas& c) const
{
    const Cp02Printout& p = m_printout;
    section(c, 44, QString(), QStringLiteral("DETERMINACION SALDO DECLARACION JURADA."));
    const QList<QPair<QString, QString>> lines { { QStringLiteral("IMPUESTO:"), p.impuesto },
        { QStringLiteral("MENOS RETENCIONES Y OTROS PAGOS:"), p.retenciones },
        { QStringLiteral("IMPORTE DEPOSITADO SIN RECARGOS:"), p.depositado },
        { QStringLiteral("SALDO A FAVOR A.G.T.:"), p.favorAgt },
        { QStringLiteral("SALDO A FAVOR CONTRIBUYENTE:"), p.favorContrib } };
    qreal y = 51;
    for (int i = 0; i < lines.size(); ++i) {
        c.setFont(Arial, 8, true);
        c.text(Left + 2, y, lines.at(i).first);
        c.box(QRectF(160, y - 1, Right - 160, 5));
        c.setFont(Arial, 8);
        c.alineaString(161, y, Right - 162, lines.at(i).second, ColumnAlign::Right);
        if (i == 0) {
            c.setFont(Arial, 6.5);
            c.text(Left + 6, y + 4,
                QStringLiteral("(Para actividades con mínimo anual : Total columna Anticipo "
                               "Determinado o Impuesto Mínimo (el importe mayor))"));
            c.text(Left + 6, y + 7,
                QStringLiteral("(Para actividades con mínimos mensuales : Total columna Total "
                               "Computado)"));
            y += 7;
        }
        y += 6;
    }
    c.box(QRectF(Left, 49, Right - Left, y - 49));
}

void Cp02Pages::paintExempt(PageCanvas& c) const
{
    section(c, 96, QString(),
        QStringLiteral("ACTIVIDADES EXENTAS (")
            + QStringLiteral("Incluye actividades con promoción industrial") + u')');
    static const QList<Column> columns { { Left, 16, QStringLiteral("Nº"), ColumnAlign::Left },
        { 29, 50, QStringLiteral("NORMA LEGAL"), ColumnAlign::Left },
        { 80, 14, QStringLiteral("AÑO"), ColumnAlign::Centre },
        { 95, 16, QStringLiteral("PORC."), ColumnAlign::Right },
        { 112, 22, QStringLiteral("FECHA\nDE INICIO"), ColumnAlign::Centre },
        { 135, 24, QStringLiteral("FECHA DE\nFINALIZACION"), ColumnAlign::Centre },
        { 160, 37, QStringLiteral("INGRESOS TOTALES\nALCANZADOS"), ColumnAlign::Right } };
    heading(c, columns, 101, 8);
    qreal y = 110.5;
    c.setFont(Arial, 8);
    for (const PrintedExempt& e : m_printout.exempt) {
        row(c, columns, y, { e.numero, e.normaLegal, e.anio, e.porcentaje, e.inicio, e.fin, e.importe });
        y += 4.5;
    }
    c.box(QRectF(Left, 101, Right - Left, y - 101));
}

void Cp02Pages::paintStatement(PageCanvas& c) const
{
    const Cp02Printout& p = m_printout;
    labelled(c, Left, 140, QStringLiteral("Cantidad de Empleados al :"), p.fechaEmpleados, 60);
    c.setFont(Arial, 8, true);
    c.text(75, 140, p.empleados);
    labelled(c, Left, 146, QStringLiteral("Carácter respecto al I.V.A. :"), p.condIva, Right - Left);
    const QString dots(60, u'.');
    c.setFont(Arial, 8);
    c.box(QRectF(Left, 155, Right - Left, 60));
    c.text(Left + 2, 160,
        QStringLiteral("El que suscribe ") + dots + QStringLiteral(" documento Nº ") + QString(30, u'.'));
    c.text(Left + 2, 166,
        QStringLiteral("en su carácter de ") + dots
            + QStringLiteral(" declara bajo juramento que los datos consignados"));
    c.text(Left + 2, 172,
        QStringLiteral("en este formulario son correctos y completos y que ha sido confeccionado sin "
                       "omitir ni falsear dato alguno que deba contener,"));
    c.text(Left + 2, 178, QStringLiteral("siendo fiel expresión de la verdad."));
    c.text(Left + 10, 202, dots);
    c.text(120, 202, dots);
    c.text(Left + 25, 206, QStringLiteral("Lugar y Fecha"));
    c.text(142, 206, QStringLiteral("FIRMA"));
}

}
