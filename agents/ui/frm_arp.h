#pragma once

#include "agents/agentnumbers.h"
#include "agents/arpdeposit.h"
#include "agents/declarationform.h"
#include "common/ui/moduleregistry.h"
#include "common/ui/modulewindow.h"

#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace ventrix::agents {

// The agent's month of one operation: what it withheld or perceived, the interest at the payment
// date, the balance after earlier deposits, each deposit with its payment form, and the month's
// sworn declaration. The core computes, checks, asks and stores; the screen shows its answers.
class Frm_ARP : public ModuleWindow
{
    Q_OBJECT

public:
    explicit Frm_ARP(const ModuleLaunch& launch, QWidget* parent = nullptr);
    ~Frm_ARP() override;

    // False when the taxpayer has no agent number or its data could not be read (the reason has
    // been shown).
    bool opened() const { return m_opened; }
    // The operation chosen, if any.
    std::optional<AgentRegister> operation() const { return m_operation; }
    qint64 depositId() const { return m_depositId; }

    void CargaDefault();
    void CalculaDefault();
    void ChequeaPeriodo();
    void HabilitaImporte();
    void CalculaInteres();
    void ClearForm();
    bool Check_Datos() const;

    void Option3d1_Click(AgentRegister chosen);
    void MaskDesde_LostFocus();
    void FechaVto_LostFocus();
    void FechaPago_LostFocus();

    void Cmd_Alta_Click();
    void Cmd_Guardar_Click();
    void Cmd_Borrar_Click();
    void Cmd_Imprimir_Click();
    void Cmd_PrintPago_Click();
    void Cmd_PrintDDJJ_Click();
    void Cmd_QuienFalta_Click();
    void Cmd_Claves_Click();
    void Cmd_ConstRetencion_Click();
    void Cmd_ConstPercep_Click();
    void Command1_Click();
    void Cmd_CallAccesorios_Click();
    void Cmd_EncripExterno_Click(AgentRegister which);
    void Cmb_Buscar_Click();
    void Cbox_Buscar_Click(int index);

private:
    // Layout (frm_arpfields.cpp).
    void buildLayout();
    QGroupBox* buildAgentFrame();
    QGroupBox* buildOperationFrame();
    QWidget* buildButtons();
    QLineEdit* amountField(int index, const QString& column);
    QLineEdit* dateField(const QString& column);
    QPushButton* addButton(const QString& text, const QString& name);
    void amountLeft(QLineEdit* field);
    void showAmount(QLineEdit* field, const std::optional<Money>& value);
    void setOperationShown(std::optional<AgentRegister> which);
    void showPeriod(const ArpPeriod& period);
    void showDeposit(const ArpDeposit& d);
    ArpDeposit screenDeposit() const;

    // Opening and the month (frm_arp.cpp).
    bool readNumbers();
    void showNumbers();
    void applyOperation(AgentRegister which);
    std::optional<Money> typedAmount(const QLineEdit* field) const;

    // Deposits and their payment form (frm_arppayment.cpp).
    void openRegister(AgentRegister which);
    bool pay();
    void printPayment(const ArpDeposit& d);
    void setStatus(const QString& text, int ms);

    // Links to the declaration's printing, its control and the credits (frm_arplinks.cpp).
    void printDeclaration(const MonthlyDeclaration& made);

    ModuleLaunch m_launch;
    data::AccesoDatos m_access;
    ArpDepositStore m_deposits;
    AgentNumbers m_numbers;
    FieldValues m_agent;
    bool m_opened = false;
    bool m_printing = false;
    std::optional<AgentRegister> m_operation;
    std::optional<ArpPeriod> m_period;
    QDate m_proposedVto;
    qint64 m_depositId = 0;
    std::unique_ptr<QPrinter> m_ddjjPrinter;

    QRadioButton* m_optRetencion = nullptr;
    QRadioButton* m_optPercepcion = nullptr;
    QLineEdit* m_optionResul = nullptr;
    QLineEdit* m_maskDesde = nullptr;
    QLineEdit* m_maskHasta = nullptr;
    QLineEdit* m_labDesde = nullptr;
    QLineEdit* m_labHasta = nullptr;
    QLineEdit* m_fechaVto = nullptr;
    QLineEdit* m_fechaPago = nullptr;
    QLineEdit* m_total = nullptr; // 100
    QLineEdit* m_depositado = nullptr; // 101
    QLineEdit* m_intereses = nullptr; // 0
    QLineEdit* m_saldo = nullptr; // 1
    QLineEdit* m_capital = nullptr; // 102
    QLineEdit* m_importeDepositar = nullptr; // 2
    QLineEdit* m_numFormulario = nullptr;
    QLineEdit* m_numRetencion = nullptr;
    QLineEdit* m_numPercepcion = nullptr;
    QLabel* m_labImporteTipo = nullptr;
    QComboBox* m_buscar = nullptr;
    QPushButton* m_payRet = nullptr;
    QPushButton* m_payPer = nullptr;
    QPushButton* m_ddjjRet = nullptr;
    QPushButton* m_ddjjPer = nullptr;
};

}
