#include "agents/ncarpform.h"

#include "agents/creditmessages.h"
#include "common/print/authorityheader.h"
#include "common/print/pagecanvas.h"
#include "common/regional.h"

namespace ventrix::agents {
namespace {

using print::ColumnAlign;
using print::PageCanvas;

const QString Arial = QStringLiteral("Arial");
constexpr qreal Width = 200;
constexpr qreal Radius = 1.5;
constexpr qreal TableTop = 72;
constexpr qreal HeadHeight = 9;
constexpr qreal RowStep = 4.5;
constexpr qreal TotalY = TableTop + HeadHeight + NcarpForm::RowsPerPage * RowStep + 2;

struct Column
{
    qreal x;
    qreal width;
    ColumnAlign align;
    const char16_t* head;
};

// Registration date, counterpart, document, period, declaration, base, amount and credit.
const Column Columns[] = {
    { 1, 17, ColumnAlign::Centre, u"FECHA\nREGISTRO" },
    { 19, 38, ColumnAlign::Left, u"CONTRIBUYENTE" },
    { 58, 22, ColumnAlign::Left, u"N° DOCUMENTO" },
    { 81, 13, ColumnAlign::Centre, u"PERIODO" },
    { 95, 14, ColumnAlign::Centre, u"DDJJ N°" },
    { 110, 17, ColumnAlign::Centre, u"FECHA\nDDJJ" },
    { 128, 22, ColumnAlign::Right, u"BASE\nIMPONIBLE" },
    { 151, 23, ColumnAlign::Right, u"IMPORTE\nRET./PERC." },
    { 175, 23, ColumnAlign::Right, u"IMPORTE\nCREDITO" },
};

QString shownDate(QDate d)
{
    return d.isValid() ? regional::formatDate(d) : QString();
}

QStringList rowTexts(const NcarpRow& r)
{
    return { r.fecha, r.contribuyente, r.documento, r.periodo, r.ddjjNum, r.ddjjFecha, r.base, r.importe,
        r.credito };
}

}

Money NcarpData::total() const
{
    Money sum;
    for (const CreditLine& line : creditos)
        sum += line.importeNC;
    return sum;
}

NcarpRow ncarpRow(const CreditLine& line)
{
    return { shownDate(line.fecha), line.contribuyente, line.numFactura,
        line.fecha.isValid() ? line.fecha.toString(QStringLiteral("MM/yyyy")) : QString(), line.ddjjNumForm,
        shownDate(line.ddjjFechaPres), line.base.toDisplay(), line.importe.toDisplay(),
        line.importeNC.toDisplay() };
}

NcarpForm::NcarpForm(NcarpData data)
    : m_data(std::move(data))
{
}

QString NcarpForm::documentName() const
{
    return msg::trabajoNcarp();
}

int NcarpForm::pageCount() const
{
    const int rows = int(m_data.creditos.size());
    return std::max(1, (rows + RowsPerPage - 1) / RowsPerPage);
}

void NcarpForm::paintPage(int page, PageCanvas& canvas)
{
    canvas.setOrigin(QPointF(5, 5));
    canvas.setPenWidth(0.2);
    paintHead(canvas);
    paintAgent(canvas);
    paintTableHead(canvas);
    paintRows(canvas, page);
    if (page == pageCount() - 1)
        paintTotal(canvas);
    paintStatement(canvas);
}

void NcarpForm::paintHead(PageCanvas& canvas) const
{
    canvas.roundedFrame(QRectF(0, 0, Width, 40), Radius);
    canvas.setFont(Arial, 8, true);
    print::AuthorityHeader::current().draw(canvas, 2, 70, 4, 4);
    canvas.line(74, 0, 74, 40);
    canvas.setFont(Arial, 9, true);
    canvas.text(QRectF(74, 3, 76, 5), QStringLiteral("IMPUESTO S/LOS INGRESOS BRUTOS"), Qt::AlignHCenter);
    canvas.setFont(Arial, 11, true);
    canvas.text(QRectF(74, 9, 76, 5), QStringLiteral("DECLARACION JURADA"), Qt::AlignHCenter);
    canvas.text(QRectF(74, 14, 76, 5), QStringLiteral("MENSUAL"), Qt::AlignHCenter);
    canvas.setFont(Arial, 10, true);
    canvas.text(QRectF(74, 20, 76, 5), QStringLiteral("NOTA DE CREDITO AGENTES DE"), Qt::AlignHCenter);
    canvas.text(QRectF(74, 25, 76, 5), QStringLiteral("RETENCION / PERCEPCION"), Qt::AlignHCenter);
    canvas.setFont(Arial, 12, true);
    canvas.text(QRectF(74, 32, 76, 6), QStringLiteral("FORMULARIO NCARP"), Qt::AlignHCenter);
    canvas.line(150, 0, 150, 40);
    canvas.setFont(Arial, 9);
    canvas.text(152, 2, QStringLiteral("Comprobante N°"));
    canvas.setFont(Arial, 11, true);
    canvas.text(QRectF(150, 6, 50, 6), m_data.numero, Qt::AlignHCenter);
    canvas.setFont(Arial, 8);
    canvas.text(QRectF(150, 14, 50, 4), QStringLiteral("Recepción"), Qt::AlignHCenter);
    canvas.box(QRectF(155, 19, 40, 19));
    canvas.setColor(Qt::gray);
    canvas.text(QRectF(155, 26, 40, 5), QStringLiteral("Sello Fechador"), Qt::AlignHCenter);
    canvas.setColor(Qt::black);
}

void NcarpForm::paintAgent(PageCanvas& canvas) const
{
    canvas.roundedFrame(QRectF(0, 43, Width, 24), Radius);
    canvas.setFont(Arial, 9);
    canvas.text(3, 46, QStringLiteral("NOMBRE DEL AGENTE :"));
    canvas.text(145, 46, QStringLiteral("FECHA :"));
    canvas.text(3, 53, QStringLiteral("N° AGENTE DE RETENCION :"));
    canvas.text(3, 60, QStringLiteral("N° AGENTE DE PERCEPCION :"));
    canvas.setFont(Arial, 9, true);
    canvas.alineaString(40, 46, 100, m_data.agente, ColumnAlign::Left);
    canvas.text(160, 46, shownDate(m_data.fecha));
    canvas.text(50, 53, m_data.numAgenteRetencion);
    canvas.text(50, 60, m_data.numAgentePercepcion);
}

void NcarpForm::paintTableHead(PageCanvas& canvas) const
{
    canvas.greyFill(QRectF(0, TableTop, Width, HeadHeight));
    canvas.box(QRectF(0, TableTop, Width, HeadHeight + RowsPerPage * RowStep + 1));
    canvas.setFont(Arial, 7, true);
    for (const Column& c : Columns) {
        canvas.text(QRectF(c.x, TableTop + 0.5, c.width, HeadHeight - 1), QString::fromUtf16(c.head),
            Qt::AlignCenter);
        if (c.x > 1)
            canvas.line(c.x - 0.5, TableTop, c.x - 0.5, TableTop + HeadHeight + RowsPerPage * RowStep + 1);
    }
}

void NcarpForm::paintRows(PageCanvas& canvas, int page) const
{
    canvas.setFont(Arial, 7);
    const qsizetype first = qsizetype(page) * RowsPerPage;
    const qsizetype last = std::min(m_data.creditos.size(), first + RowsPerPage);
    qreal y = TableTop + HeadHeight + 1;
    for (qsizetype i = first; i < last; ++i, y += RowStep) {
        const QStringList texts = rowTexts(ncarpRow(m_data.creditos.at(i)));
        for (int c = 0; c < int(std::size(Columns)); ++c)
            canvas.alineaString(Columns[c].x, y, Columns[c].width, texts.at(c), Columns[c].align);
    }
}

void NcarpForm::paintTotal(PageCanvas& canvas) const
{
    const Column& credito = Columns[std::size(Columns) - 1];
    canvas.box(QRectF(credito.x - 25.5, TotalY, 25 + credito.width + 1.5, 6));
    canvas.setFont(Arial, 9, true);
    canvas.text(credito.x - 24, TotalY + 1, QStringLiteral("TOTAL"));
    canvas.alineaString(credito.x, TotalY + 1, credito.width, m_data.total().toDisplay(), ColumnAlign::Right);
}

void NcarpForm::paintStatement(PageCanvas& canvas) const
{
    constexpr qreal top = TotalY + 9;
    canvas.roundedFrame(QRectF(0, top, Width, 287 - 5 - top), Radius);
    static const char16_t* lines[] = { u"Declaro que los datos consignados en este formulario son ",
        u"correctos y completos, y que ésta ", u"Declaración Jurada.",
        u"confeccionado utilizando el software aplicativo aprobado y ",
        u"entregado por la A.G.T.  del Valdera, sin omitir ni falsear dato",
        u"alguno que deba contener siendo fiel expresión de la verdad." };
    canvas.setFont(Arial, 8);
    qreal y = top + 3;
    for (const char16_t* line : lines) {
        canvas.text(3, y, QString::fromUtf16(line));
        y += 3.8;
    }
    canvas.line(120, top + 17, 195, top + 17);
    canvas.text(QRectF(120, top + 18, 75, 4), QStringLiteral("Firma y Aclaración"), Qt::AlignHCenter);
    canvas.text(120, top + 26, QStringLiteral("En carácter de:"));
    canvas.line(142, top + 29.5, 195, top + 29.5);
}

}
