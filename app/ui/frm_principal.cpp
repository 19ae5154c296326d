#include "app/ui/frm_principal.h"

#include "app/register/passwordcheck.h"
#include "app/register/registermessages.h"
#include "app/ui/frm_idcontrib.h"
#include "app/ui/frm_password.h"
#include "app/ui/taxpayergridmodel.h"
#include "common/appinfo.h"
#include "common/help.h"
#include "common/helpids.h"
#include "common/messages.h"
#include "common/ui/elidedlabel.h"
#include "common/ui/fieldkeyfilter.h"
#include "common/ui/helpkey.h"
#include "common/ui/hoverstatusfilter.h"
#include "common/ui/moduleregistry.h"
#include "common/ui/timedstatusline.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPalette>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

namespace ventrix::app {

Frm_Principal::Frm_Principal(QSqlDatabase db, QWidget* parent, ModuleRegistry* registry)
    : QMainWindow(parent)
    , m_db(db)
    , m_register(db)
    , m_registry(registry ? registry : &ModuleRegistry::instance())
    , m_model(new TaxpayerGridModel(db, this))
{
    setObjectName(QStringLiteral("Frm_Principal"));
    setWindowTitle(mainCaption());
    m_miMsg = new TimedStatusLine(this);
    m_miMsg->setObjectName(QStringLiteral("MiMsg"));
    m_hover = new HoverStatusFilter(m_miMsg, this);

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(buildGridPanel(), 1);
    layout->addWidget(buildButtonPanel());
    setCentralWidget(central);
    statusBar()->addWidget(m_miMsg, 1);
    statusBar()->setSizeGripEnabled(true);
    connectButtons();
    updateButtons();
    setHelpContext(this, helpid::Principal);
    installHelpKey();
    // Fits a 1024 x 768 screen with the window's frame and the desktop's panel.
    resize(980, 640);
}

Frm_Principal::~Frm_Principal() = default;

QWidget* Frm_Principal::buildGridPanel()
{
    auto* box = new QGroupBox(QStringLiteral("Nick de Contribuyentes"), this);
    m_buscar = new QLineEdit(box);
    m_buscar->setObjectName(QStringLiteral("Txt_Buscar"));
    m_buscar->setPlaceholderText(QStringLiteral("Identificación o N° de referencia"));
    FieldKeyFilter::install(m_buscar, FieldKeys::Text);
    auto* searchLabel = new QLabel(QStringLiteral("Buscar:"), box);
    searchLabel->setBuddy(m_buscar);

    m_grid = new QTableView(box);
    m_grid->setObjectName(QStringLiteral("TDBGrid1"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setAlternatingRowColors(true);
    m_grid->setWordWrap(false);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 8);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->setColumnWidth(TaxpayerGridModel::Identificacion, 280);
    m_grid->setColumnWidth(TaxpayerGridModel::NumRef, 120);
    m_grid->setColumnWidth(TaxpayerGridModel::Telefono, 110);

    m_seleccionado = new ElidedLabel(box);
    m_seleccionado->setObjectName(QStringLiteral("Lab_Contribuyente_Selecc"));
    QFont bold = m_seleccionado->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    m_seleccionado->setFont(bold);
    QPalette palette = m_seleccionado->palette();
    palette.setColor(QPalette::WindowText, QColor(0x0b, 0x3d, 0x91));
    m_seleccionado->setPalette(palette);

    auto* search = new QHBoxLayout;
    search->addWidget(searchLabel);
    search->addWidget(m_buscar, 1);
    search->addWidget(addButton(
        MainButton::BuscarGrilla, QStringLiteral("Cmd_BuscarGrilla"), QStringLiteral("&Buscar"), {}));
    auto* selected = new QHBoxLayout;
    selected->addWidget(new QLabel(QStringLiteral("Contribuyente seleccionado:"), box));
    selected->addWidget(m_seleccionado, 1);

    auto* layout = new QVBoxLayout(box);
    layout->addLayout(search);
    layout->addWidget(m_grid, 1);
    layout->addLayout(selected);
    return box;
}

QPushButton* Frm_Principal::addButton(
    MainButton id, const QString& objectName, const QString& text, const QString& hover)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    m_hover->watch(button, hover);
    m_buttons.insert(id, button);
    return button;
}

QWidget* Frm_Principal::buildButtonPanel()
{
    using namespace taxpayers::msg;
    m_picture2 = new QWidget(this);
    m_picture2->setObjectName(QStringLiteral("Picture2"));
    auto* layout = new QVBoxLayout(m_picture2);
    layout->setContentsMargins(0, 0, 0, 0);

    auto group = [&](const QString& title, const QList<QPushButton*>& buttons) {
        auto* box = new QGroupBox(title, m_picture2);
        auto* inner = new QVBoxLayout(box);
        for (QPushButton* b : buttons) {
            b->setMinimumHeight(30);
            inner->addWidget(b);
        }
        layout->addWidget(box);
    };
    group(QStringLiteral("Contribuyentes"),
        { addButton(MainButton::Alta, QStringLiteral("Cmd_Alta"), QStringLiteral("Alta"), AyudaAlta),
            addButton(MainButton::ModifContrib, QStringLiteral("Cmd_ModifContrib"),
                QStringLiteral("Modificación"), AyudaModif),
            addButton(MainButton::BajaContrib, QStringLiteral("Cmd_BajaContrib"), QStringLiteral("Borrar"),
                AyudaBaja) });
    group(QStringLiteral("Formularios"),
        { addButton(MainButton::Cp01, QStringLiteral("Cmd_Cp01"), QStringLiteral("CP01"), AyudaCp01),
            addButton(MainButton::Sid3, QStringLiteral("Cmd_Sid3"), QStringLiteral("&CP03 Sid3"), AyudaSid3),
            addButton(MainButton::Cp02, QStringLiteral("Cmd_Cp02"), QStringLiteral("CP02"), AyudaCp02),
            addButton(MainButton::Arp, QStringLiteral("Cmd_ARP"), QStringLiteral("&ARP"), AyudaArp),
            addButton(MainButton::Pfp, QStringLiteral("Cmd_PFP"), QStringLiteral("&PFP"), AyudaPfp),
            addButton(MainButton::Ib08, QStringLiteral("Cmd_IB08"), QStringLiteral("Formulario IB08"),
                AyudaGeneral) });
    group(QStringLiteral("Tablas"),
        { addButton(
            MainButton::Indices, QStringLiteral("Cmd_Indices"), QStringLiteral("&Tasas"), AyudaIndices) });
    layout->addStretch(1);
    for (QPushButton* b :
        { addButton(MainButton::Help, QStringLiteral("Com_Help"), QStringLiteral("A&yuda"), AyudaGeneral),
            addButton(MainButton::Salir, QStringLiteral("Salir"), QStringLiteral("&Salir"), AyudaSalir) }) {
        b->setMinimumHeight(30);
        layout->addWidget(b);
    }
    m_picture2->setFixedWidth(190);
    return m_picture2;
}

void Frm_Principal::buildTapa()
{
    // Built on first use: nothing of it is needed to show the window.
    if (m_tapa)
        return;
    m_tapa = new QLabel(this);
    m_tapa->setObjectName(QStringLiteral("PicTapa"));
    m_tapa->setAlignment(Qt::AlignCenter);
    m_tapa->setTextFormat(Qt::RichText);
    m_tapa->setText(QStringLiteral("<div style='font-size:30pt; font-weight:bold'>")
        + productName().toHtmlEscaped()
        + QStringLiteral("</div><div style='font-size:13pt'>Formulario en uso...</div>"));
    QLinearGradient gradient(0, 0, 0, 1);
    gradient.setCoordinateMode(QGradient::ObjectMode);
    gradient.setColorAt(0, QColor(0x1f, 0x4e, 0x79));
    gradient.setColorAt(1, QColor(0x0b, 0x22, 0x39));
    QPalette palette = m_tapa->palette();
    palette.setBrush(QPalette::Window, gradient);
    palette.setColor(QPalette::WindowText, Qt::white);
    m_tapa->setPalette(palette);
    m_tapa->setAutoFillBackground(true);
    m_tapa->hide();
}

void Frm_Principal::connectButtons()
{
    auto on = [this](MainButton id, auto slot) {
        connect(m_buttons.value(id), &QPushButton::clicked, this, slot);
    };
    on(MainButton::BuscarGrilla, [this] { CargarGrilla(); });
    on(MainButton::Alta, [this] { Cmd_Alta_Click(); });
    on(MainButton::ModifContrib, [this] { Cmd_ModifContrib_Click(); });
    on(MainButton::BajaContrib, [this] { Cmd_BajaContrib_Click(); });
    on(MainButton::Cp01, [this] { openModule(Module::Cp01); });
    on(MainButton::Sid3, [this] { openModule(Module::Sid3); });
    on(MainButton::Cp02, [this] { openModule(Module::Cp02); });
    on(MainButton::Arp, [this] { openModule(Module::Arp); });
    on(MainButton::Pfp, [this] { openModule(Module::Pfp); });
    on(MainButton::Ib08, [this] { openModule(Module::Ib08); });
    on(MainButton::Indices, [this] { openModule(Module::Tasas); });
    on(MainButton::Help, [] { Ayuda_Indice(); });
    on(MainButton::Salir, [this] { close(); });

    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex& current) { onCurrentRowChanged(current.row()); });
    // Each keystroke narrows the grid at once; leaving the box or Buscar run the full search.
    connect(m_buscar, &QLineEdit::textEdited, this, [this] { refreshGrid(false); });
    connect(m_buscar, &QLineEdit::editingFinished, this, [this] {
        if (m_buscar->isModified()) {
            m_buscar->setModified(false);
            CargarGrilla();
        }
    });
}

