#pragma once

#include "agents/creditrecord.h"
#include "common/ui/modulewindow.h"

class QLineEdit;

namespace ventrix::agents {

// "Nota de Crédito": the credit given back on one declared operation, shown with the operation's
// date, amount, base, invoice and rate. Aceptar answers "OK" only with a credit the core accepts.
class Frm_AgenCredAdd : public ModuleWindow
{
    Q_OBJECT

public:
    Frm_AgenCredAdd(const DeclaredOperation& op, Money disponible, QWidget* parent = nullptr);

    // The fields rewritten with their decimals; the refusal shown when the credit is too large.
    void Calc_ImpCredito();
    void Command2_Click();
    Money credito() const { return m_credito; }
    CreditFields fields() const;

    // The dialog for the operation; the credit on "Aceptar", nullopt on "Cancelar".
    static std::optional<Money> preguntar(const DeclaredOperation& op, Money disponible, QWidget* parent);

private:
    QLineEdit* field(const QString& name, const QString& text, bool editable);
    void showFields(const CreditFields& f);

    Money m_disponible;
    Money m_credito;
    QLineEdit* m_importe = nullptr;
    QLineEdit* m_fecha = nullptr;
    QLineEdit* m_importeOp = nullptr;
    QLineEdit* m_base = nullptr;
    QLineEdit* m_factura = nullptr;
    QLineEdit* m_alicuota = nullptr;
};

}
