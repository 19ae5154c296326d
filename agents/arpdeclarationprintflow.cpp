#include "agents/arpdeclarationprintflow.h"

#include "agents/agentsmessages.h"
#include "agents/arpdeclarationfile.h"

namespace ventrix::agents {

ArpDeclarationPrintFlow::ArpDeclarationPrintFlow(data::AccesoDatos& db, QString archivos, Hooks hooks)
    : m_db(db)
    , m_archivos(std::move(archivos))
    , m_hooks(std::move(hooks))
{
}

void ArpDeclarationPrintFlow::setStatus(const QString& text) const
{
    if (m_hooks.status)
        m_hooks.status(text);
}

Result<QString> ArpDeclarationPrintFlow::Imprimir(qint64 cmdId, const MonthlyDeclaration& declaration)
{
    if (!declaration.period.desde.isValid() || !declaration.period.hasta.isValid())
        return Error { msg::debeIngresarPeriodo() };
    if (m_hooks.choosePrinter && !m_hooks.choosePrinter())
        return Error { QString() };
    auto data = readDeclaration(m_db, cmdId, declaration);
    if (!data)
        return Error { data.error() };
    // The records are checked before any page goes out: no declaration leaves without its file.
    const auto records = declarationRecords(*data);
    if (!records)
        return Error { records.error() };
    ArpDeclarationPages pages(std::move(*data));
    if (m_hooks.output && !m_hooks.output(pages))
        return Error { QString() };
    setStatus(msg::generandoDisquette());
    const auto written = writeDeclarationRecords(m_archivos, declaration, *records);
    setStatus(QString());
    if (!written)
        return Error { written.error() };
    if (m_hooks.copy)
        m_hooks.copy(declarationFileName(declaration.which, declaration.numero));
    return *written;
}

}
