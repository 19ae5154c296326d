#pragma once

#include "common/print/mancha.h"
#include "common/print/printableform.h"
#include "cp01/cp01page.h"

namespace ventrix::cp01 {

// The printed inscription form: each page's template, its values in Arial 8 points and the
// barcode of its closed record at the foot of the sheet.
class Cp01PrintForm : public print::PrintableForm
{
public:
    explicit Cp01PrintForm(QList<Cp01Page> pages);

    QString documentName() const override { return QStringLiteral("Formulario CP01"); }
    int pageCount() const override { return int(m_pages.size()); }
    void paintPage(int page, print::PageCanvas& canvas) override;

    const QList<Cp01Page>& pages() const { return m_pages; }

    // The band at 24.7 cm from the top that the barcode may take, above the page numbering.
    static print::ManchaPlacement manchaPlacement();

private:
    QList<Cp01Page> m_pages;
};

}
