#pragma once

#include "sid3/nuevotramite.h"

#include <QDialog>

class QLineEdit;
class QListWidget;

namespace ventrix::sid3 {

// "NuevoTramite": the period (month and year boxes) and the procedure a new declaration starts
// with; the previous month is proposed and every refusal is the core's.
class NuevoTramiteDialog : public QDialog
{
    Q_OBJECT

public:
    NuevoTramiteDialog(NuevoTramite& rules, QWidget* parent = nullptr);

    // Proposes the month before today.
    void CargaTasa();
    // "&Aceptar": checks the period and procedure and closes with them.
    void Salir_Click();
    // The month box left: 1 to 12.
    bool checkMonthBox();
    // The year box left: written with four digits, 2200 at most, two-digit years in the 1900s.
    void checkYearBox();

    // What was accepted; nullopt when the dialog was cancelled.
    const std::optional<NewPeriod>& chosen() const { return m_chosen; }

private:
    std::optional<Procedure> procedure() const;

    NuevoTramite& m_rules;
    QLineEdit* m_mes = nullptr;
    QLineEdit* m_anio = nullptr;
    QListWidget* m_list = nullptr;
    std::optional<NewPeriod> m_chosen;
};

}
