#pragma once

#include "cp01/nomenclature.h"

namespace ventrix::cp01 {

// The activity editor's road through its three pages: the full list, the sale activities when a
// manufacturer sells to final consumers, and the figures of the chosen activity. The screen shows
// the page it answers and hands back the selection.
class ActivityEditor
{
public:
    enum class Page { Activities, Sales, Figures };

    ActivityEditor(Nomenclature& nomenclature, ActivityQuestions& questions);

    // The first page's list: every activity, or those beginning with the code already chosen.
    Result<QList<NomenclaEntry>> activities();
    // "&Siguiente" of the first page with the chosen code (nullopt: no row chosen).
    Page nextFromActivities(std::optional<int> code);
    // "&Siguiente" of the second page.
    Page nextFromSales(std::optional<int> saleCode);
    // The third page's figures for the quantity typed (below 1 counts as 1).
    Result<ActivitySelection> figures(qint64 quantity);
    // "&Aceptar": the selection to hand back; "&Cancelar" hands back ActivitySelection{}.
    Result<ActivitySelection> accept(qint64 quantity) { return figures(quantity); }

    const ActivityChoice& choice() const { return m_choice; }

private:
    Nomenclature& m_nomenclature;
    ActivityQuestions& m_questions;
    ActivityChoice m_choice;
};

}
