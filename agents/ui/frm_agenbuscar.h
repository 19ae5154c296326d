#pragma once

#include "agents/operationstore.h"

#include <QDialog>

class QLineEdit;
class QTableWidget;

namespace ventrix::agents {

// "Buscar Contribuyentes": the counterparts of every taxpayer in the database whose name begins
// with the text typed, or whose CUIT or I.S.I.B. number holds it; Aceptar hands the chosen one back.
class Frm_AgenBuscar : public QDialog
{
    Q_OBJECT

public:
    enum Column { Contribuyente, Cuit, Brutos, ColumnCount };

    // The store's register decides the mode ("Retencion" or "Percepcion").
    explicit Frm_AgenBuscar(OperationStore& store, QWidget* parent = nullptr);

    QString mode() const;
    void Command1_Click();
    // The chosen counterpart; nullopt after Cancelar or with nothing chosen.
    const std::optional<Counterpart>& chosen() const { return m_chosen; }
    // Name, CUIT and I.B. number of the choice joined by "@"; empty after Cancelar.
    QString key() const;

private:
    void Command2_Click();

    OperationStore& m_store;
    QLineEdit* m_text = nullptr;
    QTableWidget* m_grid = nullptr;
    QList<Counterpart> m_found;
    std::optional<Counterpart> m_chosen;
};

}
