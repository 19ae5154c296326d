#pragma once

#include "agents/operationform.h"
#include "common/ui/moduleregistry.h"
#include "common/ui/modulewindow.h"

class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;

namespace ventrix::agents {

class CounterpartIdEdit;

// The register of one kind of the agent's operations (withholdings or perceptions): the agent's
// own data read-only, the counterpart and the operation, bound to the register's columns. The
// core form checks, asks and stores; the screen shows what it answers.
class Frm_AgenOperacion : public ModuleWindow
{
    Q_OBJECT

public:
    Frm_AgenOperacion(const QString& objectName, const RegisterKind& kind, const ModuleLaunch& launch,
        QWidget* parent = nullptr);
    ~Frm_AgenOperacion() override;

    // False when the agent's data could not be read (the reason has been shown).
    bool opened() const { return m_opened; }
    OperationForm& form() { return m_form; }
    const RegisterKind& kind() const { return m_form.kind(); }

    void ClearForm();
    // The amount from the base and rate as the fields show them, the three rewritten.
    void Calc_ImpRetenido();
    // True when every field the register requires is filled.
    bool Check_Datos() const;

    void Cmd_Guardar_Click();
    void Cmd_Borrar_Click();
    void Cmd_Importar_Click();
    void Cmb_Buscar_Click();
    void Cbox_Buscar_Click(int index);
    void Command1_Click();

protected:
    // The fields of the counterpart and the operation as typed.
    FieldValues screenFields() const { return readFields(kind().prefix); }
    // Shows the core's current operation in the fields.
    void showOperation();
    QHBoxLayout* buttonRow() const { return m_buttons; }

private:
    QGroupBox* buildAgentFrame();
    QGroupBox* buildCounterpartFrame();
    QGroupBox* buildOperationFrame();
    QHBoxLayout* buildButtons();
    QLineEdit* textField(const QString& item);
    QLineEdit* amountField(const QString& column, int places);
    QLineEdit* dateField(const QString& column);
    CounterpartIdEdit* identifierField(IdentifierKind which);
    void buildLayout();
    void showAgent();
    void focusTarget(const QString& target);
    std::optional<Counterpart> chooseCounterpart();

    void amountLeft(QLineEdit* field, int places);
    void dateLeft(QLineEdit* field, bool operationDate);
    void identifierLeft(CounterpartIdEdit* field);
    void paintSign(QLineEdit* field);

    data::AccesoDatos m_access;
    OperationStore m_store;
    OperationForm m_form;
    qint64 m_cmdId;
    qint64 m_cp01Id;
    bool m_opened = false;
    QLabel* m_key = nullptr;
    QLineEdit* m_numAgente = nullptr;
    QLineEdit* m_base = nullptr;
    QLineEdit* m_alicuota = nullptr;
    QLineEdit* m_importe = nullptr;
    QComboBox* m_buscar = nullptr;
    QHBoxLayout* m_buttons = nullptr;
};

// "Constancia de Retención": the withholdings register, which also prints the certificate.
class Frm_AgenRet : public Frm_AgenOperacion
{
    Q_OBJECT

public:
    explicit Frm_AgenRet(const ModuleLaunch& launch, QWidget* parent = nullptr);

    // Saves the row and prints its certificate with a new number.
    void Cmd_Imprimir_Click();
    // The certificate through the printer dialog and the preview; true when it was printed.
    bool ImprimirConstancia(const CertificateData& certificate);
    // The last certificate sent to the preview (its number lives for that print only).
    const std::optional<CertificateData>& ultimaConstancia() const { return m_ultima; }

private:
    std::optional<CertificateData> m_ultima;
};

// "Registro de Percepción": the perceptions register; perceptions are not certified.
class Frm_AgenPer : public Frm_AgenOperacion
{
    Q_OBJECT

public:
    explicit Frm_AgenPer(const ModuleLaunch& launch, QWidget* parent = nullptr);

    void Calc_ImpPercibido() { Calc_ImpRetenido(); }
};

}
