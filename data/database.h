#pragma once

#include "data/referencedata.h"

#include <QSqlDatabase>
#include <QString>

namespace ventrix::data {

// The database file's name inside the data folder, as messages name it.
inline constexpr char16_t DatabaseFileName[] = u"Impuest.db";

// Why a database file could not be used.
enum class OpenFailure { None, Missing, NotADatabase, Corrupt, FutureVersion, ReadOnly, Other };

struct OpenResult
{
    OpenFailure failure = OpenFailure::None;
    QString reason; // the engine's own words, for the second line of the message
    bool ok() const { return failure == OpenFailure::None; }
};

// One SQLite connection with the program's schema: creates a new file with every table and
// the reference data, or opens an existing one and brings its schema up to date.
class Database
{
public:
    // The connection name the desktop program and the command-line tool use.
    static QString mainConnectionName();

    explicit Database(QString connectionName = mainConnectionName());
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Creates a new database at path (which must not exist) with every table, the delivered
    // lists and what `more` writes (the program passes the rates library's index history), and
    // opens it.
    OpenResult create(const QString& path, const MoreReferenceData& more);
    // Opens an existing file, checks it and applies pending schema upgrades. A file that is
    // refused (empty, truncated, not a database, failing its integrity check, of a newer
    // schema, or read-only) is left exactly as it was.
    OpenResult open(const QString& path);
    // Opens an existing file for reading only, after the same checks as open(); never upgrades
    // the schema nor writes anything, so it works on a read-only file or folder.
    OpenResult openReadOnly(const QString& path);
    void close();

    QSqlDatabase connection() const;
    QString path() const { return m_path; }

    // The schema version this program writes (PRAGMA user_version).
    static int latestSchemaVersion();
    int schemaVersion() const;

private:
    OpenResult connect(const QString& path);
    // The file exists, is a database, is writable when asked, and has the program's shape.
    OpenResult checkBeforeOpening(const QString& path, bool forWriting) const;
    OpenResult inspect(const QString& path) const;
    OpenResult inspectConnection(QSqlDatabase db) const;
    static OpenResult checkWritable(const QString& path);
    OpenResult upgrade();

    QString m_name;
    QString m_path;
};

}
