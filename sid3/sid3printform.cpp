#include "sid3/sid3printform.h"

#include "common/print/pagecanvas.h"
#include "common/regional.h"
#include "sid3/sid3formpage.h"

namespace ventrix::sid3 {
namespace {

using print::ColumnAlign;
using print::PageTable;

// The table's place on an annex page, from the body's origin.
const QRectF AnnexArea(0, 50, 260, 138);
constexpr qreal AnnexRowHeight = 4.5;

std::unique_ptr<PageTable> annexTable(const QList<RegisterRecord>& records)
{
    auto table = std::make_unique<PageTable>(
        QList<PageTable::Column> { { QStringLiteral("Fecha"), 22 }, { QStringLiteral("Concepto"), 78 },
            { QStringLiteral("Monto"), 28, ColumnAlign::Right },
            { QStringLiteral("Mes"), 12, ColumnAlign::Centre },
            { QStringLiteral("Año"), 14, ColumnAlign::Centre }, { QStringLiteral("Responsable"), 74 },
            { QStringLiteral("CUIT"), 32 } },
        AnnexRowHeight);
    Money total;
    for (const RegisterRecord& r : records) {
        total += r.monto.value_or(Money());
        table->addRow({ r.fecha.isValid() ? regional::formatDate(r.fecha) : QString(), r.concepto,
            r.monto ? r.monto->toDisplay() : QString(), r.mes, r.anio, r.responsable, r.cuit });
    }
    table->addRow({ QStringLiteral("Totales"), {}, total.toDisplay(), {}, {}, {}, {} });
    return table;
}

}

Sid3PrintForm::Sid3PrintForm(Sid3PrintData data, QString comprobante, QString record)
    : m_data(std::move(data))
    , m_comprobante(std::move(comprobante))
    , m_record(std::move(record))
    , m_fields(recordFields(m_data, m_comprobante))
{
    for (Register reg : annexOrder()) {
        const QList<RegisterRecord>& records = m_data.recordsOf(reg);
        if (records.isEmpty())
            continue;
        auto& table = m_tables.at(static_cast<size_t>(reg));
        table = annexTable(records);
        for (int part = 0; part < table->pageCount(AnnexArea.height()); ++part)
            m_annexPages.append({ reg, part });
    }
}

Sid3PrintForm::~Sid3PrintForm() = default;

QList<Register> Sid3PrintForm::annexOrder()
{
    return { Register::Retenciones, Register::Percepciones, Register::Compensaciones, Register::PagoACuenta };
}

QString Sid3PrintForm::annexTitle(Register r)
{
    switch (r) {
    case Register::Retenciones:
        return QStringLiteral("D E T A L L E    D E    R E T E N C I O N E S");
    case Register::Percepciones:
        return QStringLiteral("D E T A L L E    D E    P E R C E P C I O N E S");
    case Register::Compensaciones:
        return QStringLiteral("D E T A L L E    D E    C O M P E N S A C I O N E S");
    case Register::PagoACuenta:
        break;
    }
    return QStringLiteral("D E T A L L E    D E    P A G O S    A    C U E N T A");
}

Register Sid3PrintForm::annexRegister(int page) const
{
    return m_annexPages.at(page - 1).reg;
}

void Sid3PrintForm::paintPage(int page, print::PageCanvas& canvas)
{
    if (page == 0) {
        paintFormPage(canvas, m_data, m_fields, m_comprobante, m_record);
        return;
    }
    if (page > 0 && page <= m_annexPages.size())
        paintAnnex(m_annexPages.at(page - 1), canvas);
}

void Sid3PrintForm::paintAnnex(const AnnexPage& page, print::PageCanvas& canvas) const
{
    paintFormHead(canvas, m_comprobante, QStringLiteral("ANEXO"), false);
    const Declaration& d = m_data.declaration;
    canvas.setFont(QStringLiteral("Arial"), 11, true);
    canvas.text(QRectF(AnnexArea.left(), 39, AnnexArea.width(), 5), annexTitle(page.reg),
        Qt::AlignHCenter | Qt::AlignTop);
    canvas.setFont(QStringLiteral("Arial"), 8);
    canvas.text(0, 45,
        QStringLiteral("%1   C.U.I.T.: %2   Nº de I.S.I.B.: %3   Período: %4/%5")
            .arg(m_data.contribuyente, d.cuit, d.ib)
            .arg(d.month, 2, 10, QChar(u'0'))
            .arg(d.year));
    const PageTable& table = *m_tables.at(static_cast<size_t>(page.reg));
    const int parts = table.pageCount(AnnexArea.height());
    canvas.text(QRectF(AnnexArea.left(), 45, AnnexArea.width(), 4),
        QStringLiteral("Hoja %1 de %2").arg(page.part + 1).arg(parts), Qt::AlignRight | Qt::AlignTop);
    table.paintPart(canvas, page.part, AnnexArea);
}

}
