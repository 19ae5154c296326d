#pragma once

#include "agents/creditform.h"
#include "common/ui/moduleregistry.h"
#include "common/ui/modulewindow.h"

#include <memory>

class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QTableView;

namespace ventrix::agents {

// "Registro de Notas de Créditos": the declared operations of one register, the credits added to
// them and stored, and the NCARP form printed with the credits marked. The core form does the work;
// the screen shows its lists and answers. It needs the agent's withholding number.
class Frm_AgenCred : public ModuleWindow
{
    Q_OBJECT

public:
    // The withholdings, as the deposits' screen opens it when none is chosen.
    explicit Frm_AgenCred(const ModuleLaunch& launch, QWidget* parent = nullptr);
    Frm_AgenCred(const ModuleLaunch& launch, AgentRegister which, QWidget* parent = nullptr);
    ~Frm_AgenCred() override;

    // False when the screen must not show: no withholding number, or the data could not be read
    // (the reason has been told). exec() then returns at once.
    bool opened() const { return m_opened; }
    int exec() override;

    CreditForm& form() { return m_form; }
    // The credit dialog; tests replace it.
    void setCreditAsker(std::function<std::optional<Money>(const DeclaredOperation&, Money)> asker);

    void AddCredito();
    void Cmd_Guardar_Click();
    void Cmd_Borrar_Click();
    void QueryVerImprimir();
    void Imprimir_DDJJ();

private:
    CreditForm::Hooks hooks();
    bool printNcarp(NcarpForm& ncarp);
    void buildLayout();
    QWidget* buildSearch();
    QWidget* buildButtons();
    void enablePrint();

    data::AccesoDatos m_access;
    CreditStore m_store;
    CreditForm m_form;
    bool m_opened = false;
    std::function<std::optional<Money>(const DeclaredOperation&, Money)> m_asker;
    QTableView* m_operaciones = nullptr;
    QTableView* m_creditos = nullptr;
    QRadioButton* m_noImpresos = nullptr;
    QRadioButton* m_todos = nullptr;
    QLineEdit* m_factura = nullptr;
    QPushButton* m_imprimir = nullptr;
    std::unique_ptr<QPrinter> m_printer;
};

}
