#include "agents/ui/frm_agenbuscar.h"

#include "common/messages.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ventrix::agents {
namespace {

QPushButton* button(QWidget* parent, const QString& text, const QString& name)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

}

Frm_AgenBuscar::Frm_AgenBuscar(OperationStore& store, QWidget* parent)
    : QDialog(parent)
    , m_store(store)
{
    setObjectName(QStringLiteral("Frm_AgenBuscar"));
    setWindowTitle(QStringLiteral("Buscar Contribuyentes"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("Text1"));
    auto* buscar = button(this, QStringLiteral("&Buscar"), QStringLiteral("Command1"));
    buscar->setDefault(true);
    m_grid = new QTableWidget(0, ColumnCount, this);
    m_grid->setObjectName(QStringLiteral("Grilla"));
    m_grid->setHorizontalHeaderLabels(
        { QStringLiteral("Contribuyente"), QStringLiteral("CUIT"), QStringLiteral("Ing. Brutos") });
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->horizontalHeader()->setSectionResizeMode(Contribuyente, QHeaderView::Stretch);
    m_grid->verticalHeader()->hide();
    auto* aceptar = button(this, QStringLiteral("&Aceptar"), QStringLiteral("Command2"));
    auto* cancelar = button(this, QStringLiteral("&Cancelar"), QStringLiteral("Command3"));
    connect(buscar, &QPushButton::clicked, this, &Frm_AgenBuscar::Command1_Click);
    connect(aceptar, &QPushButton::clicked, this, &Frm_AgenBuscar::Command2_Click);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, &Frm_AgenBuscar::Command2_Click);

    auto* top = new QHBoxLayout;
    top->addWidget(m_text, 1);
    top->addWidget(buscar);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(aceptar);
    bottom->addWidget(cancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    layout->addLayout(bottom);
    resize(560, 360);
}

QString Frm_AgenBuscar::mode() const
{
    return m_store.kind().which == AgentRegister::Retenciones ? QStringLiteral("Retencion")
                                                              : QStringLiteral("Percepcion");
}

void Frm_AgenBuscar::Command1_Click()
{
    auto found = m_store.counterparts(m_text->text());
    if (!found) {
        fail(found.error());
        return;
    }
    m_found = *found;
    m_grid->setRowCount(0);
    for (const Counterpart& c : m_found) {
        const int row = m_grid->rowCount();
        m_grid->insertRow(row);
        m_grid->setItem(row, Contribuyente, new QTableWidgetItem(c.contribuyente));
        m_grid->setItem(row, Cuit, new QTableWidgetItem(c.cuit));
        m_grid->setItem(row, Brutos, new QTableWidgetItem(c.iBrutos));
    }
    if (!m_found.isEmpty())
        m_grid->selectRow(0);
}

void Frm_AgenBuscar::Command2_Click()
{
    const int row = m_grid->currentRow();
    if (row < 0 || row >= m_found.size())
        return;
    m_chosen = m_found.at(row);
    accept();
}

QString Frm_AgenBuscar::key() const
{
    if (!m_chosen)
        return {};
    return m_chosen->contribuyente + u'@' + m_chosen->cuit + u'@' + m_chosen->iBrutos;
}

}
