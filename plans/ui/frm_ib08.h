#pragma once

#include "common/ui/modulewindow.h"
#include "data/accesodatos.h"
#include "plans/ib08form.h"

#include <QSqlDatabase>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPrinter;
class QListWidget;

namespace ventrix {
class ModuleRegistry;
}

namespace ventrix::plans {

class Ib08Page;

// "Formulario IB08": the general bank payments of the selected taxpayer (interest, fines,
// inscription fees). The CP01 data are shown read only; a payment is chosen from the list or typed
// anew, stored, printed with its concept or deleted. The core checks, asks, stores and prints.
// Opened without a taxpayer it only prints the form in blank, under a notice that says so.
class Frm_IB08 : public ModuleWindow
{
    Q_OBJECT

public:
    Frm_IB08(QSqlDatabase db, qint64 cmdId, QWidget* parent = nullptr);
    ~Frm_IB08() override;

    // False when the taxpayer's inscription could not be used (the reason has been shown).
    bool opened() const { return m_opened; }
    Ib08Form& form() { return m_form; }

    void Cmd_Alta_Click();
    void Cmd_Guardar_Click();
    void Cmd_Borrar_Click();
    void Cmd_Imprimir_Click();
    void pagoElegido();

private:
    void buildLayout();
    QWidget* buildTaxpayerBox();
    QWidget* buildListBox();
    QWidget* buildPaymentBox();
    QWidget* buildConceptBox();
    QLayout* buildButtons();
    QLineEdit* field(const QString& column, FieldKeys keys, bool readOnly = false);

    Ib08Payment typed() const;
    Ib08Concept chosenConcept() const;
    void showPayment();
    void fillList();
    void positionLeft();
    void dateLeft();
    void amountLeft(QLineEdit* edit);
    Result<QString> print(const Ib08Payment& payment, const Ib08Taxpayer& taxpayer, Ib08Concept chosen);
    void printBlank();
    // The preview on the chosen printer; whether the page was printed or saved as PDF.
    bool showPreview(Ib08Page& page, QPrinter& printer);

    data::AccesoDatos m_access;
    Ib08Store m_store;
    Ib08Form m_form;
    bool m_opened = false;
    QWidget* m_work = nullptr;
    QLabel* m_tapa = nullptr;
    QListWidget* m_list = nullptr;
    QLineEdit* m_position = nullptr;
    QLineEdit* m_date = nullptr;
    QLineEdit* m_total = nullptr;
    QButtonGroup* m_concept = nullptr;
    QList<QWidget*> m_recordButtons;
};

void registerIb08Windows(ModuleRegistry& registry);

}
