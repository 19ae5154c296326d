#include "cp02/cp02printflow.h"

#include "common/deliveryfile.h"
#include "common/print/pageoutput.h"
#include "common/randomsource.h"
#include "cp02/cp02messages.h"

#include <QDir>

namespace ventrix::cp02 {

Cp02PrintFlow::Cp02PrintFlow(QString archivos, Hooks hooks)
    : m_archivos(std::move(archivos))
    , m_hooks(std::move(hooks))
{
}

QString Cp02PrintFlow::drawReceipt()
{
    return QStringLiteral("%1").arg(RandomSource::bounded(1, 999999999), 9, 10, QChar(u'0'));
}

QString Cp02PrintFlow::fileName(const QString& receipt)
{
    return QStringLiteral("CP02_") + receipt + QStringLiteral(".txt");
}

Status Cp02PrintFlow::Diskette_CP02(const Cp02Pages& pages)
{
    const QString receipt = pages.printout().receipt;
    if (!QDir().mkpath(m_archivos))
        return Error { msg::errorArchivo(m_archivos, QString()) };
    DeliveryFile file(QDir(m_archivos).filePath(fileName(receipt)), receipt);
    if (!file.write({ pages.closedRecord(0), pages.closedRecord(1) }))
        return Error { msg::errorArchivo(QDir::toNativeSeparators(file.path()), file.errorString()) };
    return {};
}

Result<QString> Cp02PrintFlow::Imprimir(const Cp02Record& record, const TaxpayerData& taxpayer)
{
    if (m_hooks.choosePrinter && !m_hooks.choosePrinter())
        return Error { QString() };
    Cp02Pages pages(makePrintout(record, taxpayer, drawReceipt()));
    // Nothing is delivered whose barcodes would not read back.
    if (const QString problem = print::PageOutput::check(pages, 300); !problem.isEmpty())
        return Error { problem };
    if (auto written = Diskette_CP02(pages); !written)
        return Error { written.error() };
    if (m_hooks.copy)
        m_hooks.copy(fileName(pages.printout().receipt));
    if (m_hooks.output)
        m_hooks.output(pages);
    return pages.printout().receipt;
}

}
