#pragma once

#include "rates/indexstep.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace ventrix::rates {

// The table of daily cumulative indices: one row per calendar day, grown and shrunk by whole months.
class IndicesTable
{
public:
    explicit IndicesTable(QSqlDatabase db)
        : m_db(std::move(db))
    {
    }

    // The newest day into *out (nullopt when the table is empty); false when it cannot be read.
    bool newest(std::optional<IndexDay>* out) const;
    // The oldest day, as newest().
    bool oldest(std::optional<IndexDay>* out) const;
    // The row of that day (its index and its month's rate), as newest().
    bool day(QDate fecha, std::optional<IndexDay>* out) const;

    // Up to limit days newest first, starting below `before` (all days when it is invalid).
    bool newestFirst(QDate before, int limit, QList<IndexDay>* out) const;
    // Every day from `from` on, oldest first.
    bool since(QDate from, QList<IndexDay>* out) const;
    // Number of days in the table, or -1 when it cannot be read.
    int count() const;

    // Appends the days in one transaction: either all are written or none.
    bool append(const QList<IndexDay>& days);
    // Deletes `from` and every later day.
    bool removeFrom(QDate from);
    // Deletes `from` and every later day and appends the days in their place, in one
    // transaction: the table is never left cut short.
    bool replaceFrom(QDate from, const QList<IndexDay>& days);

    QString lastError() const { return m_error; }

private:
    bool readOne(const QString& sql, const QVariantList& values, std::optional<IndexDay>* out) const;
    bool readMany(const QString& sql, const QVariantList& values, QList<IndexDay>* out) const;
    bool insertAll(const QList<IndexDay>& days);

    QSqlDatabase m_db;
    mutable QString m_error;
};

}
