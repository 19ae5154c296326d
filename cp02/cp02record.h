#pragma once

#include "common/fieldvalues.h"
#include "common/fixed.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace ventrix::cp02 {

// Column names of the declaration's fields the core reads and writes.
namespace col {
inline const QString Id = QStringLiteral("CP02_ID");
inline const QString Periodo = QStringLiteral("CP02_Periodo");
inline const QString Tramite = QStringLiteral("CP02_Tramite");
inline const QString NumEmpleados = QStringLiteral("Cp02_NumEmpleados");
inline const QString Gravado = QStringLiteral("Cp02_Gravado");
inline const QString NoGravado = QStringLiteral("Cp02_No_Gravado");
inline const QString Excento = QStringLiteral("Cp02_Excento");
inline const QString TasaCero = QStringLiteral("Cp02_TasaCero");
inline const QString Impuesto = QStringLiteral("CP02_Saldo_Impuesto");
inline const QString Retenciones = QStringLiteral("CP02_Saldo_Retenciones");
inline const QString ImpDepos = QStringLiteral("CP02_Saldo_ImpDepos");
inline const QString FavorAgt = QStringLiteral("CP02_Saldo_FavorAGT");
inline const QString FavorContrib = QStringLiteral("CP02_Saldo_FavorContrib");

// "CP02_ActEx_Numero_3" for (3, "Numero"): the items are Numero, Porcent, NormaLegal, Año,
// FechaIni, FechaFin and ImporAlc.
QString exempt(int n, const QString& item);
}

inline const QString Original = QStringLiteral("Original");
inline const QString Rectificativa = QStringLiteral("Rectificativa");

// One row of the annual tax per activity: code, premises tag and name, exempt mark, annual base,
// rate, tax and employees.
struct AnnualActivity
{
    QString codigo;
    QString actividad;
    bool exento = false;
    std::optional<Money> base;
    std::optional<Rate> alicuota;
    std::optional<Money> impuesto;
    std::optional<qint64> numEmp;

    bool hasCode() const { return !codigo.trimmed().isEmpty(); }
    bool operator==(const AnnualActivity&) const = default;
};

// The amounts of one month of the advances and minimums grid (or of its totals row).
struct MonthAmounts
{
    std::optional<Money> base;
    std::optional<Money> anticipo;
    std::optional<Money> minimo;
    std::optional<Money> computado;
    std::optional<Money> retenciones;
    std::optional<Money> saldo;
    std::optional<Money> depositado;

    bool operator==(const MonthAmounts&) const = default;
};

// One month of the grid: its name, payment date and amounts.
struct MonthRow
{
    QString mes;
    QDate fechaPago; // invalid when not entered
    MonthAmounts amounts;

    bool operator==(const MonthRow&) const = default;
};

using MonthGrid = std::array<MonthRow, 12>;

// "Enero" ... "Diciembre".
QString monthName(int month);
// Twelve empty months, named.
MonthGrid emptyMonths();

// One annual declaration as the screen holds it: its fields by column name (prefix "CP02"), the
// activities and the twelve months.
struct Cp02Record
{
    FieldValues fields;
    QList<AnnualActivity> activities;
    MonthGrid months = emptyMonths();

    qint64 id() const; // 0 while never stored
    int periodo() const; // 0 when not entered
    QString tramite() const { return text(col::Tramite); }
    QString text(const QString& column) const { return fields.value(column).toString(); }
    std::optional<Money> money(const QString& column) const;
    std::optional<qint64> integer(const QString& column) const;
    QDate date(const QString& column) const;
    void set(const QString& column, const QVariant& value) { fields.insert(column, value); }
    void setMoney(const QString& column, std::optional<Money> value);
};

// The taxpayer as its CP01 procedure shows it (prefix "CP01"), read only on the declaration.
struct TaxpayerData
{
    FieldValues fields;

    QString text(const QString& column) const { return fields.value(column).toString(); }
};

}
