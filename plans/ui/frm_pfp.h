#pragma once

#include "common/ui/modulewindow.h"
#include "data/accesodatos.h"
#include "plans/planregister.h"
#include "plans/planstore.h"

#include <QSqlDatabase>

#include <functional>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QTableView;

namespace ventrix {
class ModuleRegistry;
}

namespace ventrix::plans {

class PlanGridModel;

// "Plan de Facilidades de Pago": the plans the authority granted to the taxpayer. The CP01 data
// are shown read only, the plans of every inscription listed newest first; a plan is typed into
// the entry panel and stored, deleted from the list, and "Form Pago" opens its instalment slips.
class Frm_PFP : public ModuleWindow
{
    Q_OBJECT

public:
    Frm_PFP(QSqlDatabase db, qint64 cmdId, qint64 cp01Id, QWidget* parent = nullptr);
    ~Frm_PFP() override;

    // False when the inscription's data could not be loaded (the reason has been shown).
    bool opened() const { return m_opened; }
    // Whether the entry panel is showing (entering) rather than the list (browsing).
    bool entering() const;
    PlanGridModel* grid() const { return m_model; }

    // Opens the instalment screen; tests replace it.
    using InstalmentOpener
        = std::function<void(QSqlDatabase db, qint64 cmdId, qint64 cp01Id, QWidget* parent)>;
    void setInstalmentOpener(InstalmentOpener opener) { m_openInstalments = std::move(opener); }

    void Cargar_Grilla();
    void Command2_Click(); // "&Reg. Plan"
    void Salir_Click(); // "&Guardar"
    void ComCancelar_Click(); // "&Cancelar"
    void Command4_Click(); // "&Borrar"
    void Command6_Click(); // "Form Pago"

private:
    QGroupBox* buildCp01Box();
    QGroupBox* buildEntryPanel();
    QWidget* buildButtons();
    QLineEdit* planField(const QString& column, FieldKeys keys);
    void setEntering(bool on);
    const PaymentPlan* chosenPlan() const;

    QSqlDatabase m_db;
    data::AccesoDatos m_access;
    PlanStore m_store;
    PlanRegister m_register;
    InstalmentOpener m_openInstalments;
    bool m_opened = false;
    PlanGridModel* m_model = nullptr;
    QTableView* m_view = nullptr;
    QGroupBox* m_panel = nullptr;
    QList<QPushButton*> m_browseButtons;
};

void registerPlansWindows(ModuleRegistry& registry);

}
