#include "agents/arppaymentform.h"

#include "agents/agentsmessages.h"
#include "common/print/authorityheader.h"
#include "common/print/bankbarcode.h"
#include "common/print/pagecanvas.h"

namespace ventrix::agents {
namespace {

const QString Base = QStringLiteral("Arial");
constexpr qreal BasePoints = 8.25;
constexpr qreal ValuePoints = 10;

QString digitsOf(const QString& text)
{
    QString out;
    for (QChar c : text)
        if (c.isDigit())
            out += c;
    return out;
}

// The digits of the value padded on the left to the width; nullopt when they do not fit.
std::optional<QString> padded(const QString& value, int width)
{
    const QString digits = digitsOf(value);
    if (digits.size() > width)
        return std::nullopt;
    return QString(width - digits.size(), u'0') + digits;
}

// A caption that ends just before the value printed at x.
void captionBefore(print::PageCanvas& canvas, qreal x, qreal y, const QString& text)
{
    canvas.text(QRectF(x - 81, y, 80, 5), text, Qt::AlignRight | Qt::AlignTop);
}

bool isRetencion(const ArpPaymentData& d)
{
    return d.which == AgentRegister::Retenciones;
}

}

ArpPaymentData paymentDataOf(
    const ArpDeposit& d, AgentRegister which, const QString& numAgente, const QString& agentName)
{
    ArpPaymentData out;
    out.which = which;
    out.numAgente = numAgente;
    out.agentName = agentName;
    out.period = d.period;
    out.numFormulario = d.numFormulario;
    out.fechaPago = d.fechaPago;
    out.importe = d.importeDepositado.value_or(Money());
    return out;
}

Result<QString> arpPaymentCode(const ArpPaymentData& d)
{
    if (d.importe.isNegative())
        return Error { msg::importePagoNegativo() };
    struct Part
    {
        QString value;
        int width;
        QString name;
    };
    const Part parts[] = { { d.numAgente, 5, QStringLiteral("N° Agente") },
        { d.period.text(), 6, QStringLiteral("Período") },
        { d.numFormulario, 7, QStringLiteral("N° Comprobante") },
        { d.fechaPago.toString(QStringLiteral("ddMMyyyy")), 8, QStringLiteral("Fecha de Pago") },
        { QString::number(d.importe.units()), 12, QStringLiteral("Importe a Depositar") } };
    QString code;
    for (const Part& part : parts) {
        const auto digits = padded(part.value, part.width);
        if (!digits)
            return Error { msg::codigoPagoExcedido(part.name) };
        code += *digits;
    }
    return code;
}

ArpPaymentForm::ArpPaymentForm(ArpPaymentData data)
    : m_data(std::move(data))
{
}

QString ArpPaymentForm::formCode() const
{
    return isRetencion(m_data) ? QStringLiteral("AR01") : QStringLiteral("AP01");
}

QString ArpPaymentForm::documentName() const
{
    return msg::trabajoFormularioPago();
}

void ArpPaymentForm::paintPage(int, print::PageCanvas& canvas)
{
    for (int coupon = 0; coupon < 3; ++coupon)
        paintCoupon(coupon, canvas);
    canvas.setOrigin({});
}

void ArpPaymentForm::paintCoupon(int coupon, print::PageCanvas& canvas) const
{
    canvas.setOrigin(QPointF(0, coupon * CouponStep));
    paintFixedTexts(coupon, canvas);
    paintValues(canvas);
    canvas.setFont(Base, BasePoints);
    const auto code = arpPaymentCode(m_data);
    if (!code) {
        canvas.reportProblem(code.error());
        return;
    }
    (void)print::drawBankBarcode(canvas, *code, QRectF(100, 70, 90, 14));
}

// What the form's picture holds: frames, captions and the coupon's head.
void ArpPaymentForm::paintFixedTexts(int coupon, print::PageCanvas& canvas) const
{
    const bool ret = isRetencion(m_data);
    canvas.setPenWidth(0.3);
    canvas.roundedFrame(QRectF(6, 2, 198, 93), 2);
    // The bars keep a quiet zone of some 20 modules inside their frame, so that scanners find them.
    canvas.box(QRectF(94, 64, 102, 25));
    canvas.line(8, 20.5, 202, 20.5);
    canvas.line(8, 56, 202, 56);
    if (coupon < 2) {
        canvas.setPenWidth(0.1);
        for (qreal x = 2; x < 208; x += 3)
            canvas.line(x, CouponStep - 1.5, x + 1.5, CouponStep - 1.5);
    }
    canvas.setFont(Base, 7);
    print::AuthorityHeader::current().draw(canvas, 8, 70, 3, 3);
    canvas.setFont(Base, 12, true);
    canvas.text(10, 30, formCode());
    canvas.setFont(Base, BasePoints, true);
    canvas.text(130, 4, msg::talonesPago().value(coupon));
    canvas.text(82, 9, msg::agenteImpuesto(ret));
    canvas.setFont(Base, BasePoints);
    canvas.text(82, 13.5, msg::notaCreditoCuenta() + m_data.cuenta);
    canvas.setFont(Base, BasePoints, true);
    canvas.text(10, 22, msg::datosDelAgente(ret));
    canvas.setFont(Base, BasePoints);
    captionBefore(canvas, 171.7, 26.4, msg::numeroDeAgente(ret));
    captionBefore(canvas, 147.4, 30.7, msg::pagoPeriodo());
    canvas.text(89, 34, msg::pagoRazonSocial());
    captionBefore(canvas, 116.3, 46.2, msg::pagoFecha());
    captionBefore(canvas, 174.2, 46.2, msg::pagoImporte());
    captionBefore(canvas, 99.6, 52.4, msg::pagoSon());
    const QStringList medios = msg::pagoMedios();
    for (int i = 0; i < medios.size(); ++i)
        canvas.text(12, 60 + 6 * i, medios[i]);
    canvas.line(40, 86, 85, 86);
    canvas.text(58, 87, msg::pagoFirma());
    canvas.text(130, 65, msg::pagoCodigoBarras());
    canvas.setFont(Base, BasePoints, true);
    canvas.text(12, 89, msg::pagoSellar());
}

void ArpPaymentForm::paintValues(print::PageCanvas& canvas) const
{
    const QString amount = m_data.importe.toDisplay();
    canvas.setFont(Base, ValuePoints, true);
    canvas.text(171.7, 25.9, m_data.numAgente);
    canvas.text(147.4, 30.2, m_data.period.text());
    canvas.text(40.2, 37.9, m_data.numFormulario);
    canvas.text(89.0, 37.9, m_data.agentName);
    canvas.text(116.3, 45.7, m_data.fechaPago.toString(QStringLiteral("dd/MM/yyyy")));
    canvas.text(174.2, 45.7, amount);
    canvas.text(99.6, 51.9, amount);
}

}
