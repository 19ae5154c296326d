#pragma once

#include "app/buttonrules.h"
#include "app/modulegates.h"
#include "app/register/taxpayers.h"

#include <QHash>
#include <QMainWindow>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QWidget;

namespace ventrix {
class ElidedLabel;
class HoverStatusFilter;
class ModuleRegistry;
class TimedStatusLine;
}

namespace ventrix::app {

class TaxpayerGridModel;

// The main window ("Menú Principal"): the register of taxpayers and the only way into the modules.
class Frm_Principal : public QMainWindow
{
    Q_OBJECT

public:
    explicit Frm_Principal(QSqlDatabase db, QWidget* parent = nullptr, ModuleRegistry* registry = nullptr);
    ~Frm_Principal() override;

    // The selected taxpayer (0: none); selecting one updates the label, its CP01 state and the buttons.
    qint64 cmdId() const { return m_cmdId; }
    void setCmdId(qint64 id);
    // The state of the selected taxpayer's newest CP01 as the window shows it ("" when unknown).
    QString estadoCp01Text() const { return m_estadoCp01; }

    // Runs the search of Txt_Buscar into the grid.
    void CargarGrilla();
    void Estado_CP01();
    bool VerificaPwd();

    // Replaces the password prompt (Frm_Password by default).
    void setPasswordPrompt(PasswordPrompt prompt) { m_prompt = std::move(prompt); }

    void Cmd_Alta_Click();
    void Cmd_ModifContrib_Click();
    void Cmd_BajaContrib_Click();
    void openModule(Module module);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* addButton(
        MainButton id, const QString& objectName, const QString& text, const QString& hover);
    QWidget* buildGridPanel();
    QWidget* buildButtonPanel();
    void buildTapa();
    void connectButtons();
    void Form_Activate();
    void updateButtons();
    // Returns whether it selected a taxpayer anew (setCmdId ran).
    bool refreshGrid(bool clearWhenEmpty);
    void selectKeyInGrid(qint64 id);
    void onCurrentRowChanged(int row);
    void editTaxpayer(qint64 id, bool passwordVerified);
    bool runCovered(const std::function<void()>& work);
    PasswordPrompt passwordPrompt();

    QSqlDatabase m_db;
    TaxpayerRegister m_register;
    ModuleRegistry* m_registry;
    PasswordPrompt m_prompt;
    qint64 m_cmdId = 0;
    QString m_estadoCp01;
    bool m_firstShow = true;
    bool m_busy = false;

    TaxpayerGridModel* m_model;
    QTableView* m_grid = nullptr;
    QLineEdit* m_buscar = nullptr;
    ElidedLabel* m_seleccionado = nullptr;
    QWidget* m_picture2 = nullptr;
    QLabel* m_tapa = nullptr;
    TimedStatusLine* m_miMsg = nullptr;
    HoverStatusFilter* m_hover = nullptr;
    QHash<MainButton, QPushButton*> m_buttons;
};

}
