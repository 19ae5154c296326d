#include "sid3/registerimport.h"

#include "common/cp1252.h"
#include "common/regional.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace ventrix::sid3 {
namespace {

constexpr int MaxText = 50;
constexpr int CuitLength = 13;

constexpr int FieldCount = 5;

// An amount as import files write it: "1234.50", "1234,50" or "1.234,50".
std::optional<Money> amountOf(QStringView text)
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

namespace {

// "5/3/2003" or "05/03/2003" read without building any string: most lines of a file carry
// their date this way. Anything else goes to the program's general date reading.
std::optional<QDate> dateOf(QStringView text)
{
    int parts[3] = { 0, 0, 0 };
    int digits[3] = { 0, 0, 0 };
    int part = 0;
    for (QChar c : text) {
        if (c == u'/' && part < 2 && digits[part] > 0) {
            ++part;
        } else if (c >= u'0' && c <= u'9' && digits[part] < 4) {
            parts[part] = parts[part] * 10 + (c.unicode() - u'0');
            ++digits[part];
        } else {
            return regional::parseDate(text);
        }
    }
    if (part != 2 || digits[0] > 2 || digits[1] > 2 || digits[2] != 4)
        return regional::parseDate(text);
    const QDate date(parts[2], parts[1], parts[0]);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

// The record of a line already cleaned of quotes and apostrophes; read in place, since a file
// may hold hundreds of thousands of lines.
ImportedRecord recordOf(QStringView line)
{
    std::array<QStringView, FieldCount> fields;
    qsizetype start = 0;
    for (int i = 0; i < FieldCount && start <= line.size(); ++i) {
        const qsizetype tab = line.indexOf(u'\t', start);
        fields[i] = (tab < 0 ? line.mid(start) : line.mid(start, tab - start)).trimmed();
        start = tab < 0 ? line.size() + 1 : tab + 1;
    }
    ImportedRecord r;
    if (auto d = dateOf(fields[0]))
        r.fecha = *d;
    r.concepto = fields[1].left(MaxText).toString();
    r.monto = amountOf(fields[2]);
    r.responsable = fields[3].left(MaxText).toString();
    const QStringView cuit = fields[4].left(CuitLength);
    r.cuitChecked = cuit.isEmpty() || importCuitValid(cuit);
    if (!cuit.isEmpty() && r.cuitChecked)
        r.cuit = cuit.left(2) + u'-' + cuit.mid(3, 8) + u'/' + cuit.right(1);
    return r;
}

ImportedRecord parseLine(QStringView line)
{
    if (!line.contains(u'"') && !line.contains(u'\''))
        return recordOf(line);
    QString clean = line.toString();
    clean.remove(u'"');
    clean.replace(u'\'', u'´');
    return recordOf(clean);
}

}

ImportedRecord parseImportLine(const QString& line)
{
    return parseLine(line);
}

int ImportFile::acceptedCount() const
{
    return static_cast<int>(std::count_if(
        records.cbegin(), records.cend(), [](const ImportedRecord& r) { return r.accepted(); }));
}

namespace {

// The file as text: files saved by spreadsheets today are UTF-8, older ones are in the Windows
// code page.
QString fileText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? fromCp1252(bytes) : text;
}

// Calls back with each line of the text that is not blank, without its line end.
template <typename Use> void forEachRecordLine(QStringView text, Use use)
{
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        QStringView line = text.mid(start, end - start);
        if (line.endsWith(u'\r'))
            line.chop(1);
        // Only blanks make a line empty: a line of bare TABs is a record with no fields.
        if (!std::all_of(line.begin(), line.end(), [](QChar c) { return c == u' '; }))
            use(line);
        start = end + 1;
    }
}

}

ImportFile parseImportFile(const QByteArray& bytes)
{
    ImportFile file;
    file.records.reserve(bytes.count('\n') + 1);
    forEachRecordLine(fileText(bytes), [&file](QStringView line) { file.records.append(parseLine(line)); });
    return file;
}

ImportFigures importFigures(const QByteArray& bytes)
{
    ImportFigures f;
    f.size = bytes.size();
    qint64 characters = 0;
    forEachRecordLine(fileText(bytes), [&](QStringView line) {
        ++f.count;
        characters += line.size();
    });
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
