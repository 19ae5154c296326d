#pragma once

#include "common/fieldvalues.h"
#include "common/print/printableform.h"
#include "plans/instalment.h"

#include <QStringList>

namespace ventrix::plans {

// The taxpayer as the slip prints it, from the inscription's fields (prefix "CP01").
struct SlipTaxpayer
{
    QString nombre;
    QString domicilio; // street, number, block, floor, flat, office
    QString localidad; // postcode, town, province and telephone
    QString ingBrut;
    QString cuit;

    static SlipTaxpayer fromFields(const FieldValues& cp01);
};

// The payment form of one plan instalment ("Formulario IB08"): one A4 portrait page cut into three
// stubs, for the authority, the bank and the taxpayer, each with the authority header, the plan and
// instalment, the taxpayer, the bank's payment box, the instalment's amounts and its numeric line.
class SlipPage : public print::PrintableForm
{
public:
    // numericLine: the line every stub carries (slipNumericLine), already checked.
    SlipPage(InstalmentSlip slip, SlipTaxpayer taxpayer, QString numericLine);

    QString documentName() const override;
    int pageCount() const override { return 1; }
    void paintPage(int page, print::PageCanvas& canvas) override;
    bool pageHasBarcodes(int) const override { return false; }

    // The stubs' titles, top to bottom.
    static QStringList stubTitles();
    // Where each stub begins, in millimetres from the top of the page; each is StubHeight tall.
    static qreal stubTop(int stub) { return stub * StubHeight; }
    static constexpr qreal StubHeight = 99;

    // The line telling the bank which account of the authority to credit.
    static QString creditNote();
    static void setCreditNote(const QString& text);

private:
    void paintStub(print::PageCanvas& c, int stub) const;
    void paintTaxpayer(print::PageCanvas& c, qreal top) const;
    void paintPlanData(print::PageCanvas& c, qreal top) const;
    void paintPaymentBox(print::PageCanvas& c, qreal top) const;

    InstalmentSlip m_slip;
    SlipTaxpayer m_taxpayer;
    QString m_numericLine;
};

}
