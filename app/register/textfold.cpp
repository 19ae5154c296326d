#include "app/register/textfold.h"

#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

namespace ventrix::app {
namespace {

// Most identifications are ASCII or Latin-1 (Spanish letters), which are folded byte by byte;
// anything else goes through QString. Returns false when the text needs the slow path.
enum class FoldKind { Upper, SortKey };

// Writes at most size bytes to o; returns the length written, or -1 for the slow path.
int foldLatin1(const unsigned char* in, int size, FoldKind kind, char* o)
{
    int n = 0;
    for (int i = 0; i < size; ++i) {
        const unsigned char c = in[i];
        if (c < 0x80) {
            o[n++] = static_cast<char>(c >= 'a' && c <= 'z' ? c - 0x20 : c);
            continue;
        }
        if (c != 0xC3 || i + 1 >= size)
            return -1;
        unsigned char d = in[++i];
        if (d == 0x9F || d == 0xBF || d == 0x97 || d == 0xB7 || d < 0x80 || d > 0xBF)
            return -1; // ß, ÿ, ×, ÷ and malformed text
        if (d >= 0xA0)
            d = static_cast<unsigned char>(d - 0x20); // à..þ -> À..Þ
        if (kind == FoldKind::Upper) {
            o[n++] = static_cast<char>(0xC3);
            o[n++] = static_cast<char>(d);
            continue;
        }
        // The sort key drops accents; Ñ sorts after every N... and before O.
        static const char base[] = "AAAAAAACEEEEIIIIDNOOOOO OUUUUY  ";
        if (d == 0x91) {
            o[n++] = 'N';
            o[n++] = '\x7F';
        } else if (base[d - 0x80] != ' ') {
            o[n++] = base[d - 0x80];
        } else {
            return -1;
        }
    }
    return n;
}

QByteArray foldSlowly(const unsigned char* data, int size, FoldKind kind)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), size);
    return (kind == FoldKind::Upper ? foldIdentification(text) : sortKey(text)).toUtf8();
}

template <FoldKind Kind> void sqlFold(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const unsigned char* data = sqlite3_value_text(argv[0]);
    const int size = sqlite3_value_bytes(argv[0]);
    // Called once per row while searching and sorting: short texts fold on the stack.
    char buffer[256];
    if (size <= static_cast<int>(sizeof buffer)) {
        const int n = foldLatin1(data, size, Kind, buffer);
        if (n >= 0) {
            sqlite3_result_text(context, buffer, n, SQLITE_TRANSIENT);
            return;
        }
    }
    const QByteArray folded = foldSlowly(data, size, Kind);
    sqlite3_result_text(context, folded.constData(), static_cast<int>(folded.size()), SQLITE_TRANSIENT);
}

bool addFunction(sqlite3* handle, const char* name, void (*function)(sqlite3_context*, int, sqlite3_value**))
{
    return sqlite3_create_function_v2(handle, name, 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, function,
               nullptr, nullptr, nullptr)
        == SQLITE_OK;
}

}

QString foldIdentification(const QString& text)
{
    return text.toUpper();
}

QString sortKey(const QString& text)
{
    const QString decomposed = text.toUpper().normalized(QString::NormalizationForm_D);
    QString key;
    key.reserve(decomposed.size());
    for (qsizetype i = 0; i < decomposed.size(); ++i) {
        const QChar c = decomposed.at(i);
        if (c.category() != QChar::Mark_NonSpacing) {
            key.append(c);
            continue;
        }
        // A tilde over N makes the Spanish letter Ñ, which sorts between N and O.
        if (c == QChar(0x0303) && !key.isEmpty() && key.back() == u'N')
            key.append(QChar(0x7F));
    }
    return key;
}

void appendSortKey(QByteArray& out, const char* text, int size)
{
    const auto* data = reinterpret_cast<const unsigned char*>(text);
    char buffer[256];
    if (size <= static_cast<int>(sizeof buffer)) {
        const int n = foldLatin1(data, size, FoldKind::SortKey, buffer);
        if (n >= 0) {
            out.append(buffer, n);
            return;
        }
    }
    out.append(foldSlowly(data, size, FoldKind::SortKey));
}

sqlite3* sqliteHandle(QSqlDatabase db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.data());
}

bool registerTextFunctions(QSqlDatabase db)
{
    sqlite3* sqlite = sqliteHandle(db);
    if (!sqlite)
        return false;
    return addFunction(sqlite, "vx_upper", sqlFold<FoldKind::Upper>)
        && addFunction(sqlite, "vx_sortkey", sqlFold<FoldKind::SortKey>);
}

}
