#include "agents/ui/control_arp.h"

#include "agents/ui/agentsuimessages.h"
#include "common/messages.h"
#include "common/printui/printpreview.h"
#include "common/ui/timedstatusline.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace ventrix::agents {

Control_ARP::Control_ARP(
    const ModuleLaunch& launch, AgentRegister which, const ArpPeriod& period, QWidget* parent)
    : QDialog(parent)
    , m_launch(launch)
    , m_which(which)
    , m_period(period)
    , m_access(launch.db)
    , m_store(m_access, RegisterKind::of(which))
{
    setObjectName(QStringLiteral("Control_ARP"));
    build();
    setWindowTitle(controlCaption(which, period));
    if (period.desde > period.hasta) {
        m_status->showNotice(msg::periodoInicialMayor(), 2500);
        return;
    }
    Cargar();
}

void Control_ARP::build()
{
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(controlCaption(m_which, m_period), this);
    caption->setObjectName(QStringLiteral("Lab_Titulo"));
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    layout->addWidget(caption);

    m_model = new ControlModel(this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("TDBGrid1"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->horizontalHeader()->setDefaultSectionSize(84);
    m_grid->horizontalHeader()->resizeSection(ControlModel::Base, 104);
    m_grid->horizontalHeader()->setSectionResizeMode(ControlModel::Contribuyente, QHeaderView::Stretch);
    layout->addWidget(m_grid, 1);

    auto* totals = new QHBoxLayout;
    m_totalBase = new QLabel(this);
    m_totalBase->setObjectName(QStringLiteral("Lab_TotalBase"));
    m_totalImporte = new QLabel(this);
    m_totalImporte->setObjectName(QStringLiteral("Lab_TotalImporte"));
    totals->addStretch(1);
    totals->addWidget(m_totalBase);
    totals->addSpacing(24);
    totals->addWidget(m_totalImporte);
    layout->addLayout(totals);

    auto* buttons = new QHBoxLayout;
    m_status = new TimedStatusLine(this);
    buttons->addWidget(m_status, 1);
    m_imprimir = new QPushButton(msg::botonImprimirControl(), this);
    m_imprimir->setObjectName(QStringLiteral("Cmd_Imprimir"));
    m_borrar = new QPushButton(msg::botonBorrarControl(), this);
    m_borrar->setObjectName(QStringLiteral("Cmd_Borrar"));
    auto* salir = new QPushButton(msg::botonSalirControl(), this);
    salir->setObjectName(QStringLiteral("Cmd_Salir"));
    for (QPushButton* b : { m_imprimir, m_borrar, salir })
        buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(m_imprimir, &QPushButton::clicked, this, &Control_ARP::Cmd_Imprimir_Click);
    connect(m_borrar, &QPushButton::clicked, this, &Control_ARP::Cmd_Borrar_Click);
    connect(salir, &QPushButton::clicked, this, &QDialog::accept);
    resize(960, 520);
}

QString Control_ARP::totalImporteText() const
{
    return m_totalImporte->text();
}

QString Control_ARP::totalBaseText() const
{
    return m_totalBase->text();
}

void Control_ARP::Cargar()
{
    const auto month = readControlMonth(m_access, m_launch.cmdId, RegisterKind::of(m_which), m_period);
    if (!month) {
        fail(month.error());
        return;
    }
    m_totalBase->setText(msg::totalBaseControl(month->sumBase.toDisplay()));
    m_totalImporte->setText(
        msg::totalImporteControl(m_which == AgentRegister::Retenciones, month->sumImporte.toDisplay()));
    m_model->setMonth(*month);
}

void Control_ARP::Cmd_Imprimir_Click()
{
    ConstanciasReport report(m_model->month());
    print::previewAndPrint(report, msg::cancelarImpresion(), this);
}

void Control_ARP::Cmd_Borrar_Click()
{
    DeclarationForm form(m_store, m_launch.cmdId,
        { [this](const QString& text, int ms) { m_status->showNotice(text, ms); }, {} });
    if (form.borrar(m_period))
        Cargar();
}

}