void Frm_Principal::setCmdId(qint64 id)
{
    m_cmdId = id > 0 ? id : 0;
    const auto taxpayer = m_cmdId ? m_register.read(m_cmdId).valueOr(std::nullopt) : std::nullopt;
    m_seleccionado->setFullText(taxpayer ? QStringLiteral("  ") + taxpayer->contribuyente : QString());
    Estado_CP01();
    updateButtons();
    selectKeyInGrid(m_cmdId);
}

void Frm_Principal::Estado_CP01()
{
    const auto estado = m_cmdId ? m_register.estadoCp01(m_cmdId).valueOr(std::nullopt) : std::nullopt;
    m_estadoCp01 = estado ? QString::number(*estado) : QString();
}

void Frm_Principal::updateButtons()
{
    for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it)
        it.value()->setEnabled(isButtonEnabled(it.key(), m_cmdId, m_estadoCp01));
}

void Frm_Principal::CargarGrilla()
{
    refreshGrid(true);
}

bool Frm_Principal::refreshGrid(bool clearWhenEmpty)
{
    if (!m_model->reload(m_buscar->text())) {
        fail(taxpayers::msg::ErrorBase);
        return false;
    }
    if (m_model->rowCount() == 0) {
        m_miMsg->showNotice(taxpayers::msg::NoHayRegistros);
        if (!clearWhenEmpty)
            return false;
        m_buscar->clear();
        m_buscar->setFocus();
        setCmdId(0);
        return true;
    }
    if (m_cmdId != 0) {
        selectKeyInGrid(m_cmdId);
        return false;
    }
    setCmdId(m_model->keyAt(0));
    return true;
}

