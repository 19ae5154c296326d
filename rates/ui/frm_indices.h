#pragma once

#include "common/ui/modulewindow.h"
#include "rates/indexupdate.h"

#include <QSqlDatabase>

#include <array>

class QLineEdit;
class QPushButton;
class QTableView;

namespace ventrix {
class ModuleRegistry;
}

namespace ventrix::rates {

class IndicesModel;
// The rates screen: the user types the month's published rate and the program appends the
// month's daily indices; the grid shows the table newest day first.
class Frm_Indices : public ModuleWindow
{
    Q_OBJECT

public:
    enum Field { Rate = 0, Month = 1, Year = 2 };

    explicit Frm_Indices(QSqlDatabase db, QWidget* parent = nullptr);
    ~Frm_Indices() override;

    void CargarGrilla();
    // Proposes the month after the newest day and the newest day's rate.
    void CargaTasa();
    // Puts the month the user has to enter in the fields (the gates that send the user here).
    void setMonth(int month, int year);
    void ActualizaIdx();

    QLineEdit* Tasa(int field) const { return m_tasa.at(static_cast<size_t>(field)); }

    // Leaving asks first when a month's rate is due; a Yes keeps the screen open.
    void done(int result) override;

private:
    void buildLayout();
    void checkField(int field);
    void showProposal(const rates::MonthProposal& proposal);

    QSqlDatabase m_db;
    std::array<QLineEdit*, 3> m_tasa {};
    QPushButton* m_actualiza = nullptr;
    QPushButton* m_salir = nullptr;
    QPushButton* m_help = nullptr;
    QTableView* m_grid = nullptr;
    IndicesModel* m_model = nullptr;
    std::optional<rates::MonthProposal> m_proposal;
};

// Registers the rates screen under its module key.
void registerRatesWindows(ModuleRegistry& registry);

}
