#include "plans/ib08printflow.h"

#include "common/print/pageoutput.h"
#include "common/randomsource.h"
#include "plans/ib08barcode.h"

namespace ventrix::plans {

Ib08PrintFlow::Ib08PrintFlow(Hooks hooks)
    : m_hooks(std::move(hooks))
{
}

QString Ib08PrintFlow::drawFormNumber()
{
    return QStringLiteral("%1").arg(RandomSource::bounded(1, 999999999), 9, 10, QChar(u'0'));
}

Result<Ib08Printout> Ib08PrintFlow::printout(
    const Ib08Payment& payment, const Ib08Taxpayer& taxpayer, Ib08Concept tramite, const QString& formNumber)
{
    Result<QString> digits = ib08BarcodeDigits(taxpayer.cuit, formNumber, tramite, payment);
    if (!digits)
        return Error { digits.error() };
    return Ib08Printout { taxpayer, payment, tramite, formNumber, *digits };
}

Result<QString> Ib08PrintFlow::Imprimir(
    const Ib08Payment& payment, const Ib08Taxpayer& taxpayer, Ib08Concept tramite)
{
    if (m_hooks.choosePrinter && !m_hooks.choosePrinter())
        return Error { QString() };
    Result<Ib08Printout> made = printout(payment, taxpayer, tramite, drawFormNumber());
    if (!made)
        return Error { made.error() };
    Ib08Page page(*made);
    // Nothing leaves the program whose bank code would not read back as built.
    if (const QString problem = print::PageOutput::check(page, 300); !problem.isEmpty())
        return Error { problem };
    if (m_hooks.output && !m_hooks.output(page))
        return Error { QString() };
    return page.printout().formNumber;
}

bool Ib08PrintFlow::ImprimirEnBlanco()
{
    if (m_hooks.choosePrinter && !m_hooks.choosePrinter())
        return false;
    Ib08Printout blank;
    blank.blank = true;
    Ib08Page page(blank);
    return !m_hooks.output || m_hooks.output(page);
}

}
