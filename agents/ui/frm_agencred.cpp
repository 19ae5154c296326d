#include "agents/ui/frm_agencred.h"

#include "agents/agentnumbers.h"
#include "agents/agentsmessages.h"
#include "agents/creditmessages.h"
#include "agents/ui/agentsuimessages.h"
#include "agents/ui/frm_agencredadd.h"
#include "common/help.h"
#include "common/helpids.h"
#include "common/messages.h"
#include "common/printui/dialogoimpresora.h"
#include "common/printui/printpreview.h"
#include "common/ui/timedstatusline.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
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

QTableView* grid(QWidget* parent, const QString& name, QAbstractItemModel* model)
{
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setStretchLastSection(true);
    return view;
}

int currentRow(const QTableView* view)
{
    const QModelIndex at = view->currentIndex();
    return at.isValid() ? at.row() : -1;
}

// A click on a disabled button tells how to enable it. (A disabled button swallows its clicks, so
// only a filter sees them.)
class DisabledClickNotice : public QObject
{
public:
    DisabledClickNotice(QWidget* button, QString notice)
        : QObject(button)
        , m_notice(std::move(notice))
    {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress && !static_cast<QWidget*>(watched)->isEnabled())
            inform(m_notice);
        return false;
    }

private:
    QString m_notice;
};

}

Frm_AgenCred::Frm_AgenCred(const ModuleLaunch& launch, QWidget* parent)
    : Frm_AgenCred(launch, AgentRegister::Retenciones, parent)
{
}

Frm_AgenCred::Frm_AgenCred(const ModuleLaunch& launch, AgentRegister which, QWidget* parent)
    : ModuleWindow(QStringLiteral("Frm_AgenCred"), msg::tituloCreditos(), helpid::Agentes, parent)
    , m_access(launch.db)
    , m_store(m_access)
    , m_form(m_store, launch.cmdId, launch.cp01Id, which, hooks())
{
    buildLayout();
    askBeforeLeaving(msg::salirSinGuardar());
    const auto numbers = readAgentNumbers(m_access, launch.cmdId);
    if (!numbers) {
        fail(numbers.error());
        return;
    }
    if (auto allowed = mayOpenRegister(*numbers, AgentRegister::Retenciones); !allowed) {
        inform(allowed.error());
        return;
    }
    statusLine()->showNotice(msg::cargandoDatos(), 2000);
    const auto agente = m_store.nombreAgente(launch.cp01Id);
    setWindowTitle(msg::tituloCreditos() + agente.valueOr(QString()));
    m_opened = m_form.cargar();
    enablePrint();
}

Frm_AgenCred::~Frm_AgenCred() = default;

int Frm_AgenCred::exec()
{
    return m_opened ? ModuleWindow::exec() : int(QDialog::Rejected);
}

void Frm_AgenCred::setCreditAsker(std::function<std::optional<Money>(const DeclaredOperation&, Money)> asker)
{
    m_asker = std::move(asker);
}

