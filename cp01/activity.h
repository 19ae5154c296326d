#pragma once

#include "common/fixed.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>

namespace ventrix::cp01 {

// One activity of a premises: the eight columns of its grid, in grid order.
struct ActivityRow
{
    QString codigo;
    QString denominacion;
    std::optional<Rate> alicuota;
    std::optional<qint64> numEmp; // employees, rooms or rented properties
    std::optional<Money> baseMinimo;
    QDate fecha; // start; invalid when not entered
    QDate fhCese; // cessation; invalid while active
    bool exento = false;

    bool isEmpty() const { return codigo.trimmed().isEmpty(); }
    bool operator==(const ActivityRow&) const = default;
};

// What the activity editor hands back for one activity: code, name, rate, quantity, minimum.
struct ChosenActivity
{
    QString codigo;
    QString denominacion;
    std::optional<Rate> alicuota;
    std::optional<qint64> numEmp;
    std::optional<Money> baseMinimo;
};

// The activities of one premises: a fixed grid of six rows; empty rows have no code.
class ActivityTable
{
public:
    static constexpr int Rows = 6;

    const ActivityRow& row(int i) const { return m_rows.at(i); }
    ActivityRow& row(int i) { return m_rows.at(i); }
    const std::array<ActivityRow, Rows>& rows() const { return m_rows; }

    int count() const; // rows holding a code
    bool isEmpty() const { return count() == 0; }
    int firstEmpty() const; // -1 when full
    // Whether a row already holds the same code, rate and minimum.
    bool holds(
        const QString& codigo, const std::optional<Rate>& alicuota, const std::optional<Money>& minimo) const;
    // Fills the first empty row; -1 when there is none.
    int add(const ChosenActivity& activity);
    // Empties the row and closes the gap, so the filled rows stay first and in order.
    void remove(int i);
    void clear() { m_rows = {}; }

    bool operator==(const ActivityTable&) const = default;

private:
    std::array<ActivityRow, Rows> m_rows {};
};

// Whether marking the code exempt calls for the article 183 warning.
bool needsArticle183Warning(const QString& codigo);

}
