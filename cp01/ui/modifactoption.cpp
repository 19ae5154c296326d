#include "cp01/ui/modifactoption.h"

#include "cp01/cp01messages.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ventrix::cp01 {

ModifActOption::ModifActOption(const QString& title, const QString& optionD, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ModifActOption"));
    setWindowTitle(title.isEmpty() ? QStringLiteral("Fabricación") : title);
    auto* layout = new QVBoxLayout(this);
    auto* frame = new QGroupBox(msg::marcoNoVende(), this);
    auto* frameLayout = new QVBoxLayout(frame);
    const auto add = [this](FabricacionOption option, const QString& text, QWidget* box, QVBoxLayout* into) {
        auto* radio = new QRadioButton(text, box);
        radio->setObjectName(QStringLiteral("Option%1").arg(QChar(char16_t(u'A' + m_options.size()))));
        m_options.append({ option, radio });
        into->addWidget(radio);
        return radio;
    };
    add(FabricacionOption::CumpleDecreto, msg::opcionCumpleDecreto(), frame, frameLayout);
    add(FabricacionOption::NoCumpleDecreto, msg::opcionNoCumpleDecreto(), frame, frameLayout);
    layout->addWidget(frame);
    add(FabricacionOption::ConsumidorFinal, msg::opcionConsumidorFinal(), this, layout);
    add(FabricacionOption::Otra, optionD, this, layout)->setVisible(!optionD.isEmpty());
    auto* aceptar = new QPushButton(QStringLiteral("&Aceptar"), this);
    aceptar->setObjectName(QStringLiteral("Cmd_Aceptar"));
    aceptar->setDefault(true);
    layout->addWidget(aceptar, 0, Qt::AlignRight);
    connect(aceptar, &QPushButton::clicked, this, &ModifActOption::Cmd_Aceptar_Click);
}

void ModifActOption::Cmd_Aceptar_Click()
{
    for (const auto& [option, radio] : m_options)
        if (radio->isChecked())
            m_chosen = option;
    accept();
}

FabricacionOption ModifActOption::ask(const QString& title, const QString& optionD, QWidget* parent)
{
    ModifActOption dialog(title, optionD, parent);
    dialog.exec();
    return dialog.chosen();
}

}
