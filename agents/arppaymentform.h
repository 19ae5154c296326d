#pragma once

#include "agents/arpdeposit.h"
#include "agents/registerkind.h"
#include "common/print/printableform.h"
#include "common/result.h"

namespace ventrix::agents {

// What a deposit's payment form shows: the agent, the month, the form number, the day and amount.
struct ArpPaymentData
{
    AgentRegister which = AgentRegister::Retenciones;
    QString numAgente; // "1234/1"
    QString agentName;
    ArpPeriod period;
    QString numFormulario; // seven digits
    QDate fechaPago;
    Money importe; // "Importe a Depositar"
    QString cuenta; // the authority's collection account the bank credits
};

// The payment form's values for a stored deposit of the register.
ArpPaymentData paymentDataOf(
    const ArpDeposit& d, AgentRegister which, const QString& numAgente, const QString& agentName);

// The 38 digits the bank reads: agent number (5), period (6), form number (7), payment date as
// day, month, year (8) and amount in cents (12), each reduced to its digits and padded on the
// left with zeros. A part wider than its place, or a negative amount, is refused: the bank would
// read another deposit.
Result<QString> arpPaymentCode(const ArpPaymentData& d);

// The payment form of a deposit (AR01 for withholdings, AP01 for perceptions): one A4 page with
// three coupons 99.2 mm apart (the authority's, the bank's and the agent's), each with the values
// and the bank barcode of the payment code.
class ArpPaymentForm : public print::PrintableForm
{
public:
    static constexpr qreal CouponStep = 99.2;

    explicit ArpPaymentForm(ArpPaymentData data);

    const ArpPaymentData& data() const { return m_data; }
    // "AR01" or "AP01".
    QString formCode() const;

    QString documentName() const override;
    int pageCount() const override { return 1; }
    void paintPage(int page, print::PageCanvas& canvas) override;

private:
    void paintCoupon(int coupon, print::PageCanvas& canvas) const;
    void paintFixedTexts(int coupon, print::PageCanvas& canvas) const;
    void paintValues(print::PageCanvas& canvas) const;

    ArpPaymentData m_data;
};

}
