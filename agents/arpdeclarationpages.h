#pragma once

#include "agents/arpdeclarationdata.h"
#include "common/print/printableform.h"

namespace ventrix::agents {

// The printed monthly declaration (IB16 for withholdings, AP02 for perceptions): on every page the
// form with its head (number, period, agent), up to 30 deposit lines, and on the last page the
// totals of the register and of the deposits. A4 portrait, positions in millimetres.
class ArpDeclarationPages : public print::PrintableForm
{
public:
    static constexpr int LinesPerPage = 30;
    static constexpr qreal FirstLineY = 70.0;
    static constexpr qreal LineStep = 4.05;
    static constexpr qreal TotalsY = 199.0;

    explicit ArpDeclarationPages(ArpDeclarationData data);

    const ArpDeclarationData& data() const { return m_data; }
    bool withholdings() const { return m_data.declaration.which == AgentRegister::Retenciones; }

    QString documentName() const override;
    int pageCount() const override;
    void paintPage(int page, print::PageCanvas& canvas) override;
    bool pageHasBarcodes(int) const override { return false; }

    // Imp_..._CabDetalle: the form and the values of its head.
    void paintHead(print::PageCanvas& canvas) const;

private:
    void paintForm(print::PageCanvas& canvas) const;
    void paintLines(print::PageCanvas& canvas, int page) const;
    void paintTotals(print::PageCanvas& canvas) const;

    ArpDeclarationData m_data;
};

}
