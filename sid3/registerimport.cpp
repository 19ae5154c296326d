#include "sid3/registerimport.h"

#include "common/cp1252.h"
#include "common/regional.h"

#include <QStringDecoder>

#include <algorithm>

namespace ventrix::sid3 {
namespace {

constexpr int MaxText = 50;
constexpr int CuitLength = 13;

QString field(const QStringList& fields, int i)
{
    return i < fields.size() ? fields.at(i).trimmed() : QString();
}

// An amount as import files write it: "1234.50", "1234,50" or "1.234,50".
std::optional<Money> amountOf(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    // With a comma the point can only group thousands; without one it is the decimal point.
    if (text.contains(u','))
        return Money::fromDisplay(text);
    return Money::fromPlain(text);
}

}

bool importCuitValid(QStringView cuit)
{
    if (cuit.size() != CuitLength)
        return false;
    static constexpr int Positions[] = { 0, 1, 3, 4, 5, 6, 7, 8, 9, 10 };
    static constexpr int Weights[] = { 5, 4, 3, 2, 7, 6, 5, 4, 3, 2 };
    int sum = 0;
    for (int i = 0; i < 10; ++i) {
        const QChar c = cuit.at(Positions[i]);
        if (!c.isDigit() || c.unicode() > 127)
            return false;
        sum += (c.unicode() - u'0') * Weights[i];
    }
    const QChar check = cuit.at(12);
    if (!check.isDigit() || check.unicode() > 127)
        return false;
    sum += check.unicode() - u'0';
    return sum % 11 == 0;
}

QStringList importFields(QString line)
{
    line.remove(u'"');
    line.replace(u'\'', u'´');
    return line.split(u'\t');
}

ImportedRecord parseImportLine(const QString& line)
{
    const QStringList fields = importFields(line);
    ImportedRecord r;
    if (auto d = regional::parseDate(field(fields, 0)))
        r.fecha = *d;
    r.concepto = field(fields, 1).left(MaxText);
    r.monto = amountOf(field(fields, 2));
    r.responsable = field(fields, 3).left(MaxText);
    const QString cuit = field(fields, 4).left(CuitLength);
    r.cuitChecked = cuit.isEmpty() || importCuitValid(cuit);
    if (!cuit.isEmpty() && r.cuitChecked)
        r.cuit = cuit.left(2) + u'-' + cuit.mid(3, 8) + u'/' + cuit.right(1);
    return r;
}

int ImportFile::acceptedCount() const
{
    return static_cast<int>(std::count_if(
        records.cbegin(), records.cend(), [](const ImportedRecord& r) { return r.accepted(); }));
}

namespace {

// The file's lines that are not blank, without their line ends.
QStringList recordLines(const QByteArray& bytes)
{
    // Files saved by spreadsheets today are UTF-8; older ones are in the Windows code page.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = fromCp1252(bytes);
    QStringList lines;
    for (QString line : text.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        // Only blanks make a line empty: a line of bare TABs is a record with no fields.
        if (line.count(u' ') != line.size())
            lines.append(line);
    }
    return lines;
}

}

ImportFile parseImportFile(const QByteArray& bytes)
{
    ImportFile file;
    const QStringList lines = recordLines(bytes);
    file.records.reserve(lines.size());
    for (const QString& line : lines)
        file.records.append(parseImportLine(line));
    return file;
}

ImportFigures importFigures(const QByteArray& bytes)
{
    const QStringList lines = recordLines(bytes);
    ImportFigures f;
    f.count = static_cast<int>(lines.size());
    f.size = bytes.size();
    qint64 characters = 0;
    for (const QString& line : lines)
        characters += line.size();
    f.averageLength = f.count > 0 ? (characters + f.count / 2) / f.count : 0;
    return f;
}

QString remainingTime(qint64 elapsedMs, int done, int total)
{
    const qint64 left = done > 0 && total > done ? elapsedMs * (total - done) / done / 1000 : 0;
    return QString::number(left).rightJustified(2, u'0') + QStringLiteral(" seg.");
}

QDate registerDateLimit(Register reg, int month, int year)
{
    const QDate last = QDate(year, month, 1).addMonths(1).addDays(-1);
    return reg == Register::Retenciones ? last.addDays(15) : last;
}

}
