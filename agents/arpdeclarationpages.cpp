#include "agents/arpdeclarationpages.h"

#include "common/print/authorityheader.h"
#include "common/print/pagecanvas.h"

namespace ventrix::agents {
namespace {

const QString Arial = QStringLiteral("Arial");
constexpr qreal BaseFont = 8.25;
const QString DateFormat = QStringLiteral("dd/MM/yyyy");

// Where the amounts of the deposit lines end.
constexpr qreal AmountRight = 165.0;
constexpr qreal AmountWidth = 45.0;

const QStringList Statement { QStringLiteral("Declaro que los datos consignados en este formulario son "),
    QStringLiteral("correctos y completos, y que ésta "), QStringLiteral("Declaración Jurada."),
    QStringLiteral("confeccionado utilizando el software aplicativo aprobado y "),
    QStringLiteral("entregado por la A.G.T.  del Valdera, sin omitir ni falsear dato"),
    QStringLiteral("alguno que deba contener siendo fiel expresión de la verdad.") };

}

ArpDeclarationPages::ArpDeclarationPages(ArpDeclarationData data)
    : m_data(std::move(data))
{
}

QString ArpDeclarationPages::documentName() const
{
    return withholdings() ? QStringLiteral("Formulario IB16") : QStringLiteral("Formulario AP02");
}

int ArpDeclarationPages::pageCount() const
{
    const int lines = int(m_data.deposits.size());
    return std::max(1, (lines + LinesPerPage - 1) / LinesPerPage);
}

void ArpDeclarationPages::paintPage(int page, print::PageCanvas& canvas)
{
    paintHead(canvas);
    paintLines(canvas, page);
    if (page == pageCount() - 1)
        paintTotals(canvas);
}

// The form's own drawing: frames and fixed texts the values are printed on.
void ArpDeclarationPages::paintForm(print::PageCanvas& canvas) const
{
    const bool ret = withholdings();
    canvas.setPenWidth(0.3);
    canvas.box(QRectF(10, 6, 190, 280));
    canvas.setFont(Arial, BaseFont, true);
    print::AuthorityHeader::current().draw(canvas, 10, 120, 8, 3.6);
    canvas.text(14, 29, QStringLiteral("IMPUESTO S/LOS INGRESOS BRUTOS"));
    canvas.setFont(Arial, 12, true);
    canvas.text(14, 34, ret ? QStringLiteral("FORMULARIO IB16") : QStringLiteral("FORMULARIO AP02"));
    canvas.alineaString(70, 30, 64, QStringLiteral("DECLARACION JURADA"), print::ColumnAlign::Centre);
    canvas.alineaString(70, 35, 64, QStringLiteral("MENSUAL"), print::ColumnAlign::Centre);
    canvas.setFont(Arial, BaseFont, true);
    canvas.alineaString(70, 40, 64,
        ret ? QStringLiteral("AGENTES  DE  RETENCION") : QStringLiteral("AGENTES  DE  PERCEPCION"),
        print::ColumnAlign::Centre);
    canvas.text(130, 11.3, QStringLiteral("Comprobante N°"));
    canvas.box(QRectF(134, 16, 62, 26));
    canvas.alineaString(134, 17, 62, QStringLiteral("Recepción"), print::ColumnAlign::Centre);
    canvas.alineaString(134, 37, 62, QStringLiteral("Sello Fechador"), print::ColumnAlign::Centre);
    canvas.box(QRectF(12, 45, 186, 16));
    canvas.text(14, 47.5,
        ret ? QStringLiteral("PERIODO DE  LA  RETENCION:") : QStringLiteral("PERIODO DE  LA  PERCEPCION:"));
    canvas.text(14, 53.3, QStringLiteral("NOMBRE DEL AGENTE :"));
    canvas.text(14, 56.8, QStringLiteral("N°  DE  AGENTE :"));
    canvas.box(QRectF(12, 62, 186, 131));
    canvas.text(26, 64, ret ? QStringLiteral("FECHA   DE   AR01") : QStringLiteral("FECHA   DE   AP01"));
    canvas.alineaString(AmountRight - AmountWidth, 64, AmountWidth, QStringLiteral("IMPORTE   DEPOSITADO"),
        print::ColumnAlign::Right);
    canvas.line(12, 68.5, 198, 68.5);
    canvas.box(QRectF(12, 195, 186, 12));
    canvas.text(20, 199.5, ret ? QStringLiteral("TOTAL  RETENIDO :") : QStringLiteral("TOTAL  PERCIBIDO :"));
    canvas.text(118, 199.5, QStringLiteral("TOTAL  DEPOSITADO :"));
    canvas.box(QRectF(12, 210, 186, 72));
    canvas.setFont(Arial, BaseFont, false);
    for (int i = 0; i < Statement.size(); ++i)
        canvas.text(16, 216 + i * 4.2, Statement.at(i));
    canvas.line(120, 262, 190, 262);
    canvas.alineaString(120, 263, 70, QStringLiteral("Firma y Aclaración"), print::ColumnAlign::Centre);
    canvas.text(16, 272, QStringLiteral("En carácter de:"));
    canvas.line(42, 275.5, 110, 275.5);
}

void ArpDeclarationPages::paintHead(print::PageCanvas& canvas) const
{
    paintForm(canvas);
    canvas.setFont(Arial, 8, true);
    canvas.text(157.1, 11.3, m_data.declaration.numero);
    canvas.text(62.9, 47.5, m_data.declaration.period.text());
    canvas.text(53.2, 53.3, m_data.agentName);
    canvas.text(43.9, 56.8, m_data.agentNumber);
    canvas.text(97.0, 56.8, m_data.cuit);
    canvas.text(157.9, 56.8, m_data.ibrutos);
}

void ArpDeclarationPages::paintLines(print::PageCanvas& canvas, int page) const
{
    canvas.setFont(Arial, 8, true);
    const int first = page * LinesPerPage;
    const int last = std::min(int(m_data.deposits.size()), first + LinesPerPage);
    for (int i = first; i < last; ++i) {
        const DeclaredDeposit& d = m_data.deposits.at(i);
        const qreal y = FirstLineY + (i - first) * LineStep;
        canvas.text(31.4, y, d.fechaPago.toString(DateFormat));
        canvas.text(73.9, y, d.numFormulario);
        canvas.alineaString(AmountRight - AmountWidth, y, AmountWidth, d.importeDepositado.toDisplay(),
            print::ColumnAlign::Right);
    }
}

void ArpDeclarationPages::paintTotals(print::PageCanvas& canvas) const
{
    canvas.setFont(Arial, 10, true);
    canvas.text(55, TotalsY, m_data.totalRegistro.toDisplay());
    canvas.text(155, TotalsY, m_data.totalDepositado.toDisplay());
}

}
