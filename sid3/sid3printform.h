#pragma once

#include "common/print/pagetable.h"
#include "common/print/printableform.h"
#include "sid3/sid3printdata.h"
#include "sid3/sid3printrecord.h"

#include <QList>

#include <memory>

namespace ventrix::sid3 {

// The printed monthly declaration CP03/SID3: the form page with its strip and barcode, then the
// annex pages of each register that has records (withholdings, perceptions, compensations, other
// payments), the table's heading repeated on each page.
class Sid3PrintForm : public print::PrintableForm
{
public:
    // The record must be the one built from the data and the comprobante number.
    Sid3PrintForm(Sid3PrintData data, QString comprobante, QString record);
    ~Sid3PrintForm() override;

    QString documentName() const override { return QStringLiteral("Formulario CP03"); }
    int pageCount() const override { return 1 + int(m_annexPages.size()); }
    void paintPage(int page, print::PageCanvas& canvas) override;
    QPageLayout::Orientation orientation() const override { return QPageLayout::Landscape; }
    bool pageHasBarcodes(int page) const override { return page == 0; }

    const QString& record() const { return m_record; }
    const QString& comprobante() const { return m_comprobante; }
    // The register each annex page belongs to (page 1 is the first annex page).
    Register annexRegister(int page) const;

    // The annex order and titles, "D E T A L L E    D E    R E T E N C I O N E S" ...
    static QList<Register> annexOrder();
    static QString annexTitle(Register r);

private:
    struct AnnexPage
    {
        Register reg;
        int part = 0;
    };

    void paintAnnex(const AnnexPage& page, print::PageCanvas& canvas) const;

    Sid3PrintData m_data;
    QString m_comprobante;
    QString m_record;
    QList<RecordField> m_fields;
    std::array<std::unique_ptr<print::PageTable>, 4> m_tables;
    QList<AnnexPage> m_annexPages;
};

}
