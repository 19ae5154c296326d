#pragma once

#include "common/result.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace ventrix::app {

// One row of the register of taxpayers (table CMD).
struct Taxpayer
{
    qint64 id = 0; // 0: not stored yet
    QString contribuyente;
    QString domicilio;
    QString te;
    QString numRef;
    QString passwordHash; // empty: no password
    QString numAgenteRetencion;
    QString numAgentePercepcion;
};

// The four columns the main window's grid shows.
struct TaxpayerGridRow
{
    qint64 id = 0;
    QString contribuyente;
    QString numRef;
    QString te;
    QString domicilio;
};

// The newest CP01 procedure of a taxpayer, as the module gates read it.
struct NewestCp01
{
    qint64 cp01Id = 0;
    QString cuit;
    QString ingBrut;
    std::optional<int> formCp01;
};

enum class SaveOutcome { Saved, EmptyIdentification, DuplicateIdentification, DatabaseError };

// Reads and writes the register of taxpayers and answers the questions other screens ask about one.
class TaxpayerRegister
{
public:
    explicit TaxpayerRegister(QSqlDatabase db);

    // The keys of the taxpayers whose identification or reference number matches the search text
    // (blanks match anything, "%" and "_" are literal), ordered by identification; nullopt on failure.
    std::optional<QList<qint64>> search(const QString& text) const;
    // The grid rows of the given keys, in the order of the keys; missing keys are skipped.
    std::optional<QList<TaxpayerGridRow>> gridRows(const QList<qint64>& keys) const;

    // An empty optional when there is no such taxpayer; an Error when the row cannot be read.
    Result<std::optional<Taxpayer>> read(qint64 id) const;
    // The key of another taxpayer with the same identification regardless of case, 0 when none,
    // nullopt on failure.
    std::optional<qint64> findIdentification(const QString& identification, qint64 exceptId = 0) const;
    // Inserts (id 0) or updates the row; texts are trimmed, and on success taxpayer.id holds the key.
    SaveOutcome save(Taxpayer& taxpayer);
    // Deletes the taxpayer; the database's relations remove every row that hangs from it.
    bool remove(qint64 id);

    // The stored password hash, empty when none or when the taxpayer is missing.
    Result<QString> storedPassword(qint64 id) const;
    bool setPasswordHash(qint64 id, const QString& hash);

    // The value of CP01_FormCP01 of the newest CP01 of the taxpayer, 2 when it has none; empty
    // when the taxpayer is missing.
    Result<std::optional<int>> estadoCp01(qint64 id) const;
    // The taxpayer's current inscription; empty when it has none.
    Result<std::optional<NewestCp01>> newestCp01(qint64 id) const;

    QSqlDatabase database() const { return m_db; }
    QString lastError() const { return m_lastError; }

private:
    // Prepares, binds and runs the statement; a failure is kept for lastError().
    bool exec(QSqlQuery& q, const QString& sql, const QVariantList& values) const;
    std::optional<QList<qint64>> orderedKeys() const;
    std::optional<QList<qint64>> matchingKeys(const QString& trimmed) const;

    QSqlDatabase m_db;
    mutable QString m_lastError;
    // The whole register in display order, kept while nothing is written to the database: a
    // keystroke then only runs the filter, not the sort.
    mutable QList<qint64> m_order;
    mutable QString m_orderStamp;
};

}
