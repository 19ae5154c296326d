#pragma once

#include "common/ui/modulewindow.h"
#include "cp02/cp02form.h"
#include "data/accesodatos.h"

#include <QSqlDatabase>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTableView;

namespace ventrix {
class ModuleRegistry;
}

namespace ventrix::cp02 {

class AnnualActivityModel;
class MonthGridModel;

// "Formulario CP02": the annual declarations of a taxpayer. The CP01 data are shown read only; a
// declaration is chosen from the list or started with a period and type, its activities, months
// and exempt activities typed in, and stored (then printed) or deleted. The core computes, checks,
// asks and stores.
class Frm_CP02 : public ModuleWindow
{
    Q_OBJECT

public:
    // archivos: the folder the delivery files are written to.
    Frm_CP02(QSqlDatabase db, qint64 cmdId, qint64 cp01Id, QString archivos, QWidget* parent = nullptr);
    ~Frm_CP02() override;

    // False when the taxpayer's data could not be loaded (the reason has been shown).
    bool opened() const { return m_opened; }
    Cp02Form& form() { return m_form; }

    void Cmd_Aceptar_Click();
    void Cmd_Nuevo_Click();
    void Cmd_Guardar_Click();
    void Cmd_Borrar_Click();
    void declaracionElegida();

private:
    QWidget* buildTaxpayerBox();
    QWidget* buildListBox();
    QWidget* buildPeriodTab();
    QWidget* buildActivitiesTab();
    QWidget* buildMonthsTab();
    QWidget* buildExemptTab();
    QWidget* buildBalanceBox();
    QLineEdit* field(const QString& column, FieldKeys keys, bool readOnly = false);
    void buildLayout();

    void showRecord();
    void readRecord();
    void showComputed();
    void fillList();
    void tabRequested(int index);
    void distributionEdited();
    void taxEdited();
    void optionChosen(int option);
    void checkDate(QLineEdit* field);
    void print(const Cp02Record& record);

    data::AccesoDatos m_access;
    Cp02Store m_store;
    Cp02Form m_form;
    QString m_archivos;
    bool m_opened = false;
    bool m_switchingTab = false;
    int m_lastTab = 0;
    QTabWidget* m_tabs = nullptr;
    QListWidget* m_list = nullptr;
    QLineEdit* m_periodo = nullptr;
    QComboBox* m_tramite = nullptr;
    QLabel* m_total = nullptr;
    QButtonGroup* m_option = nullptr;
    AnnualActivityModel* m_activities = nullptr;
    MonthGridModel* m_months = nullptr;
};

void registerCp02Windows(ModuleRegistry& registry);

}