CreditForm::Hooks Frm_AgenCred::hooks()
{
    CreditForm::Hooks h;
    h.status = [this](const QString& text, int ms) {
        statusLine()->showNotice(text, ms);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    h.askCredit = [this](const DeclaredOperation& op, Money disponible) {
        return m_asker ? m_asker(op, disponible) : Frm_AgenCredAdd::preguntar(op, disponible, this);
    };
    h.choosePrinter = [this] {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setDocName(msg::trabajoNcarp());
        return print::DialogoImpresora(*m_printer, this);
    };
    h.preview = [this](NcarpForm& ncarp) { return printNcarp(ncarp); };
    return h;
}

bool Frm_AgenCred::printNcarp(NcarpForm& ncarp)
{
    print::PrintPreview preview(ncarp, msg::cancelarImpresion(), m_printer.get(), this);
    preview.exec();
    return preview.printed() || preview.pdfSaved();
}

void Frm_AgenCred::buildLayout()
{
    m_operaciones = grid(this, QStringLiteral("TDBGrid1"), &m_form.operations());
    m_creditos = grid(this, QStringLiteral("TDB_Credito"), &m_form.credits());
    connect(m_operaciones, &QTableView::doubleClicked, this, &Frm_AgenCred::AddCredito);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Operaciones declaradas"), this));
    layout->addWidget(m_operaciones, 3);
    layout->addWidget(new QLabel(QStringLiteral("Notas de Crédito"), this));
    layout->addWidget(m_creditos, 2);
    layout->addWidget(buildSearch());
    layout->addWidget(buildButtons());
    layout->addWidget(statusLine());
    resize(900, 620);
}

QWidget* Frm_AgenCred::buildSearch()
{
    auto* row = new QWidget(this);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    auto* tipo = new QGroupBox(row);
    tipo->setObjectName(QStringLiteral("Opt_TipoSelec"));
    auto* tipoLayout = new QHBoxLayout(tipo);
    m_noImpresos = new QRadioButton(msg::verNoImpresos(), tipo);
    m_noImpresos->setObjectName(QStringLiteral("Opt_TipoSelec_0"));
    m_todos = new QRadioButton(msg::verTodos(), tipo);
    m_todos->setObjectName(QStringLiteral("Opt_TipoSelec_1"));
    m_noImpresos->setChecked(true);
    tipoLayout->addWidget(m_noImpresos);
    tipoLayout->addWidget(m_todos);
    auto* busca = new QGroupBox(QStringLiteral("Buscar x N° Factura"), row);
    auto* buscaLayout = new QHBoxLayout(busca);
    m_factura = new QLineEdit(busca);
    m_factura->setObjectName(QStringLiteral("Txt_Busc_x_Factura"));
    enterMovesOn(m_factura);
    auto* buscar = button(busca, QStringLiteral("Buscar"), QStringLiteral("Cmd_BuscarReg"));
    buscaLayout->addWidget(m_factura);
    buscaLayout->addWidget(buscar);
    h->addWidget(tipo);
    h->addWidget(busca, 1);
    connect(m_noImpresos, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            QueryVerImprimir();
    });
    connect(m_todos, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            QueryVerImprimir();
    });
    connect(buscar, &QPushButton::clicked, this, &Frm_AgenCred::QueryVerImprimir);
    return row;
}

QWidget* Frm_AgenCred::buildButtons()
{
    auto* row = new QWidget(this);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    auto* credito = button(row, QStringLiteral("&Crédito"), QStringLiteral("Cmd_VerCred"));
    auto* guardar = button(row, QStringLiteral("&Guardar"), QStringLiteral("Cmd_Guardar"));
    auto* borrar = button(row, QStringLiteral("&Borrar"), QStringLiteral("Cmd_Borrar"));
    auto* buscar = button(row, QStringLiteral("&Buscar Imprimir"), QStringLiteral("Cmb_Buscar"));
    m_imprimir = button(row, QStringLiteral("&Imprimir"), QStringLiteral("Cmd_Imprimir"));
    new DisabledClickNotice(m_imprimir, msg::habiliteImprimir());
    auto* ayuda = button(row, QStringLiteral("&Ayuda"), QStringLiteral("Cmd_Help1"));
    auto* salir = button(row, QStringLiteral("&Salir"), QStringLiteral("Cmd_Aceptar"));
    for (QWidget* w : std::initializer_list<QWidget*> { credito, guardar, borrar, buscar, m_imprimir })
        h->addWidget(w);
    h->addStretch();
    h->addWidget(ayuda);
    h->addWidget(salir);
    connect(credito, &QPushButton::clicked, this, &Frm_AgenCred::AddCredito);
    connect(guardar, &QPushButton::clicked, this, &Frm_AgenCred::Cmd_Guardar_Click);
    connect(borrar, &QPushButton::clicked, this, &Frm_AgenCred::Cmd_Borrar_Click);
    connect(buscar, &QPushButton::clicked, this, &Frm_AgenCred::QueryVerImprimir);
    connect(m_imprimir, &QPushButton::clicked, this, &Frm_AgenCred::Imprimir_DDJJ);
    connect(ayuda, &QPushButton::clicked, this, [] { HelpService::instance().openContext(helpid::Agentes); });
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);
    return row;
}

void Frm_AgenCred::enablePrint()
{
    m_imprimir->setEnabled(m_form.printEnabled());
}

void Frm_AgenCred::AddCredito()
{
    if (m_form.AddCreditoDe(currentRow(m_operaciones)))
        setModified(true);
}

void Frm_AgenCred::Cmd_Guardar_Click()
{
    m_form.Guardar();
    setModified(m_form.hasPending());
}

void Frm_AgenCred::Cmd_Borrar_Click()
{
    m_form.Borrar(currentRow(m_creditos));
    setModified(m_form.hasPending());
}

void Frm_AgenCred::QueryVerImprimir()
{
    m_form.QueryVerImprimir(m_noImpresos->isChecked(), m_factura->text());
    enablePrint();
}

void Frm_AgenCred::Imprimir_DDJJ()
{
    m_form.Imprimir_DDJJ();
    setModified(m_form.hasPending());
}

}
