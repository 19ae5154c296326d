#pragma once

#include "agents/arpcontrol.h"
#include "agents/declarationform.h"
#include "common/ui/moduleregistry.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableView;

namespace ventrix {
class TimedStatusLine;
}

namespace ventrix::agents {

// "Control de la liquidación de Retenciones o Percepciones": the month's register rows with their
// declaration marks and totals, their "Constancias" report, and the undoing of the month's
// declaration.
class Control_ARP : public QDialog
{
    Q_OBJECT

public:
    Control_ARP(
        const ModuleLaunch& launch, AgentRegister which, const ArpPeriod& period, QWidget* parent = nullptr);

    const ControlModel& model() const { return *m_model; }
    QString totalImporteText() const;
    QString totalBaseText() const;

    // Reads the month again.
    void Cargar();
    // "&Imprimir": the printer, then the report's preview.
    void Cmd_Imprimir_Click();
    // "&Borrar": undoes the month's declaration after its two questions.
    void Cmd_Borrar_Click();

private:
    void build();

    ModuleLaunch m_launch;
    AgentRegister m_which;
    ArpPeriod m_period;
    data::AccesoDatos m_access;
    DeclarationStore m_store;
    ControlModel* m_model = nullptr;
    QTableView* m_grid = nullptr;
    QLabel* m_totalImporte = nullptr;
    QLabel* m_totalBase = nullptr;
    QPushButton* m_imprimir = nullptr;
    QPushButton* m_borrar = nullptr;
    TimedStatusLine* m_status = nullptr;
};

}
