#include "agents/importline.h"

#include "agents/importmessages.h"
#include "agents/operationamounts.h"
#include "common/cp1252.h"
#include "common/identifiers.h"

#include <QDate>

#include <array>
#include <cstdint>
#include <cstring>

namespace ventrix::agents {
namespace {

// What a refused value looks like in a message: enough to find it, never a whole line of garbage.
constexpr qsizetype ShownValueChars = 40;

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// "\"Pérez\"" -> "Pérez"; a doubled quote inside an enclosed field stands for one quote.
bool isEnclosed(std::string_view s)
{
    return s.size() >= 2 && s.front() == '"' && s.back() == '"';
}

bool isValidUtf8(std::string_view s)
{
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const auto* end = p + s.size();
    while (p < end) {
        // Plain ASCII eight bytes at a time: most of any line.
        std::uint64_t word = 0;
        if (end - p >= 8 && (std::memcpy(&word, p, 8), (word & 0x8080808080808080ull) == 0)) {
            p += 8;
            continue;
        }
        if (*p < 0x80) {
            ++p;
            continue;
        }
        int more = 0;
        unsigned min = 0;
        unsigned cp = 0;
        if ((*p & 0xE0) == 0xC0) {
            more = 1, min = 0x80, cp = *p & 0x1F;
        } else if ((*p & 0xF0) == 0xE0) {
            more = 2, min = 0x800, cp = *p & 0x0F;
        } else if ((*p & 0xF8) == 0xF0) {
            more = 3, min = 0x10000, cp = *p & 0x07;
        } else {
            return false;
        }
        if (end - p <= more)
            return false;
        for (int i = 1; i <= more; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        p += more + 1;
    }
    return true;
}

// UTF-8 of every Windows-1252 byte from 0x80 up, built once.
const std::array<std::string, 128>& cp1252Utf8()
{
    static const std::array<std::string, 128> table = [] {
        std::array<std::string, 128> t;
        for (int b = 0x80; b <= 0xFF; ++b)
            t[static_cast<std::size_t>(b - 0x80)]
                = fromCp1252(QByteArray(1, static_cast<char>(b))).toStdString();
        return t;
    }();
    return table;
}

// Characters of a UTF-8 text.
int charCount(std::string_view utf8)
{
    int n = 0;
    for (const char c : utf8)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

struct DayParts
{
    int year;
    int month;
    int day;
};

// "d/m/yyyy" or "dd/mm/yyyy" of the years the forms carry.
std::optional<DayParts> parseDate(std::string_view s)
{
    int parts[3] = { 0, 0, 0 };
    int digits[3] = { 0, 0, 0 };
    int part = 0;
    for (const char c : s) {
        if (c == '/') {
            if (++part > 2)
                return std::nullopt;
        } else if (isDigit(c) && digits[part] < 4) {
            parts[part] = parts[part] * 10 + (c - '0');
            ++digits[part];
        } else {
            return std::nullopt;
        }
    }
    if (part != 2 || digits[0] < 1 || digits[0] > 2 || digits[1] < 1 || digits[1] > 2 || digits[2] != 4)
        return std::nullopt;
    if (parts[2] < 1900 || parts[2] > 2099 || !QDate::isValid(parts[2], parts[1], parts[0]))
        return std::nullopt;
    return DayParts { parts[2], parts[1], parts[0] };
}

// A number with "." as its decimal point ("-1234.5"), in units of the scale, rounded half away
// from zero; nullopt for anything else, grouping and "," included, or beyond what the column holds.
std::optional<qint64> parseUnits(std::string_view s, int scale, qint64 limit)
{
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    qint64 units = 0;
    int wholeDigits = 0;
    int places = -1; // -1 before the point
    bool roundUp = false;
    bool anyDigit = false;
    for (const char c : s) {
        if (c == '.') {
            if (places >= 0)
                return std::nullopt;
            places = 0;
            continue;
        }
        if (!isDigit(c))
            return std::nullopt;
        anyDigit = true;
        if (places < 0) {
            if (++wholeDigits > 15)
                return std::nullopt;
            units = units * 10 + (c - '0');
        } else if (places < scale) {
            units = units * 10 + (c - '0');
            ++places;
        } else {
            if (places == scale)
                roundUp = c >= '5';
            ++places;
        }
    }
    if (!anyDigit || places > 30)
        return std::nullopt;
    for (int p = std::max(places, 0); p < scale; ++p)
        units *= 10;
    units += roundUp ? 1 : 0;
    if (units > limit)
        return std::nullopt;
    return negative ? -units : units;
}

// The bytes that make a text need rewriting: 1 always (control characters, the apostrophe),
// 2 inside an enclosed field (the quote), 4 on a Windows-1252 line (its letters).
const std::array<unsigned char, 256>& rewriteFlags()
{
    static const std::array<unsigned char, 256> flags = [] {
        std::array<unsigned char, 256> f {};
        for (int b = 0; b < 0x20; ++b)
            f[static_cast<std::size_t>(b)] = 1;
        f[0x7F] = 1;
        f['\''] = 1;
        f['"'] = 2;
        for (int b = 0x80; b <= 0xFF; ++b)
            f[static_cast<std::size_t>(b)] = 4;
        return f;
    }();
    return flags;
}

// The characters of the bytes as they can be stored, in one pass; nullopt when they cannot be
// stored as they are: an apostrophe, a doubled quote, a control character, or Windows-1252 letters.
std::optional<int> storedAsIs(std::string_view raw, bool enclosed, bool utf8)
{
    const auto& flags = rewriteFlags();
    const unsigned mask = 1u | (enclosed ? 2u : 0u) | (utf8 ? 0u : 4u);
    unsigned seen = 0;
    int chars = 0;
    for (const char c : raw) {
        seen |= flags[static_cast<unsigned char>(c)];
        chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }
    if ((seen & mask) != 0)
        return std::nullopt;
    return chars;
}

}

// Copies the text to the store with its apostrophes as "´", doubled quotes as one and
// Windows-1252 letters in UTF-8; true when it holds a control character.
bool ImportLine::rewriteText(std::string_view raw, bool enclosed)
{
    const auto& high = cp1252Utf8();
    bool control = false;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const auto b = static_cast<unsigned char>(raw[i]);
        if (enclosed && b == '"' && i + 1 < raw.size() && raw[i + 1] == '"')
            ++i;
        if (b == '\'') {
            m_store.append("\xC2\xB4");
        } else if (b < 0x20 || b == 0x7F) {
            control = true;
        } else if (b >= 0x80 && !m_utf8) {
            m_store.append(high[b - 0x80]);
        } else {
            m_store.push_back(static_cast<char>(b));
        }
    }
    return control;
}

ImportLine::ImportLine(const ImportFormat& format)
    : m_format(format)
    , m_values(format.columns.size())
{
    m_store.reserve(1024);
}

void ImportLine::refuseLong(qint64 bytes)
{
    m_store.clear();
    m_errors = QStringList { msg::registroExcedido(bytes, MaxLineBytes) };
    for (ImportValue& v : m_values)
        v = { ImportValue::Kind::Null, 0, 0, 0, FieldMark::Error };
}

bool ImportLine::isBlank(std::string_view line)
{
    return trimmed(line).empty();
}

bool ImportLine::parse(std::string_view line)
{
    m_store.clear();
    m_errors.clear();
    if (line.size() > MaxLineBytes) {
        refuseLong(static_cast<qint64>(line.size()));
        return false;
    }
    if (line.size() >= 3 && std::memcmp(line.data(), "\xEF\xBB\xBF", 3) == 0)
        line.remove_prefix(3);
    m_utf8 = isValidUtf8(line);
    const std::size_t expected = m_values.size();
    std::size_t found = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        const std::string_view raw = line.substr(start, tab == std::string_view::npos ? tab : tab - start);
        if (found < expected)
            checkField(static_cast<int>(found), raw);
        ++found;
        if (tab == std::string_view::npos)
            break;
        start = tab + 1;
    }
    for (std::size_t i = found; i < expected; ++i)
        checkField(static_cast<int>(i), {});
    if (found != expected)
        m_errors.prepend(
            msg::cantidadCampos(static_cast<qsizetype>(found), static_cast<qsizetype>(expected)));
    checkAmount();
    return m_errors.isEmpty();
}

void ImportLine::checkField(int column, std::string_view raw)
{
    ImportValue& value = m_values[static_cast<std::size_t>(column)];
    value = {};
    raw = trimmed(raw);
    const ImportColumn& c = m_format.columns[static_cast<std::size_t>(column)];
    if (raw.empty()) {
        if (c.required)
            refuse(column, FieldMark::Requerido, msg::campoRequerido(c.name));
        return;
    }
    switch (c.kind) {
    case ImportFieldKind::Text:
        return checkText(column, raw);
    case ImportFieldKind::Cuit:
    case ImportFieldKind::IBrutos:
        return checkIdentifier(column, raw);
    case ImportFieldKind::Date:
        return checkDate(column, raw);
    case ImportFieldKind::Money:
        return checkNumber(column, raw, 2);
    case ImportFieldKind::Rate:
        return checkNumber(column, raw, 4);
    case ImportFieldKind::Integer:
        return checkNumber(column, raw, 0);
    }
}

void ImportLine::checkText(int column, std::string_view raw)
{
    const ImportColumn& c = m_format.columns[static_cast<std::size_t>(column)];
    bool enclosed = isEnclosed(raw);
    if (enclosed)
        raw = raw.substr(1, raw.size() - 2);
    const std::size_t offset = m_store.size();
    std::optional<int> chars = storedAsIs(raw, enclosed, m_utf8);
    if (chars) {
        m_store.append(raw);
    } else if (rewriteText(raw, enclosed)) {
        return refuse(column, FieldMark::Error, msg::textoNoValido(c.name));
    }
    const std::string_view text = std::string_view(m_store).substr(offset);
    if (!chars)
        chars = charCount(text);
    if (c.width > 0 && *chars > c.width)
        return refuse(column, FieldMark::Error, msg::textoExcedido(c.name, c.width));
    if (text.empty())
        return;
    ImportValue& value = m_values[static_cast<std::size_t>(column)];
    value.kind = ImportValue::Kind::Text;
    value.offset = offset;
    value.length = text.size();
}

void ImportLine::checkIdentifier(int column, std::string_view raw)
{
    const ImportColumn& c = m_format.columns[static_cast<std::size_t>(column)];
    const bool cuit = c.kind == ImportFieldKind::Cuit;
    if (isEnclosed(raw))
        raw = raw.substr(1, raw.size() - 2);
    const IdentifierKind kind = cuit ? IdentifierKind::Cuit : IdentifierKind::IngBrutos;
    // Most files carry the identifiers as they are stored, or as their bare digits.
    std::array<char, MaxIdentifierChars> shaped {};
    const std::string_view asStored = shapeBareDigits(kind, raw, shaped).value_or(raw);
    if (const std::optional<bool> passes = checkShapedIdentifier(kind, asStored)) {
        if (!*passes)
            return refuse(column, FieldMark::Error,
                cuit ? msg::cuitNoValido(decoded(raw)) : msg::ibNoValido(decoded(raw)));
        ImportValue& value = m_values[static_cast<std::size_t>(column)];
        value.kind = ImportValue::Kind::Text;
        value.offset = store(asStored);
        value.length = asStored.size();
        return;
    }
    std::array<char16_t, 24> chars {};
    bool ascii = raw.size() <= chars.size();
    for (std::size_t i = 0; ascii && i < raw.size(); ++i) {
        ascii = static_cast<unsigned char>(raw[i]) < 0x80;
        chars[i] = static_cast<char16_t>(raw[i]);
    }
    // Any other spelling (other separators, placeholders, blanks) takes the screens' own check.
    IdentifierCheck check;
    if (ascii)
        check = validateIdentifier(kind, QStringView(chars.data(), static_cast<qsizetype>(raw.size())));
    if (!check.valid) {
        const QString shown = decoded(raw);
        return refuse(column, FieldMark::Error, cuit ? msg::cuitNoValido(shown) : msg::ibNoValido(shown));
    }
    if (check.text.isEmpty())
        return;
    ImportValue& value = m_values[static_cast<std::size_t>(column)];
    value.kind = ImportValue::Kind::Text;
    value.offset = m_store.size();
    for (const QChar ch : std::as_const(check.text))
        m_store.push_back(static_cast<char>(ch.unicode()));
    value.length = m_store.size() - value.offset;
}

void ImportLine::checkDate(int column, std::string_view raw)
{
    if (isEnclosed(raw))
        raw = raw.substr(1, raw.size() - 2);
    const auto date = parseDate(raw);
    if (!date)
        return refuse(column, FieldMark::Error, msg::fechaNoValida(decoded(raw)));
    const char iso[10]
        = { static_cast<char>('0' + date->year / 1000), static_cast<char>('0' + date->year / 100 % 10),
              static_cast<char>('0' + date->year / 10 % 10), static_cast<char>('0' + date->year % 10), '-',
              static_cast<char>('0' + date->month / 10), static_cast<char>('0' + date->month % 10), '-',
              static_cast<char>('0' + date->day / 10), static_cast<char>('0' + date->day % 10) };
    ImportValue& value = m_values[static_cast<std::size_t>(column)];
    value.kind = ImportValue::Kind::Text;
    value.offset = store(std::string_view(iso, 10));
    value.length = 10;
}

void ImportLine::checkNumber(int column, std::string_view raw, int scale)
{
    if (isEnclosed(raw))
        raw = raw.substr(1, raw.size() - 2);
    const qint64 limit = scale == 4 ? MaxRate.units()
        : scale == 2                ? MaxAmount.units()
                                    : std::numeric_limits<qint64>::max() / 10;
    const auto units = parseUnits(raw, scale, limit);
    if (!units)
        return refuse(column, FieldMark::Error, msg::numeroNoValido(decoded(raw)));
    ImportValue& value = m_values[static_cast<std::size_t>(column)];
    value.kind = ImportValue::Kind::Integer;
    value.number = *units;
}

void ImportLine::checkAmount()
{
    if (m_format.baseIndex < 0 || m_format.amountIndex < 0)
        return;
    const ImportValue& base = m_values[static_cast<std::size_t>(m_format.baseIndex)];
    ImportValue& amount = m_values[static_cast<std::size_t>(m_format.amountIndex)];
    const ImportValue* rate
        = m_format.rateIndex < 0 ? nullptr : &m_values[static_cast<std::size_t>(m_format.rateIndex)];
    if (base.kind != ImportValue::Kind::Integer || amount.kind != ImportValue::Kind::Integer
        || (rate && rate->mark != FieldMark::Ok))
        return;
    const Fixed<4> alicuota
        = Fixed<4>::fromUnits(rate && rate->kind == ImportValue::Kind::Integer ? rate->number : 0);
    if (importeDe(Money::fromUnits(base.number), alicuota) == Money::fromUnits(amount.number))
        return;
    amount.mark = FieldMark::ErrorCalculo;
    m_errors << msg::calculoDifiere();
}

void ImportLine::refuse(int column, FieldMark mark, const QString& reason)
{
    ImportValue& value = m_values[static_cast<std::size_t>(column)];
    value.kind = ImportValue::Kind::Null;
    value.mark = mark;
    m_errors << reason;
}

QString ImportLine::decoded(std::string_view raw) const
{
    const QByteArray bytes(
        raw.data(), static_cast<qsizetype>(std::min<std::size_t>(raw.size(), 4 * ShownValueChars)));
    QString text = m_utf8 ? QString::fromUtf8(bytes) : fromCp1252(bytes);
    for (QChar& ch : text) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7F)
            ch = u'?';
    }
    return text.left(ShownValueChars);
}

