#pragma once

#include "common/ui/modulewindow.h"
#include "cp01/cp01store.h"
#include "cp01/proceduremenu.h"

#include <QSqlDatabase>

class QButtonGroup;
class QCheckBox;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableWidget;

namespace ventrix {
class ModuleRegistry;
}

namespace ventrix::cp01 {

// The entry to the CP01 of one taxpayer: a small wizard (person type, procedure, the sections of
// a data modification) that opens the form, and the list of stored procedures to modify, print
// or delete.
class Frm_CP01Menu : public ModuleWindow
{
    Q_OBJECT

public:
    enum PageIndex { PersonPage = 0, OptionPage = 1, SectionsPage = 2, ListPage = 3 };
    // The last option: the list of stored procedures.
    static constexpr int ListOption = 7;

    Frm_CP01Menu(QSqlDatabase db, qint64 cmdId, qint64 cp01Id, QWidget* parent = nullptr);
    ~Frm_CP01Menu() override;

    void CargarGrilla();
    void Cmd_Prox_Click();
    void Cmd_Previo_Click();
    void Cmd_ModTram_Click();
    void Cmd_BorrarTramite_Click();

    int currentPage() const;

private:
    QWidget* buildPersonPage();
    QWidget* buildOptionPage();
    QWidget* buildSectionsPage();
    QWidget* buildListPage();
    void buildLayout();
    void showPage(int page);
    QString personas() const;
    void openForm(const std::optional<FormOpening>& opening);
    const ProcedureListRow* selectedRow() const;

    data::AccesoDatos m_access;
    Cp01Store m_store;
    ProcedureMenu m_menu;
    qint64 m_cmdId;
    QStackedWidget* m_pages = nullptr;
    QButtonGroup* m_person = nullptr;
    QButtonGroup* m_option = nullptr;
    QList<QPair<Section, QCheckBox*>> m_sections;
    QTableWidget* m_grid = nullptr;
    QList<ProcedureListRow> m_rows;
    QPushButton* m_previo = nullptr;
    QPushButton* m_prox = nullptr;
};

// Registers the CP01 screens under their module key.
void registerCp01Windows(ModuleRegistry& registry);

}
