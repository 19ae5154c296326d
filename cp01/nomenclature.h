#pragma once

#include "common/fixed.h"
#include "common/result.h"
#include "cp01/activity.h"
#include "cp01/activityrules.h"
#include "data/accesodatos.h"

#include <QList>
#include <QStringList>

namespace ventrix::cp01 {

// One activity of the nomenclature as the editor's lists show it.
struct NomenclaEntry
{
    int codigo = 0;
    QString actividad;
    bool operator==(const NomenclaEntry&) const = default;
};

enum class MinimumColumn { Minimo1, Minimo2, Minimo3 };

// The minimum that applies: by employees (at most 1, up to 3, more), always the first for
// activities measured in rooms or rented properties.
MinimumColumn minimumColumn(const QString& quantityCaption, qint64 quantity);

// What the editor hands back: the activity and, when one is needed, its companion. The screen
// reads it as ten text slots (code, name, rate, quantity, minimum; then the companion's).
struct ActivitySelection
{
    ChosenActivity activity;
    std::optional<ChosenActivity> companion;

    bool cancelled() const { return activity.codigo.isEmpty(); }
    QStringList slotTexts() const;
};

// Reads the activity nomenclature for the activity editor.
class Nomenclature
{
public:
    explicit Nomenclature(data::AccesoDatos& db)
        : m_db(db)
    {
    }

    // Every activity by code; with a code prefix only the codes that begin with it.
    Result<QList<NomenclaEntry>> all(const QString& codePrefix = {});
    // Digits: codes that begin with them, by code. Other text: names that hold it, blanks
    // standing for anything, by name.
    Result<QList<NomenclaEntry>> search(const QString& text);
    // The sale activities of the second page; with a text, only those matching it as above.
    Result<QList<NomenclaEntry>> saleActivities(const QString& text = {});

    // Name, rate and minimum of the editor's chosen activity and of its companion, for the
    // quantity typed: the third page (Cargar_Alicuota_Minimos).
    Result<ActivitySelection> Cargar_Alicuota_Minimos(const ActivityChoice& choice, qint64 quantity);

private:
    Result<QList<NomenclaEntry>> entries(
        const QString& where, const QString& order, const QVariantList& params);
    Result<ChosenActivity> figures(
        int code, MinimumColumn column, const std::optional<Rate>& rateOverride, qint64 quantity);

    data::AccesoDatos& m_db;
};

// "3,5", "0", "1,5": a rate as the editor shows it, without trailing zeros.
QString plainRate(const Rate& rate);

}
