#include "plans/slippage.h"

#include "common/print/authorityheader.h"
#include "common/print/pagecanvas.h"
#include "common/regional.h"
#include "plans/plansmessages.h"
#include "plans/slipline.h"

#include <QPainter>
#include <QPen>

namespace ventrix::plans {
namespace {

const QString Arial = QStringLiteral("Arial");
const QString Times = QStringLiteral("times new roman");
const QString AmountMask = QStringLiteral("999999999.99");
const QString RateMask = QStringLiteral("999.99");
const QString CountMask = QStringLiteral("9999");
const QString NumberMask = QStringLiteral("9999999999");

constexpr qreal Left = 8;
constexpr qreal Width = 194;
constexpr qreal Half = 95;
constexpr qreal RightColumn = Left + Width - Half;

QString text(const FieldValues& cp01, const char* column)
{
    return displayText(cp01.value(QStringLiteral("CP01_") + QString::fromLatin1(column))).trimmed();
}

// The non-empty parts joined by the separator.
QString joined(const QStringList& parts, const QString& separator)
{
    QStringList kept;
    for (const QString& p : parts) {
        if (!p.trimmed().isEmpty())
            kept << p.trimmed();
    }
    return kept.join(separator);
}

QString labelled(const QString& label, const QString& value)
{
    return value.isEmpty() ? QString() : label + value;
}

QString amount(const std::optional<Money>& m)
{
    return m ? m->toDisplay() : QString();
}

QString& creditNoteText()
{
    static QString text
        = QStringLiteral("Acreditar en la Cuenta Recaudadora de la A.G.T. - Impuesto sobre los "
                         "Ingresos Brutos - Plan de Facilidades de Pago");
    return text;
}

}

SlipTaxpayer SlipTaxpayer::fromFields(const FieldValues& cp01)
{
    SlipTaxpayer t;
    t.nombre = text(cp01, "Contribuyente");
    t.domicilio = joined(
        { joined({ text(cp01, "DomFisc_Domicilio"), text(cp01, "DomFisc_DomNumero") }, QStringLiteral(" ")),
            labelled(QStringLiteral("Monoblock "), text(cp01, "DomFisc_Monoblock")),
            labelled(QStringLiteral("Planta "), text(cp01, "DomFisc_Planta")),
            labelled(QStringLiteral("Piso "), text(cp01, "DomFisc_Piso")),
            labelled(QStringLiteral("Dpto. "), text(cp01, "DomFisc_Depto")),
            labelled(QStringLiteral("Of. "), text(cp01, "DomFisc_Oficina")) },
        QStringLiteral(", "));
    const QString phone
        = joined({ text(cp01, "DomFisc_Te_Caract"), text(cp01, "DomFisc_Telefono") }, QStringLiteral(" "));
    t.localidad = joined(
        { labelled(QStringLiteral("C.P. "), text(cp01, "DomFisc_CodPostal")), text(cp01, "DomFisc_Localidad"),
            text(cp01, "DomFisc_Provincia"), labelled(QStringLiteral("Tel.: "), phone) },
        QStringLiteral(" - "));
    t.ingBrut = text(cp01, "IngBrut");
    t.cuit = text(cp01, "CUIT");
    return t;
}

SlipPage::SlipPage(InstalmentSlip slip, SlipTaxpayer taxpayer, QString numericLine)
    : m_slip(std::move(slip))
    , m_taxpayer(std::move(taxpayer))
    , m_numericLine(std::move(numericLine))
{
}

QString SlipPage::documentName() const
{
    return msg::documento();
}

QStringList SlipPage::stubTitles()
{
    return { QStringLiteral("TALON  PARA  LA  A.G.T."), QStringLiteral("TALON PARA EL BANCO"),
        QStringLiteral("TALON PARA EL CONTRIBUYENTE") };
}

QString SlipPage::creditNote()
{
    return creditNoteText();
}

void SlipPage::setCreditNote(const QString& text)
{
    creditNoteText() = text;
}

void SlipPage::paintPage(int, print::PageCanvas& c)
{
    for (int stub = 0; stub < 3; ++stub)
        paintStub(c, stub);
}

void SlipPage::paintStub(print::PageCanvas& c, int stub) const
{
    const qreal top = stubTop(stub);
    c.setFont(Times, 7, true);
    print::AuthorityHeader::current().draw(c, Left, 75, top + 5, 3.2);

    c.setFont(Arial, 10, true);
    c.text(Left + 82, top + 5, QStringLiteral("A.G.T. - PLAN DE FACILIDADES DE PAGO"));
    c.setFont(Arial, 9, true);
    c.text(Left + 82, top + 11, stubTitles().at(stub));
    c.setFont(Arial, 9);
    c.text(Left + 82, top + 17, QStringLiteral("PLAN Nº"));
    c.alinear(Left + 98, top + 17, planNumberText(m_slip.plan.numPFP), 9, true);
    c.text(Left + 140, top + 17, QStringLiteral("CUOTA Nº"));
    c.alinear(
        Left + 158, top + 17, m_slip.cuota ? QString::number(*m_slip.cuota) : QString(), 9, true, CountMask);

    paintTaxpayer(c, top + 23);
    paintPlanData(c, top + 42);
    paintPaymentBox(c, top + 42);

    c.setFont(Arial, 9);
    c.text(Left + 2, top + 78.5, QStringLiteral("Son Pesos :"));
    c.alinear(Left + 22, top + 78.5, amount(m_slip.total), 9, true);
    c.setFont(Arial, 7);
    c.text(Left + 2, top + 84, creditNote());
    c.text(RightColumn + 40, top + 78.5, QStringLiteral("Firma y Sello del cajero al dorso"));
    c.setFont(Arial, 10, true);
    c.text(QRectF(Left, top + 88.5, Width, 5), m_numericLine, Qt::AlignCenter);

    if (stub < 2) {
        // The cut between two stubs.
        QPen dashed(Qt::black, c.toDevice(0.2), Qt::DashLine);
        c.painter().save();
        c.painter().setPen(dashed);
        c.painter().drawLine(c.toDevice(2, top + StubHeight), c.toDevice(208, top + StubHeight));
        c.painter().restore();
    }
}

void SlipPage::paintTaxpayer(print::PageCanvas& c, qreal top) const
{
    c.box(QRectF(Left, top, Width, 17));
    c.setFont(Arial, 7, true);
    c.text(Left + 2, top + 0.8, QStringLiteral("DATOS  DEL CONTRIBUYENTE"));
    c.setFont(Arial, 8);
    c.alineaString(Left + 2, top + 4.3, Width - 4, m_taxpayer.nombre, print::ColumnAlign::Left);
    c.alineaString(Left + 2, top + 7.8, Width - 4, m_taxpayer.domicilio, print::ColumnAlign::Left);
    c.alineaString(Left + 2, top + 11.3, Width - 4, m_taxpayer.localidad, print::ColumnAlign::Left);
    c.text(Left + 2, top + 13.3, QStringLiteral("I.B.:"));
    c.text(Left + 12, top + 13.3, m_taxpayer.ingBrut);
    c.text(Left + 70, top + 13.3, QStringLiteral("CUIT:"));
    c.text(Left + 81, top + 13.3, m_taxpayer.cuit);
}

void SlipPage::paintPlanData(print::PageCanvas& c, qreal top) const
{
    c.box(QRectF(Left, top, Half, 33));
    const qreal valueX = Left + 62;
    const struct
    {
        QString label;
        QString value;
        QString mask;
        bool bold;
    } rows[] = {
        { QStringLiteral("Cantidad de Cuotas Total del Plan:"),
            m_slip.plan.cantCuotas ? QString::number(*m_slip.plan.cantCuotas) : QString(), CountMask, false },
        { QStringLiteral("Importe Cuota:"), amount(m_slip.plan.importeCuota), AmountMask, false },
        { QStringLiteral("Vto.:"), regional::formatDate(m_slip.vencimiento), NumberMask, false },
        { QStringLiteral("Interés:"), amount(m_slip.interes), AmountMask, false },
        { QStringLiteral("Tasa:"), amount(m_slip.plan.tasa), RateMask, false },
        { QStringLiteral("Total:"), amount(m_slip.total), AmountMask, true },
    };
    qreal y = top + 1.5;
    for (const auto& row : rows) {
        c.setFont(Arial, 8, row.bold);
        c.text(Left + 2, y, row.label);
        c.setFont(Arial, 8);
        // Every value ends where the widest amount would end.
        const QString mask = row.mask.size() < AmountMask.size() ? AmountMask : row.mask;
        c.alinear(valueX, y, row.value, 8, row.bold, mask);
        y += 5.2;
    }
}

void SlipPage::paintPaymentBox(print::PageCanvas& c, qreal top) const
{
    c.box(QRectF(RightColumn, top, Half, 33));
    c.setFont(Arial, 8);
    const qreal x = RightColumn + 2;
    c.text(x, top + 1.5, QStringLiteral("Fecha"));
    c.text(x + 45, top + 1.5, QStringLiteral("Importe"));
    // The payment date and amount the slip was computed for.
    c.text(x + 10, top + 1.5, regional::formatDate(m_slip.pago));
    c.alinear(x + 58, top + 1.5, amount(m_slip.total), 8, true, AmountMask);
    c.text(x, top + 7, QStringLiteral("Depositado"));
    c.text(x, top + 12.5, QStringLiteral("Efectivo"));
    c.text(x, top + 18, QStringLiteral("Cheque                 Nº________________________"));
    c.text(x, top + 23.5, QStringLiteral("C/Banco_________________________________"));
    c.text(x, top + 28.5, QStringLiteral("Sucursal_________________________________"));
}

}
