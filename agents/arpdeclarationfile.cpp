#include "agents/arpdeclarationfile.h"

#include "agents/agentsmessages.h"
#include "common/deliveryfile.h"

#include <QDir>

namespace ventrix::agents {
namespace {

QString digitsOf(const QString& text)
{
    QString out;
    for (const QChar c : text)
        if (c.isDigit())
            out.append(c);
    return out;
}

// Builds one fixed-width record field by field; the first value too wide is kept as the refusal.
class RecordBuilder
{
public:
    RecordBuilder(QString fileKind, QString who)
        : m_fileKind(std::move(fileKind))
        , m_who(std::move(who))
    {
    }

    RecordBuilder& number(const QString& field, const QString& value, int width)
    {
        return put(field, value, digitsOf(value).rightJustified(width, u'0'), width);
    }
    RecordBuilder& text(const QString& field, const QString& value, int width)
    {
        return put(field, value, value.trimmed().rightJustified(width, u'0'), width);
    }
    RecordBuilder& literal(const QString& value)
    {
        m_record += value;
        return *this;
    }
    // The digits of the amount with its decimals; the sign, when the record has one, apart.
    template <int Scale>
    RecordBuilder& amount(const QString& field, Fixed<Scale> value, int width, bool signColumn)
    {
        if (value.isNegative() && !signColumn)
            return refuse(msg::campoNegativo(field, value.toDisplay(), m_fileKind, m_who));
        const qint64 units = value.isNegative() ? -value.units() : value.units();
        put(field, value.toDisplay(), QString::number(units).rightJustified(width, u'0'), width);
        if (signColumn)
            m_record += value.isNegative() ? u'-' : u' ';
        return *this;
    }

    Result<QString> result() const
    {
        if (!m_problem.isEmpty())
            return Error { m_problem };
        return m_record;
    }

private:
    RecordBuilder& put(const QString& field, const QString& shown, const QString& padded, int width)
    {
        if (padded.size() > width)
            return refuse(msg::campoExcedido(field, shown, width, m_fileKind, m_who));
        m_record += padded;
        return *this;
    }
    RecordBuilder& refuse(const QString& problem)
    {
        if (m_problem.isEmpty())
            m_problem = problem;
        return *this;
    }

    QString m_fileKind;
    QString m_who;
    QString m_record;
    QString m_problem;
};

Result<QString> ib16Header(const ArpDeclarationData& d)
{
    return RecordBuilder(QStringLiteral("IB16"), d.agentName)
        .number(msg::campoNumAgente(), d.agentNumber, 5)
        .number(msg::campoNumDDJJ(), d.declaration.numero, 7)
        .literal(QStringLiteral("1"))
        .amount(msg::campoTotalRetenido(), d.totalMes, 15, false)
        .literal(QString(42, u' '))
        .result();
}

Result<QString> ib16Detail(const ArpDeclarationData& d, const DeclaredOperation& op)
{
    return RecordBuilder(QStringLiteral("IB16"), op.contribuyente)
        .number(msg::campoNumAgente(), d.agentNumber, 5)
        .number(msg::campoNumDDJJ(), d.declaration.numero, 7)
        .literal(QStringLiteral("2"))
        .number(msg::campoIBrutos(), op.ibrutos, 11)
        .number(msg::campoCuit(), op.cuit, 11)
        .number(msg::campoNumRecibo(), op.documento, 7)
        .literal(op.fecha.toString(QStringLiteral("ddMMyy")).rightJustified(6, u'0'))
        .amount(msg::campoAlicuota(), op.alicuota, 6, false)
        .amount(msg::campoImporteRetenido(), op.importe, 15, true)
        .result();
}

Result<QString> ap02Detail(const ArpDeclarationData& d, const DeclaredOperation& op)
{
    return RecordBuilder(QStringLiteral("AP02"), op.contribuyente)
        .number(msg::campoNumAgente(), d.agentNumber, 5)
        .number(msg::campoNumDDJJ(), d.declaration.numero, 7)
        .number(msg::campoIBrutos(), op.ibrutos, 11)
        .number(msg::campoCuit(), op.cuit, 11)
        .literal(op.fecha.toString(QStringLiteral("ddMMyyyy")).rightJustified(8, u'0'))
        .text(msg::campoNumFactura(), op.documento, 13)
        .amount(msg::campoBaseImponible(), op.base, 9, true)
        .amount(msg::campoImportePercibido(), op.importe, 9, true)
        .result();
}

}

QString declarationFileName(AgentRegister which, const QString& numero)
{
    return (which == AgentRegister::Retenciones ? QStringLiteral("IB16_") : QStringLiteral("AP02_")) + numero
        + QStringLiteral(".txt");
}

Result<QStringList> declarationRecords(const ArpDeclarationData& d)
{
    const bool withholdings = d.declaration.which == AgentRegister::Retenciones;
    QStringList records;
    records.reserve(d.operations.size() + 1);
    if (withholdings) {
        const auto header = ib16Header(d);
        if (!header)
            return Error { header.error() };
        records.append(*header);
    }
    for (const DeclaredOperation& op : d.operations) {
        const auto record = withholdings ? ib16Detail(d, op) : ap02Detail(d, op);
        if (!record)
            return Error { record.error() };
        records.append(*record);
    }
    return records;
}

Result<QString> writeDeclarationFile(const QString& archivos, const ArpDeclarationData& d)
{
    const auto records = declarationRecords(d);
    if (!records)
        return Error { records.error() };
    if (!QDir().mkpath(archivos))
        return Error { msg::errorArchivoDDJJ(QDir::toNativeSeparators(archivos), QString()) };
    DeliveryFile file(QDir(archivos).filePath(declarationFileName(d.declaration.which, d.declaration.numero)),
        d.declaration.numero);
    if (!file.write(*records))
        return Error { msg::errorArchivoDDJJ(QDir::toNativeSeparators(file.path()), file.errorString()) };
    return file.path();
}

}