void Frm_Principal::selectKeyInGrid(qint64 id)
{
    const int row = m_model->rowOfKey(id);
    if (row < 0) {
        m_grid->selectionModel()->clear();
        return;
    }
    const QModelIndex index = m_model->index(row, 0);
    m_grid->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_grid->scrollTo(index);
}

void Frm_Principal::onCurrentRowChanged(int row)
{
    const qint64 key = m_model->keyAt(row);
    if (key != 0 && key != m_cmdId)
        setCmdId(key);
}

PasswordPrompt Frm_Principal::passwordPrompt()
{
    if (m_prompt)
        return m_prompt;
    return [this] { return Frm_Password::ask(this); };
}

bool Frm_Principal::VerificaPwd()
{
    return ventrix::app::VerificaPwd(m_register, m_cmdId, passwordPrompt());
}

bool Frm_Principal::runCovered(const std::function<void()>& work)
{
    if (m_busy)
        return false;
    m_busy = true;
    buildTapa();
    m_tapa->setGeometry(rect());
    m_tapa->raise();
    m_tapa->show();
    work();
    m_tapa->hide();
    m_busy = false;
    return true;
}

void Frm_Principal::editTaxpayer(qint64 id, bool passwordVerified)
{
    runCovered([&] {
        Frm_Id_Contrib screen(m_db, id, passwordPrompt(), passwordVerified, this);
        if (screen.prepare() && screen.exec() == QDialog::Accepted && screen.savedId() > 0)
            m_cmdId = screen.savedId();
    });
    CargarGrilla();
    if (m_cmdId > 0 && m_model->rowOfKey(m_cmdId) < 0 && !m_buscar->text().isEmpty()) {
        // The taxpayer just saved is outside the current search: show the whole register.
        m_buscar->clear();
        CargarGrilla();
    }
    setCmdId(m_cmdId);
}

