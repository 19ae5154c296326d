#pragma once

#include "common/ui/modulewindow.h"
#include "data/accesodatos.h"
#include "plans/instalment.h"
#include "plans/planstore.h"

#include <QSqlDatabase>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace ventrix::plans {

// "Formulario (Plan de Facilidades de Pago)": the payment form of one instalment of a plan. The
// user picks the plan and the instalment; the due date is proposed, only its day may be moved,
// the interest and total follow the payment date, and the slip is printed with its three stubs.
class Frm_IB09 : public ModuleWindow
{
    Q_OBJECT

public:
    Frm_IB09(QSqlDatabase db, qint64 cmdId, qint64 cp01Id, QWidget* parent = nullptr);
    ~Frm_IB09() override;

    void CargarPlanes();
    // Loads the plan of the list's row with its inscription and offers its instalments.
    void CargarCuota(int row);
    // Proposes the due date of the chosen instalment, then the interest.
    void CalculaVto();
    void CalculaInteres();
    // The slip as the fields hold it (interest and total computed again from them).
    InstalmentSlip slip() const;
    void Cmd_Imprimir_Click();
    void Command4_Click(); // "&Borrar"

private:
    void buildLayout();
    QLineEdit* planField(const QString& column);
    QLineEdit* dateField(const QString& name);
    QLineEdit* amountField(const QString& name);
    void dueDateEdited();
    void clearPlan();

    data::AccesoDatos m_access;
    PlanStore m_store;
    qint64 m_cmdId;
    PaymentPlan m_plan;
    FieldValues m_cp01;
    QDate m_proposed;
    QDate m_movedDay; // a day the user moved the due date to and was already reminded of
    QListWidget* m_list = nullptr;
    QComboBox* m_cuota = nullptr;
    QLineEdit* m_vto = nullptr;
    QLineEdit* m_pago = nullptr;
    QLineEdit* m_interes = nullptr;
    QLineEdit* m_total = nullptr;
};

}
