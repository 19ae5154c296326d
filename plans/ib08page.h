#pragma once

#include "common/print/printableform.h"
#include "plans/ib08record.h"

#include <QRectF>

namespace ventrix::plans {

// Everything one printed general payment form shows.
struct Ib08Printout
{
    Ib08Taxpayer taxpayer;
    Ib08Payment payment;
    Ib08Concept tramite = Ib08Concept::Interes;
    QString formNumber; // nine digits
    QString barcode; // the bank barcode's digit string
    // The form printed without data or barcode, for the authority's staff to fill in by hand.
    bool blank = false;
};

// The general payment form "Formulario IB08": one A4 page with three stubs (for the bank, the
// authority and the taxpayer), each with the authority header, the taxpayer, the concept, the
// amounts, the bank's payment box and the bank barcode.
class Ib08Page : public print::PrintableForm
{
public:
    explicit Ib08Page(Ib08Printout printout);

    QString documentName() const override;
    int pageCount() const override { return 1; }
    void paintPage(int page, print::PageCanvas& canvas) override;
    bool pageHasBarcodes(int /*page*/) const override { return !m_printout.blank; }

    const Ib08Printout& printout() const { return m_printout; }

    // Each stub is a third of the page: 99 mm from the top of the previous one.
    static constexpr qreal StubHeight = 99;
    // Where the barcode of the stub goes, in millimetres from the page's top-left corner.
    static QRectF barcodeBox(int stub);

private:
    void paintStub(print::PageCanvas& canvas, int stub) const;
    void paintHeading(print::PageCanvas& canvas, const QString& title) const;
    void paintTaxpayer(print::PageCanvas& canvas) const;
    void paintAmounts(print::PageCanvas& canvas) const;
    void paintBankBox(print::PageCanvas& canvas) const;
    QString amount(const std::optional<Money>& value) const;

    Ib08Printout m_printout;
};

}
