#pragma once

#include "agents/importformat.h"

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

namespace ventrix::agents {

// How a field of a previewed line is shown: its value, or what is wrong with it.
enum class FieldMark { Ok, Requerido, Error, ErrorCalculo };

// One checked field ready to be stored: NULL, text (UTF-8) or a whole number (an amount in its
// units, cents for money and ten-thousandths for rates).
struct ImportValue
{
    enum class Kind { Null, Text, Integer };
    Kind kind = Kind::Null;
    qint64 number = 0;
    std::size_t offset = 0; // of the text in the line's store
    std::size_t length = 0;
    FieldMark mark = FieldMark::Ok;
};

// The longest line read as a record: far beyond any real one (the widest register's fields add up
// to under 700 characters), small enough that a file of garbage never fills the memory.
inline constexpr std::size_t MaxLineBytes = 64 * 1024;

// Splits one line of an import file at its TABs and checks every field by its column: the
// counterpart's CUIT and I.S.I.B. number by their check digits, dates, numbers, the width of
// texts, and that the amount is rate x base / 100 to the cent. Lines in UTF-8 or Windows-1252 are
// both read. One object is reused line after line so that a large file allocates nothing per line.
class ImportLine
{
public:
    explicit ImportLine(const ImportFormat& format);

    // Checks the line (its ending already removed); true when it can be stored.
    bool parse(std::string_view line);

    // A line too long to be read at all, refused by its length.
    void refuseLong(qint64 bytes);

    bool accepted() const { return m_errors.isEmpty(); }
    const QStringList& errors() const { return m_errors; }
    const std::vector<ImportValue>& values() const { return m_values; }
    std::string_view text(const ImportValue& value) const
    {
        return std::string_view(m_store).substr(value.offset, value.length);
    }
    // The field as the preview grid shows it: its stored form, or "Requerido", "Error" or
    // "Error Cálculo".
    QString shown(int column) const;

    // A line of blanks alone carries no record and is passed over.
    static bool isBlank(std::string_view line);

private:
    void checkField(int column, std::string_view raw);
    void checkText(int column, std::string_view raw);
    bool rewriteText(std::string_view raw, bool enclosed);
    void checkIdentifier(int column, std::string_view raw);
    void checkDate(int column, std::string_view raw);
    void checkNumber(int column, std::string_view raw, int scale);
    void checkAmount();
    void refuse(int column, FieldMark mark, const QString& reason);
    QString decoded(std::string_view raw) const;
    std::size_t store(std::string_view bytes);

    const ImportFormat& m_format;
    std::vector<ImportValue> m_values;
    std::string m_store;
    QStringList m_errors;
    bool m_utf8 = true;
};

}
