#pragma once

#include "common/ui/modulewindow.h"
#include "data/accesodatos.h"
#include "rates/indicestable.h"
#include "sid3/sid3form.h"

#include <QSqlDatabase>

#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabWidget;
class QTableView;

namespace ventrix {
class ModuleRegistry;
}

namespace ventrix::sid3 {

class ActivityLinesModel;
class GridFooter;

// "CP03 - SID3": the monthly declarations of one taxpayer. The list of filed periods, the
// declaration on screen with its activity lines, the payments on account, the balance, the due
// and payment dates and the interest; the core computes, asks and stores, the screen shows.
class Frm_SID3 : public ModuleWindow
{
    Q_OBJECT

public:
    enum TabIndex { ActividadesTab = 0, SaldoTab = 1, Cp01Tab = 2 };

    Frm_SID3(QSqlDatabase db, qint64 cmdId, qint64 cp01Id, QWidget* parent = nullptr);
    ~Frm_SID3() override;

    // False when the screen cannot work (no rates entered); the reason has been shown.
    bool opened() const { return m_opened; }
    // Where the delivery files go; by default "Archivos" beside the database.
    void setArchivosFolder(const QString& folder) { m_archivos = folder; }
    Sid3Form& form() { return m_form; }

    void Cargar_List_FormSid3();
    void CargarTabla(qint64 sidId);
    void BorrarTabla();
    // Employees from last year's annual declaration for the declaration on screen; true when
    // the user chose to complete that declaration first (the screen is then not shown).
    bool CargarTablaNewNumEmp();
    void CallRegistraciones(Register reg);

    void Cmb_NuevoPer_Click();
    void Cmb_Borrar_Click();
    void Cmd_Guardar_Click();
    void Cmd_Imprimir_Click();
    void Cmd_CallAccesorios_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Layout, one builder per part of the screen.
    void buildLayout();
    QWidget* buildHead();
    QWidget* buildButtons();
    QWidget* buildActivitiesTab();
    QWidget* buildIncomeBox();
    QWidget* buildBalanceTab();
    QWidget* buildRegistersBox();
    QWidget* buildCp01Tab();
    QLineEdit* field(const QString& name, const QString& column, FieldKeys keys = FieldKeys::Text);
    QLineEdit* shown(const QString& name);
    QLineEdit* cp01Field(const QString& column);

    // Copying between the screen and the core.
    void showDeclaration();
    void showTotals();
    void showCp01(qint64 cp01Id);
    void refuseCp01Typing();
    void periodSelected(QListWidgetItem* item);
    void lineEdited();
    void connectEdits();
    void whenTyped(QLineEdit* edit, const std::function<void(const QString&)>& apply);
    void closeLater();
    std::optional<NewPeriod> openNuevoTramite();
    QString archivosFolder() const;
    RegisterTotal openRegister(Register reg, qint64 sidId, Period period);

    data::AccesoDatos m_access;
    rates::IndicesTable m_indices;
    Sid3Form m_form;
    qint64 m_cmdId;
    qint64 m_cp01Id;
    bool m_opened = false;
    bool m_firstShow = true;
    bool m_busy = false;
    bool m_dialogAccepted = false;
    FieldValues m_cp01Values;
    QString m_archivos;

    QListWidget* m_periodos = nullptr;
    QTabWidget* m_tabs = nullptr;
    QTableView* m_grid = nullptr;
    ActivityLinesModel* m_model = nullptr;
    GridFooter* m_footer = nullptr;
    QLineEdit* m_interes = nullptr;
    QLabel* m_favContrib = nullptr;
    std::array<QLabel*, 4> m_countCaptions {};
};

// Registers the declaration screen under its module key.
void registerSid3Windows(ModuleRegistry& registry);

}
