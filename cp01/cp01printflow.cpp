#include "cp01/cp01printflow.h"

#include "common/messages.h"
#include "common/print/pageoutput.h"
#include "common/print/printtexts.h"
#include "cp01/cp01delivery.h"
#include "cp01/cp01messages.h"
#include "cp01/cp01pagerecord.h"
#include "cp01/cp01pages.h"
#include "cp01/cp01printform.h"

namespace ventrix::cp01 {
namespace {

constexpr int StatusMs = 2000;

QStringList closedRecords(const QList<Cp01Page>& pages)
{
    QStringList records;
    for (const Cp01Page& p : pages)
        records << p.closedRecord();
    return records;
}

}

Cp01PrintFlow::Cp01PrintFlow(QString archivos, Hooks hooks)
    : m_archivos(std::move(archivos))
    , m_hooks(std::move(hooks))
{
    if (!m_hooks.copy) {
        m_hooks.copy = [](const QString& folder, const QString& name) {
            (void)DeliveryCopier(folder).Copia_Diskette(name);
        };
    }
}

std::optional<Cp01Printout> Cp01PrintFlow::Imprimir(Cp01Form& form)
{
    if (!form.prepararImpresion())
        return std::nullopt;
    const Cp01Record record = form.record();
    return printPages([&record](const QString& receipt) { return procedurePages(record, receipt); });
}

std::optional<Cp01Printout> Cp01PrintFlow::Imprimir_ApertComercio(Cp01Form& form)
{
    if (!form.prepararImpresionApertura())
        return std::nullopt;
    const Cp01Record record = form.record();
    const OpenedPremises opened = form.openedPremises();
    return printPages([&](const QString& receipt) {
        return QList<Cp01Page> { openedPremisesPage(record, opened, receipt) };
    });
}

std::optional<Cp01Printout> Cp01PrintFlow::printPages(
    const std::function<QList<Cp01Page>(const QString&)>& pagesFor)
{
    if (m_hooks.choosePrinter && !m_hooks.choosePrinter())
        return std::nullopt;
    Cp01Printout out;
    out.receipt = drawReceiptNumber();
    out.pages = pagesFor(out.receipt);
    Cp01PrintForm printed(out.pages);
    if (m_hooks.status)
        m_hooks.status(msg::imprimiendo(), StatusMs);
    const PreviewOutcome outcome = m_hooks.preview ? m_hooks.preview(printed) : PreviewOutcome::Dropped;
    if (outcome == PreviewOutcome::Dropped) {
        if (m_hooks.status)
            m_hooks.status(msg::impresionCancelada(), StatusMs);
        return std::nullopt;
    }
    auto written = Diskette_CP01(m_archivos, out.receipt, closedRecords(out.pages));
    if (!written) {
        fail(written.error());
        return std::nullopt;
    }
    out.deliveryPath = *written;
    m_hooks.copy(m_archivos, deliveryFileName(out.receipt));
    return out;
}

Status printChecksWithoutScreen(const Cp01Record& record)
{
    if (record.text(col::Contribuyente).trimmed().isEmpty())
        return Error { msg::nombreIncompletoImprimir() };
    for (int n = 1; n <= 3; ++n) {
        const bool named
            = n == 1 || !record.text(col::premises(n, QStringLiteral("Nombre"))).trimmed().isEmpty();
        if (named && record.premisesActivities(n).isEmpty())
            return Error { msg::sinActividadesImprimir() };
    }
    if (auto f = Control_Campos_Excluyente(record))
        return Error { f->message };
    if (auto f = Control_Campos(record.activities))
        return Error { f->message };
    return {};
}

Result<Cp01Printout> printProcedureToPdf(
    const Cp01Record& record, const QString& pdfPath, const QString& archivos)
{
    if (auto s = printChecksWithoutScreen(record); !s)
        return Error { s.error() };
    Cp01Printout out;
    out.receipt = drawReceiptNumber();
    out.pages = procedurePages(record, out.receipt);
    Cp01PrintForm printed(out.pages);
    if (const QString problem = print::PageOutput::check(printed, 300); !problem.isEmpty())
        return Error { problem };
    // The check passed: only the file itself can fail now, and the message service has said why.
    if (!print::PageOutput::writePdf(printed, pdfPath))
        return Error { print::msg::pdfNotWritten(pdfPath) };
    auto written = Diskette_CP01(archivos, out.receipt, closedRecords(out.pages));
    if (!written)
        return Error { written.error() };
    out.deliveryPath = *written;
    return out;
}

}
