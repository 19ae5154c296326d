#include "plans/ib08page.h"

#include "common/print/authorityheader.h"
#include "common/print/bankbarcode.h"
#include "common/print/pagecanvas.h"
#include "common/regional.h"
#include "plans/ib08messages.h"

namespace ventrix::plans {
namespace {

using print::ColumnAlign;
using print::PageCanvas;

const QString Arial = QStringLiteral("Arial");
constexpr qreal Left = 10;
constexpr qreal Right = 200;
constexpr qreal AmountsLeft = 112;
constexpr qreal BarcodeTop = 73;
constexpr qreal BarcodeHeight = 18;

// A bold label with its value right after it, shortened to the room left.
void labelled(PageCanvas& c, qreal x, qreal y, const QString& label, const QString& value, qreal room)
{
    c.setFont(Arial, 7.5, true);
    c.text(x, y, label);
    const qreal w = c.textWidth(label) + 1.5;
    c.setFont(Arial, 7.5);
    c.alineaString(x + w, y, room - w, value, ColumnAlign::Left);
}

}

Ib08Page::Ib08Page(Ib08Printout printout)
    : m_printout(std::move(printout))
{
}

QString Ib08Page::documentName() const
{
    return msg::ib08Titulo();
}

// Missing amounts print as 0,00, so that nothing can be added by hand; a blank form prints none.
QString Ib08Page::amount(const std::optional<Money>& value) const
{
    return m_printout.blank ? QString() : value.value_or(Money()).toDisplay();
}

QRectF Ib08Page::barcodeBox(int stub)
{
    return QRectF(Left + 1, stub * StubHeight + BarcodeTop, 128, BarcodeHeight);
}

void Ib08Page::paintPage(int /*page*/, PageCanvas& canvas)
{
    for (int stub = 0; stub < 3; ++stub)
        paintStub(canvas, stub);
}

void Ib08Page::paintStub(PageCanvas& c, int stub) const
{
    static const QStringList titles { msg::talonBanco(), msg::talonAgt(), msg::talonContribuyente() };
    const qreal top = stub * StubHeight;
    c.setOrigin(QPointF(0, top));
    c.setPenWidth(0.3);
    c.roundedFrame(QRectF(Left - 2, 3, Right - Left + 4, StubHeight - 6), 2);
    paintHeading(c, titles.at(stub));
    paintTaxpayer(c);
    paintAmounts(c);
    paintBankBox(c);
    c.setFont(Arial, 6.5);
    c.alineaString(Left, 67.5, Right - Left, msg::notaCreditoBanco(), ColumnAlign::Left);
    c.setOrigin(QPointF(0, 0));
    if (stub < 2) {
        c.setPenWidth(0.1);
        c.line(0, top + StubHeight, 210, top + StubHeight); // where the stubs are cut apart
    }
    if (m_printout.blank)
        return;
    c.setFont(Arial, 8);
    // A code that is not digits marks the page as not printable; the other stubs still draw.
    (void)print::drawBankBarcode(c, m_printout.barcode, barcodeBox(stub));
}

void Ib08Page::paintHeading(PageCanvas& c, const QString& title) const
{
    c.setFont(Arial, 7, true);
    print::AuthorityHeader::current().draw(c, Left, 95, 5, 3.2);
    c.setFont(Arial, 12, true);
    c.alineaString(AmountsLeft, 5, Right - AmountsLeft, msg::ib08Titulo(), ColumnAlign::Centre);
    c.setFont(Arial, 9, true);
    c.alineaString(AmountsLeft, 11.5, Right - AmountsLeft, title, ColumnAlign::Centre);
    labelled(c, AmountsLeft + 20, 17, QStringLiteral("Formulario N°:"), m_printout.formNumber, 60);
    c.setPenWidth(0.2);
    c.line(Left, 22.5, Right, 22.5);
}

void Ib08Page::paintTaxpayer(PageCanvas& c) const
{
    const Ib08Payment& p = m_printout.payment;
    constexpr qreal room = AmountsLeft - Left - 4;
    labelled(c, Left, 25, QStringLiteral("CUIT:"), m_printout.taxpayer.cuit, room);
    labelled(c, Left, 29.5, QStringLiteral("Apellido y Nombre/Razón Social."),
        m_printout.taxpayer.contribuyente, room);
    labelled(c, Left, 34, QStringLiteral("TRAMITE:"),
        m_printout.blank ? QString() : conceptText(m_printout.tramite), room);
    labelled(c, Left, 38.5, QStringLiteral("FECHA:"),
        m_printout.blank ? QString() : regional::formatDate(p.fechaPago), room);
    labelled(c, Left, 43, QStringLiteral("IMPORTE DEPOSITADO:"), amount(p.total), room);
    labelled(c, Left, 47.5, QStringLiteral("Son Pesos:"), amount(p.total), room);
    c.setFont(Arial, 7.5, true);
    c.text(Left, 52, msg::posicionFiscalImpresa(p.posFiscal));
}

void Ib08Page::paintAmounts(PageCanvas& c) const
{
    const Ib08Payment& p = m_printout.payment;
    const QList<std::pair<QString, std::optional<Money>>> lines { { QStringLiteral("10- Importe: "),
                                                                      p.importe },
        { QStringLiteral("12- Actualización"), p.actualizacion },
        { QStringLiteral("13- Interés"), p.interes }, { QStringLiteral("15- TOTAL"), p.total } };
    constexpr qreal rowHeight = 4.6;
    c.setPenWidth(0.2);
    c.box(QRectF(AmountsLeft, 24.5, Right - AmountsLeft, rowHeight * lines.size() + 0.8));
    for (int i = 0; i < lines.size(); ++i) {
        const bool total = i == lines.size() - 1;
        const qreal y = 25.3 + i * rowHeight;
        c.setFont(Arial, 8, total);
        c.text(AmountsLeft + 1.5, y, lines[i].first);
        c.alineaString(
            AmountsLeft + 40, y, Right - AmountsLeft - 42, amount(lines[i].second), ColumnAlign::Right);
    }
}

void Ib08Page::paintBankBox(PageCanvas& c) const
{
    c.setPenWidth(0.2);
    c.box(QRectF(AmountsLeft, 45, Right - AmountsLeft, 20.5));
    c.setFont(Arial, 7.5);
    c.box(QRectF(AmountsLeft + 2, 46.7, 2.6, 2.6));
    c.text(AmountsLeft + 6, 46.5, QStringLiteral("Efectivo"));
    c.box(QRectF(AmountsLeft + 2, 51.2, 2.6, 2.6));
    c.text(AmountsLeft + 6, 51, QStringLiteral("Cheque             N°:_________________"));
    c.text(AmountsLeft + 6, 55.5, QStringLiteral("C/Banco__________________________"));
    c.text(AmountsLeft + 6, 60, QStringLiteral("Sucursal__________________________"));
    c.text(143, 72.5, QStringLiteral("FECHA:______/______/_______"));
    c.text(143, 79, QStringLiteral("FIRMA:________________________________"));
    c.setFont(Arial, 6.5, true);
    c.text(143, 86, QStringLiteral("Firma y Sello del cajero al dorso"));
}

}
