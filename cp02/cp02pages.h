#pragma once

#include "common/print/mancha.h"
#include "common/print/printableform.h"
#include "cp02/cp02printout.h"

namespace ventrix::print {
class PageCanvas;
}

namespace ventrix::cp02 {

// The two printed pages of an annual declaration ("Formulario CP02"), each with the PDF417 barcode
// of its closed record near the foot of the page.
class Cp02Pages : public print::PrintableForm
{
public:
    explicit Cp02Pages(Cp02Printout printout);

    QString documentName() const override;
    int pageCount() const override { return 2; }
    void paintPage(int page, print::PageCanvas& canvas) override;

    const Cp02Printout& printout() const { return m_printout; }
    // The closed records of page 1 and page 2, as the barcodes and the delivery file carry them.
    QString closedRecord(int page) const;
    // Where the barcodes go: 24.7 cm from the top, across the width of the page.
    static print::ManchaPlacement placement();

private:
    void paintHeader(print::PageCanvas& canvas, int page) const;
    void paintGeneralData(print::PageCanvas& canvas) const;
    qreal paintActivities(print::PageCanvas& canvas) const;
    void paintMonths(print::PageCanvas& canvas, qreal top) const;
    void paintBalance(print::PageCanvas& canvas) const;
    void paintExempt(print::PageCanvas& canvas) const;
    void paintStatement(print::PageCanvas& canvas) const;

    Cp02Printout m_printout;
};

}
