#pragma once

#include "cp01/activityrules.h"

#include <QDialog>

class QRadioButton;

namespace ventrix::cp01 {

// "Fabricación": how a manufacturer sells, asked when a manufacturing activity is chosen. The
// fourth option shows only when the caller gives its text.
class ModifActOption : public QDialog
{
    Q_OBJECT

public:
    ModifActOption(const QString& title, const QString& optionD, QWidget* parent = nullptr);

    FabricacionOption chosen() const { return m_chosen; }

    // Opens the dialog modal and answers the option chosen (None when closed without one).
    static FabricacionOption ask(const QString& title, const QString& optionD, QWidget* parent);

private:
    void Cmd_Aceptar_Click();

    QList<QPair<FabricacionOption, QRadioButton*>> m_options;
    FabricacionOption m_chosen = FabricacionOption::None;
};

}
