#pragma once

#include "cp01/activityeditor.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QTabWidget;
class QTableWidget;

namespace ventrix::cp01 {

// "Actividades": the three-page wizard in which the user chooses an activity of the
// nomenclature (and, for a manufacturer selling to final consumers, the sale activity), answers
// the authority's questions and sees the rate and minimum that apply.
class ModifAct : public QDialog
{
    Q_OBJECT

public:
    enum PageIndex { ActivitiesPage = 0, SalesPage = 1, FiguresPage = 2 };

    ModifAct(Nomenclature& nomenclature, QWidget* parent = nullptr);
    ~ModifAct() override;

    // What was chosen; empty (cancelled) until "&Aceptar".
    const ActivitySelection& selection() const { return m_selection; }
    int currentPage() const;

    // Opens the editor modal for one selection.
    static ActivitySelection choose(Nomenclature& nomenclature, QWidget* parent);

    void Cargar_Alicuota_Minimos();

private:
    QWidget* buildListPage(int page);
    QWidget* buildFiguresPage();
    void fillList(QTableWidget* grid, const Result<QList<NomenclaEntry>>& entries);
    std::optional<int> chosenCode(QTableWidget* grid) const;
    void searchActivities(const QString& text);
    void showPage(ActivityEditor::Page page);
    void nextFromActivities();
    void nextFromSales();
    void back();
    void accept() override;
    qint64 quantity() const;

    Nomenclature& m_nomenclature;
    MessageQuestions m_questions;
    ActivityEditor m_editor;
    ActivitySelection m_selection;
    QTabWidget* m_pages = nullptr;
    QTableWidget* m_activities = nullptr;
    QTableWidget* m_sales = nullptr;
    QLineEdit* m_quantity = nullptr;
    QLabel* m_caption = nullptr;
    QList<QLabel*> m_figures; // code, name, rate, minimum
    QList<QLabel*> m_companion; // the same four of the companion activity
    QWidget* m_companionBox = nullptr;
    bool m_viaSales = false;
};

}
