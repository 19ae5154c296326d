#include "cp01/activityeditor.h"

#include "common/messages.h"
#include "cp01/cp01messages.h"

namespace ventrix::cp01 {

ActivityEditor::ActivityEditor(Nomenclature& nomenclature, ActivityQuestions& questions)
    : m_nomenclature(nomenclature)
    , m_questions(questions)
{
}

Result<QList<NomenclaEntry>> ActivityEditor::activities()
{
    return m_nomenclature.all(m_choice.effectiveCode ? QString::number(m_choice.effectiveCode) : QString());
}

ActivityEditor::Page ActivityEditor::nextFromActivities(std::optional<int> code)
{
    if (!code) {
        inform(msg::seleccioneActividad());
        return Page::Activities;
    }
    m_choice = decideActivity(*code, m_questions);
    return m_choice.toSalePage ? Page::Sales : Page::Figures;
}

ActivityEditor::Page ActivityEditor::nextFromSales(std::optional<int> saleCode)
{
    if (!saleCode) {
        inform(msg::seleccioneActividad());
        return Page::Sales;
    }
    chooseSaleActivity(m_choice, *saleCode);
    return Page::Figures;
}

Result<ActivitySelection> ActivityEditor::figures(qint64 quantity)
{
    return m_nomenclature.Cargar_Alicuota_Minimos(m_choice, quantity);
}

}