std::size_t ImportLine::store(std::string_view bytes)
{
    const std::size_t offset = m_store.size();
    m_store.append(bytes);
    return offset;
}

QString ImportLine::shown(int column) const
{
    const ImportValue& v = m_values[static_cast<std::size_t>(column)];
    switch (v.mark) {
    case FieldMark::Requerido:
        return msg::requerido();
    case FieldMark::Error:
        return msg::errorValor();
    case FieldMark::ErrorCalculo:
        return msg::errorCalculo();
    case FieldMark::Ok:
        break;
    }
    const ImportColumn& c = m_format.columns[static_cast<std::size_t>(column)];
    if (v.kind == ImportValue::Kind::Null)
        return {};
    if (c.kind == ImportFieldKind::Date) {
        const QDate d = QDate::fromString(QString::fromLatin1(text(v).data(), 10), Qt::ISODate);
        return d.toString(QStringLiteral("dd/MM/yyyy"));
    }
    if (v.kind == ImportValue::Kind::Integer) {
        if (c.kind == ImportFieldKind::Money)
            return Money::fromUnits(v.number).toPlain();
        if (c.kind == ImportFieldKind::Rate)
            return Fixed<4>::fromUnits(v.number).toPlain();
        return QString::number(v.number);
    }
    const std::string_view t = text(v);
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

}
