#include "agents/arpdeclarationfile.h"

#include "agents/agentsmessages.h"
#include "common/deliveryfile.h"
#include "common/scrambler.h"

#include <QDir>

namespace ventrix::agents {
namespace {

QString digitsOf(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        if (c.isDigit())
            out.append(c);
    return out;
}

// "ddMMyyyy", or "ddMMyy"; zeros for a missing date.
QString dayDigits(QDate day, bool fullYear)
{
    int year = 0, month = 0, dayOfMonth = 0;
    if (day.isValid())
        day.getDate(&year, &month, &dayOfMonth);
    const int yearDigits = fullYear ? 4 : 2;
    QString out(4 + yearDigits, Qt::Uninitialized);
    QChar* at = out.data();
    const auto put = [&at](int value, int digits) {
        for (int d = digits - 1; d >= 0; --d, value /= 10)
            at[d] = QChar(u'0' + value % 10);
        at += digits;
    };
    put(dayOfMonth, 2);
    put(month, 2);
    put(year % (fullYear ? 10000 : 100), yearDigits);
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
        m_record.reserve(80);
    }

    RecordBuilder& number(const QString& field, const QString& value, int width)
    {
        return put(
            field, [&value] { return value; }, digitsOf(value), width);
    }
    // A receipt number keeps its last digits: "0001-00001234" is receipt 1234 of point of sale 1,
    // and the authority's field holds the receipt's own number.
    RecordBuilder& lastDigits(const QString& value, int width)
    {
        const QString digits = digitsOf(value);
        m_record += digits.size() > width ? digits.right(width) : digits.rightJustified(width, u'0');
        return *this;
    }
    RecordBuilder& text(const QString& field, const QString& value, int width)
    {
        return put(
            field, [&value] { return value; }, value.trimmed(), width);
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
        put(
            field, [value] { return value.toDisplay(); }, QString::number(units), width);
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
    // The value right-aligned in its width with zeros; shown: the value as the message names it,
    // only made when it does not fit.
    template <typename Shown>
    RecordBuilder& put(const QString& field, const Shown& shown, const QString& value, int width)
    {
        if (value.size() > width)
            return refuse(msg::campoExcedido(field, shown(), width, m_fileKind, m_who));
        m_record.resize(m_record.size() + width - value.size(), u'0');
        m_record += value;
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

Result<QString> ib16Detail(const ArpDeclarationData& d, const DeclaredRegisterRow& op)
{
    return RecordBuilder(QStringLiteral("IB16"), op.contribuyente)
        .number(msg::campoNumAgente(), d.agentNumber, 5)
        .number(msg::campoNumDDJJ(), d.declaration.numero, 7)
        .literal(QStringLiteral("2"))
        .number(msg::campoIBrutos(), op.ibrutos, 11)
        .number(msg::campoCuit(), op.cuit, 11)
        .lastDigits(op.documento, 7)
        .literal(dayDigits(op.fecha, false))
        .amount(msg::campoAlicuota(), op.alicuota, 6, false)
        .amount(msg::campoImporteRetenido(), op.importe, 15, true)
        .result();
}

Result<QString> ap02Detail(const ArpDeclarationData& d, const DeclaredRegisterRow& op)
{
    return RecordBuilder(QStringLiteral("AP02"), op.contribuyente)
        .number(msg::campoNumAgente(), d.agentNumber, 5)
        .number(msg::campoNumDDJJ(), d.declaration.numero, 7)
        .number(msg::campoIBrutos(), op.ibrutos, 11)
        .number(msg::campoCuit(), op.cuit, 11)
        .literal(dayDigits(op.fecha, true))
        .text(msg::campoNumFactura(), op.documento, 13)
        .amount(msg::campoBaseImponible(), op.base, 9, true)
        .amount(msg::campoImportePercibido(), op.importe, 9, true)
        .result();
}

}

namespace {

bool allDigits(QByteArrayView bytes)
{
    for (const char c : bytes)
        if (c < '0' || c > '9')
            return false;
    return !bytes.isEmpty();
}

// The fields of a record that must be digits, as (start, width), and where its amount and sign are.
struct Layout
{
    int width;
    QList<std::pair<int, int>> digits;
    int amountAt, amountWidth, signAt;
};

const Layout Ib16Detail { 70,
    { { 0, 5 }, { 5, 7 }, { 13, 11 }, { 24, 11 }, { 35, 7 }, { 42, 6 }, { 48, 6 }, { 54, 15 } }, 54, 15, 69 };
const Layout Ap02Detail { 75, { { 0, 5 }, { 5, 7 }, { 12, 11 }, { 23, 11 }, { 34, 8 }, { 55, 9 }, { 65, 9 } },
    65, 9, 74 };

Status checkRecord(const QByteArray& r, const Layout& layout, int line)
{
    if (r.size() != layout.width)
        return Error { msg::registroAncho(line, r.size(), layout.width) };
    for (const auto& [at, width] : layout.digits)
        if (!allDigits(QByteArrayView(r).sliced(at, width)))
            return Error { msg::registroNoNumerico(line, at + 1, width) };
    const char sign = r.at(layout.signAt);
    if (sign != ' ' && sign != '-')
        return Error { msg::registroNoNumerico(line, layout.signAt + 1, 1) };
    return {};
}

}

Result<DeclarationFileContents> readDeclarationFile(
    const QByteArray& bytes, AgentRegister which, const QString& numero)
{
    if (!bytes.endsWith("\r\n"))
        return Error { msg::archivoSinFinDeLinea() };
    QList<QByteArray> records = unscrambleText(bytes, numero.toLatin1()).split('\n');
    records.removeLast();
    const bool withholdings = which == AgentRegister::Retenciones;
    DeclarationFileContents out;
    for (int i = 0; i < records.size(); ++i) {
        QByteArray r = records.at(i);
        r.chop(1); // the CR
        const int line = i + 1;
        if (withholdings && i == 0) {
            if (r.size() != 70)
                return Error { msg::registroAncho(line, r.size(), 70) };
            if (!allDigits(QByteArrayView(r).first(5)) || !allDigits(QByteArrayView(r).sliced(5, 7))
                || r.at(12) != '1' || !allDigits(QByteArrayView(r).sliced(13, 15))
                || !r.mid(28).trimmed().isEmpty())
                return Error { msg::registroCabecera() };
            out.totalMes = Money::fromUnits(r.mid(13, 15).toLongLong());
        } else {
            const Layout& layout = withholdings ? Ib16Detail : Ap02Detail;
            if (auto checked = checkRecord(r, layout, line); !checked)
                return Error { checked.error() };
            if (withholdings && r.at(12) != '2')
                return Error { msg::registroTipo(line) };
            const qint64 units = r.mid(layout.amountAt, layout.amountWidth).toLongLong();
            out.sumImporte += Money::fromUnits(r.at(layout.signAt) == '-' ? -units : units);
            ++out.details;
        }
        if (QString::fromLatin1(r.mid(5, 7)) != numero)
            return Error { msg::registroOtroNumero(line, QString::fromLatin1(r.mid(5, 7)), numero) };
        const QString agent = QString::fromLatin1(r.first(5));
        if (out.agentNumber.isEmpty())
            out.agentNumber = agent;
        else if (agent != out.agentNumber)
            return Error { msg::registroOtroAgente(line) };
    }
    if (records.isEmpty())
        return Error { msg::archivoSinFinDeLinea() };
    return out;
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
    for (const DeclaredRegisterRow& op : d.operations) {
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
    return writeDeclarationRecords(archivos, d.declaration, *records);
}

Result<QString> writeDeclarationRecords(
    const QString& archivos, const MonthlyDeclaration& declaration, const QStringList& records)
{
    if (!QDir().mkpath(archivos))
        return Error { msg::errorArchivoDDJJ(QDir::toNativeSeparators(archivos), QString()) };
    DeliveryFile file(QDir(archivos).filePath(declarationFileName(declaration.which, declaration.numero)),
        declaration.numero);
    if (!file.write(records))
        return Error { msg::errorArchivoDDJJ(QDir::toNativeSeparators(file.path()), file.errorString()) };
    return file.path();
}

}
