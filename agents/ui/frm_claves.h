#pragma once

#include "agents/agentnumbers.h"
#include "common/ui/moduleregistry.h"
#include "common/ui/modulewindow.h"

class QCheckBox;

namespace ventrix {
class IdentifierEdit;
}

namespace ventrix::agents {

// "Autorizaciones": the agent's inscription data and the numbers the authority assigned to it as
// withholding and perception agent. The inscription data can be changed only with "Form CP01"
// ticked; the numbers are checked by their check digit and stored in the taxpayer's row.
class Frm_Claves : public ModuleWindow
{
    Q_OBJECT

public:
    explicit Frm_Claves(const ModuleLaunch& launch, QWidget* parent = nullptr);
    ~Frm_Claves() override;

    bool opened() const { return m_opened; }
    ClavesForm& form() { return m_form; }

    // The check of a masked number field: a refused number empties the field.
    static bool NumAgente_Check(IdentifierEdit* field);
    // "&Guardar": the screen closes when the numbers were stored.
    void Command1_Click();

private:
    QWidget* buildCp01Frame();
    QWidget* numberFrame(const QString& title, const QString& column, IdentifierEdit** field);
    void setCp01Editable(bool editable);
    void showData();

    data::AccesoDatos m_access;
    ClavesForm m_form;
    bool m_opened = false;
    QCheckBox* m_formCp01 = nullptr;
    IdentifierEdit* m_retencion = nullptr;
    IdentifierEdit* m_percepcion = nullptr;
};

}
