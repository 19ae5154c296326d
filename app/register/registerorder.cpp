#include "app/register/registerorder.h"

#include "app/register/textfold.h"

#include <QtEndian>

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace ventrix::app {
namespace {

struct OrderEntry
{
    quint64 prefix; // the key's first bytes, big-endian, zero-padded: most comparisons end here
    qint64 id;
    qsizetype keyStart; // in the buffer of keys; -1 for a NULL identification
    int keyLength;
};

quint64 prefixOf(const char* key, int length)
{
    unsigned char bytes[8] = {};
    std::memcpy(bytes, key, static_cast<size_t>(std::min(length, 8)));
    return qFromBigEndian<quint64>(bytes);
}

// NULL first, then the keys byte by byte as SQLite compares text, then the key of the row.
struct Before
{
    const char* keys;

    bool operator()(const OrderEntry& a, const OrderEntry& b) const
    {
        if ((a.keyStart < 0) != (b.keyStart < 0))
            return a.keyStart < 0;
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        const int common = std::min(a.keyLength, b.keyLength);
        const int c = common > 0 ? std::memcmp(keys + a.keyStart, keys + b.keyStart, common) : 0;
        if (c != 0)
            return c < 0;
        if (a.keyLength != b.keyLength)
            return a.keyLength < b.keyLength;
        return a.id < b.id;
    }
};

}

std::optional<QList<qint64>> readRegisterOrder(QSqlDatabase db, QString* error)
{
    // The main window needs this for the whole register before its first paint. Read straight
    // from the engine and sorted here, it costs a fraction of ORDER BY vx_sortkey(...) through
    // QSqlQuery, which calls back into the program once per row and boxes every key.
    sqlite3* handle = sqliteHandle(db);
    if (!handle) {
        *error = QStringLiteral("La conexión no es una base de datos SQLite abierta.");
        return std::nullopt;
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(handle, "SELECT CMD_ID, CMD_Contribuyente FROM CMD", -1, &statement, nullptr)
        != SQLITE_OK) {
        *error = QString::fromUtf8(sqlite3_errmsg(handle));
        sqlite3_finalize(statement);
        return std::nullopt;
    }
    std::vector<OrderEntry> entries;
    QByteArray keys;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        OrderEntry entry { 0, sqlite3_column_int64(statement, 0), -1, 0 };
        if (sqlite3_column_type(statement, 1) != SQLITE_NULL) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 1));
            entry.keyStart = keys.size();
            appendSortKey(keys, text, sqlite3_column_bytes(statement, 1));
            entry.keyLength = static_cast<int>(keys.size() - entry.keyStart);
            entry.prefix = prefixOf(keys.constData() + entry.keyStart, entry.keyLength);
        }
        entries.push_back(entry);
    }
    if (step != SQLITE_DONE)
        *error = QString::fromUtf8(sqlite3_errmsg(handle));
    sqlite3_finalize(statement);
    if (step != SQLITE_DONE)
        return std::nullopt;
    std::sort(entries.begin(), entries.end(), Before { keys.constData() });
    QList<qint64> order;
    order.reserve(static_cast<qsizetype>(entries.size()));
    for (const OrderEntry& e : entries)
        order.append(e.id);
    return order;
}

}