void Frm_Principal::Cmd_Alta_Click()
{
    m_cmdId = 0;
    editTaxpayer(0, true);
}

void Frm_Principal::Cmd_ModifContrib_Click()
{
    if (!VerificaPwd())
        return;
    if (m_cmdId == 0) {
        warn(taxpayers::msg::SeleccioneContribuyente);
        return;
    }
    editTaxpayer(m_cmdId, true);
}

void Frm_Principal::Cmd_BajaContrib_Click()
{
    if (!VerificaPwd())
        return;
    const auto read = m_register.read(m_cmdId);
    if (!read) {
        fail(taxpayers::msg::ErrorBase);
        return;
    }
    const std::optional<Taxpayer>& taxpayer = *read;
    if (m_cmdId == 0 || !taxpayer) {
        warn(taxpayers::msg::SeleccioneContribuyente);
        return;
    }
    if (!askYesNo(taxpayers::msg::preguntaBorrar(taxpayer->contribuyente), MessageIcon::Question, false,
            helpid::BorrarContribuyente))
        return;
    if (!m_register.remove(m_cmdId)) {
        fail(taxpayers::msg::ErrorBorrar);
        return;
    }
    m_miMsg->showNotice(taxpayer->contribuyente + taxpayers::msg::DatosBorrados);
    setCmdId(0);
    CargarGrilla();
}

void Frm_Principal::openModule(Module module)
{
    if (m_busy)
        return;
    // A module not built into this version says so at once, rather than asking for a password
    // or sending the user to another module that cannot open either.
    if (!m_registry->contains(moduleKeyOf(module))) {
        inform(taxpayers::msg::ModuloNoDisponible);
        return;
    }
    m_picture2->setEnabled(false);
    const GateOutcome outcome = ModuleGates(m_db, passwordPrompt()).run(module, m_cmdId);
    if (outcome.open && !m_registry->contains(outcome.moduleKey)) {
        inform(taxpayers::msg::ModuloNoDisponible);
    } else if (outcome.open) {
        runCovered([&] { m_registry->runModal(outcome.moduleKey, { m_db, m_cmdId, outcome.cp01Id }, this); });
    }
    m_picture2->setEnabled(true);
    Form_Activate();
}

void Frm_Principal::Form_Activate()
{
    if (m_busy)
        return;
    // With nobody selected the search selects a taxpayer, reading its state and setting the
    // buttons on the way: no need to do it twice.
    if (m_cmdId == 0 && refreshGrid(true))
        return;
    Estado_CP01();
    updateButtons();
}

void Frm_Principal::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_firstShow)
        return;
    m_firstShow = false;
    Form_Activate();
    m_buttons.value(MainButton::Salir)->setFocus();
}

void Frm_Principal::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_firstShow)
        Form_Activate();
}

void Frm_Principal::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (m_tapa)
        m_tapa->setGeometry(rect());
}

void Frm_Principal::closeEvent(QCloseEvent* event)
{
    if (m_busy) {
        event->ignore();
        return;
    }
    Ayuda_Cerrar();
    QMainWindow::closeEvent(event);
}

}
