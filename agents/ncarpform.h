#pragma once

#include "agents/creditrecord.h"
#include "common/print/printableform.h"

namespace ventrix::agents {

// What an NCARP form prints: the agent, the day, the drawn number and the credits marked.
struct NcarpData
{
    QString numero; // "0012345", drawn for this print
    QDate fecha;
    QString agente;
    QString numAgenteRetencion;
    QString numAgentePercepcion;
    QList<CreditLine> creditos;

    Money total() const;
};

// One printed row of the credits' table, every value as it is printed.
struct NcarpRow
{
    QString fecha;
    QString contribuyente;
    QString documento;
    QString periodo;
    QString ddjjNum;
    QString ddjjFecha;
    QString base;
    QString importe;
    QString credito;
    bool operator==(const NcarpRow&) const = default;
};

NcarpRow ncarpRow(const CreditLine& line);

// The credit note of withholding and perception agents ("FORMULARIO NCARP"): A4 portrait pages, each
// with the form's head and as many credits as fit, the total on the last one.
class NcarpForm : public print::PrintableForm
{
public:
    static constexpr int RowsPerPage = 34;

    explicit NcarpForm(NcarpData data);

    QString documentName() const override;
    int pageCount() const override;
    void paintPage(int page, print::PageCanvas& canvas) override;
    bool pageHasBarcodes(int) const override { return false; }

    const NcarpData& data() const { return m_data; }

private:
    void paintHead(print::PageCanvas& canvas) const;
    void paintAgent(print::PageCanvas& canvas) const;
    void paintTableHead(print::PageCanvas& canvas) const;
    void paintRows(print::PageCanvas& canvas, int page) const;
    void paintTotal(print::PageCanvas& canvas) const;
    void paintStatement(print::PageCanvas& canvas) const;

    NcarpData m_data;
};

}
