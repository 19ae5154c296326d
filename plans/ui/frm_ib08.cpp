#include "plans/ui/frm_ib08.h"

#include "common/help.h"
#include "common/helpids.h"
#include "common/messages.h"
#include "common/modulekeys.h"
#include "common/printui/dialogoimpresora.h"
#include "common/printui/printpreview.h"
#include "common/regional.h"
#include "common/ui/moduleregistry.h"
#include "common/ui/timedstatusline.h"
#include "plans/ib08checks.h"
#include "plans/ib08messages.h"
#include "plans/ib08printflow.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ventrix::plans {
namespace {

const QString Cp01Prefix = QStringLiteral("CP01");

QPushButton* button(QWidget* parent, const QString& text, const QString& name)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

}

Frm_IB08::Frm_IB08(QSqlDatabase db, qint64 cmdId, QWidget* parent)
    : ModuleWindow(QStringLiteral("Frm_IB08"), msg::ib08Titulo(), helpid::Pagos, parent)
    , m_access(std::move(db))
    , m_store(m_access)
    , m_form(m_store, cmdId,
          { [this](const QString& text, int ms) { statusLine()->showNotice(text, ms); },
              [this](const Ib08Payment& p, const Ib08Taxpayer& t, Ib08Concept c) { return print(p, t, c); },
              [this] { printBlank(); } })
{
    buildLayout();
    if (!m_form.open())
        return;
    m_opened = true;
    m_work->setVisible(!m_form.isBlank());
    m_tapa->setVisible(m_form.isBlank());
    for (QWidget* b : m_recordButtons)
        b->setEnabled(!m_form.isBlank());
    if (m_form.isBlank())
        return;
    const Ib08Taxpayer& t = m_form.taxpayer();
    loadFields(Cp01Prefix,
        { { QStringLiteral("CP01_Contribuyente"), t.contribuyente }, { QStringLiteral("CP01_CUIT"), t.cuit },
            { QStringLiteral("CP01_IngBrut"), t.ingBrut } });
    fillList();
    showPayment();
}

void Frm_IB08::buildLayout()
{
    m_work = new QWidget(this);
    auto* top = new QHBoxLayout;
    top->addWidget(buildListBox());
    auto* right = new QVBoxLayout;
    right->addWidget(buildPaymentBox());
    right->addWidget(buildConceptBox());
    right->addStretch();
    top->addLayout(right, 1);
    auto* workLayout = new QVBoxLayout(m_work);
    workLayout->setContentsMargins(0, 0, 0, 0);
    workLayout->addWidget(buildTaxpayerBox());
    workLayout->addLayout(top, 1);
    // The cover over the form when it can only be printed in blank.
    m_tapa = new QLabel(msg::formularioEnBlanco(), this);
    m_tapa->setObjectName(QStringLiteral("Tapa"));
    m_tapa->setAlignment(Qt::AlignCenter);
    m_tapa->setWordWrap(true);
    m_tapa->setFrameShape(QFrame::Panel);
    m_tapa->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_work, 1);
    layout->addWidget(m_tapa, 1);
    layout->addLayout(buildButtons());
    layout->addWidget(statusLine());
    binder().applySizes(ib08col::Prefix, m_access.fieldSizes(ib08col::Table, ib08col::Prefix));
    resize(760, 480);
}

Frm_IB08::~Frm_IB08() = default;

QLineEdit* Frm_IB08::field(const QString& column, FieldKeys keys, bool readOnly)
{
    auto* edit = bind(new QLineEdit(this), column, keys);
    edit->setReadOnly(readOnly);
    if (keys == FieldKeys::Amount)
        edit->setAlignment(Qt::AlignRight);
    return edit;
}

QWidget* Frm_IB08::buildTaxpayerBox()
{
    auto* box = new QGroupBox(QStringLiteral("Datos del Contribuyente"), this);
    auto* form = new QFormLayout(box);
    form->addRow(
        QStringLiteral("Contribuyente:"), field(QStringLiteral("CP01_Contribuyente"), FieldKeys::Text, true));
    auto* ids = new QHBoxLayout;
    ids->addWidget(field(QStringLiteral("CP01_CUIT"), FieldKeys::Text, true));
    ids->addSpacing(12);
    ids->addWidget(new QLabel(QStringLiteral("Ingresos Brutos:"), box));
    ids->addWidget(field(QStringLiteral("CP01_IngBrut"), FieldKeys::Text, true));
    form->addRow(QStringLiteral("CUIT:"), ids);
    return box;
}

QWidget* Frm_IB08::buildListBox()
{
    auto* box = new QGroupBox(QStringLiteral("Pagos almacenados"), this);
    auto* layout = new QVBoxLayout(box);
    m_list = new QListWidget(box);
    m_list->setObjectName(QStringLiteral("List1"));
    box->setMaximumWidth(200);
    layout->addWidget(m_list);
    connect(m_list, &QListWidget::itemClicked, this, &Frm_IB08::pagoElegido);
    connect(m_list, &QListWidget::itemActivated, this, &Frm_IB08::pagoElegido);
    return box;
}

QWidget* Frm_IB08::buildPaymentBox()
{
    auto* box = new QGroupBox(QStringLiteral("Pago"), this);
    auto* form = new QFormLayout(box);
    m_position = field(ib08col::PosFiscal, FieldKeys::Date);
    m_date = field(ib08col::FechaPago, FieldKeys::Date);
    form->addRow(QStringLiteral("Pos.Fiscal"), m_position);
    form->addRow(QStringLiteral("Fecha de Pago"), m_date);
    hoverText(m_position, QStringLiteral("Posición Fiscal de la forma mm/aa  (mes/año)"));
    connect(m_position, &QLineEdit::editingFinished, this, &Frm_IB08::positionLeft);
    connect(m_date, &QLineEdit::editingFinished, this, &Frm_IB08::dateLeft);
    const QList<std::pair<QString, QString>> amounts { { ib08col::Importe, QStringLiteral("10- Importe") },
        { ib08col::Actualizacion, QStringLiteral("12- Actualización") },
        { ib08col::Interes, QStringLiteral("13- Interés") } };
    for (const auto& [column, label] : amounts) {
        QLineEdit* edit = field(column, FieldKeys::Amount);
        form->addRow(label, edit);
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] { amountLeft(edit); });
    }
    m_total = field(ib08col::Total, FieldKeys::Amount, true);
    m_total->setFocusPolicy(Qt::NoFocus);
    form->addRow(QStringLiteral("15- TOTAL"), m_total);
    hoverText(m_total, QStringLiteral("Importe, Actualización e Interés sumados"));
    return box;
}

QWidget* Frm_IB08::buildConceptBox()
{
    auto* box = new QGroupBox(QStringLiteral("Trámite"), this);
    box->setObjectName(QStringLiteral("Option1"));
    auto* layout = new QHBoxLayout(box);
    m_concept = new QButtonGroup(box);
    for (Ib08Concept c :
        { Ib08Concept::Interes, Ib08Concept::Multa, Ib08Concept::Reinscripcion, Ib08Concept::Inscripcion }) {
        const int id = static_cast<int>(c);
        auto* radio = new QRadioButton(conceptText(c), box);
        radio->setObjectName(QStringLiteral("Option1_%1").arg(id));
        m_concept->addButton(radio, id);
        layout->addWidget(radio);
    }
    m_concept->button(0)->setChecked(true);
    return box;
}

QLayout* Frm_IB08::buildButtons()
{
    auto* alta = button(this, QStringLiteral("&Nuevo"), QStringLiteral("Cmd_Alta"));
    auto* guardar = button(this, QStringLiteral("&Guardar"), QStringLiteral("Cmd_Guardar"));
    auto* borrar = button(this, QStringLiteral("&Borrar"), QStringLiteral("Cmd_Borrar"));
    auto* imprimir = button(this, QStringLiteral("&Imprimir"), QStringLiteral("Cmd_Imprimir"));
    auto* salir = button(this, QStringLiteral("&Salir"), QStringLiteral("Cmd_Aceptar"));
    auto* ayuda = button(this, QStringLiteral("&Ayuda"), QStringLiteral("Com_Help"));
    connect(alta, &QPushButton::clicked, this, &Frm_IB08::Cmd_Alta_Click);
    connect(guardar, &QPushButton::clicked, this, &Frm_IB08::Cmd_Guardar_Click);
    connect(borrar, &QPushButton::clicked, this, &Frm_IB08::Cmd_Borrar_Click);
    connect(imprimir, &QPushButton::clicked, this, &Frm_IB08::Cmd_Imprimir_Click);
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);
    connect(ayuda, &QPushButton::clicked, this, [] { Ayuda_Contexto(helpid::Pagos); });
    hoverText(alta, QStringLiteral("Ingresar un nuevo pago"));
    hoverText(guardar, QStringLiteral("Almacenar el pago"));
    hoverText(borrar, QStringLiteral("Borrar el pago seleccionado"));
    hoverText(imprimir, QStringLiteral("Guardar e Imprimir el pago"));
    m_recordButtons = { alta, guardar, borrar };
    auto* row = new QHBoxLayout;
    for (QPushButton* b : { alta, guardar, borrar, imprimir })
        row->addWidget(b);
    row->addStretch();
    row->addWidget(ayuda);
    row->addWidget(salir);
    return row;
}

Ib08Payment Frm_IB08::typed() const
{
    return ib08Payment(readFields(ib08col::Prefix));
}

Ib08Concept Frm_IB08::chosenConcept() const
{
    return static_cast<Ib08Concept>(std::max(0, m_concept->checkedId()));
}

void Frm_IB08::showPayment()
{
    loadFields(ib08col::Prefix, ib08Fields(m_form.payment()));
}

void Frm_IB08::fillList()
{
    m_list->clear();
    for (const Ib08Entry& e : m_form.payments()) {
        auto* item = new QListWidgetItem(e.text(), m_list);
        item->setData(Qt::UserRole, e.id);
        if (e.id == m_form.payment().id)
            m_list->setCurrentItem(item);
    }
}

void Frm_IB08::positionLeft()
{
    const Result<QString> position = posicionFiscal(m_position->text());
    if (position) {
        m_position->setText(*position);
        return;
    }
    m_position->clear();
    warn(position.error());
    m_position->setFocus();
}

void Frm_IB08::dateLeft()
{
    const Result<std::optional<QDate>> date = ib08PaymentDate(m_date->text());
    if (!date) {
        m_date->clear();
        warn(date.error());
        m_date->setFocus();
        return;
    }
    if (date->has_value())
        m_date->setText(regional::formatDate(**date));
}

void Frm_IB08::amountLeft(QLineEdit* edit)
{
    edit->setText(ib08AmountOnLeaving(edit->text()));
    const std::optional<Money> total = ib08Total(typed());
    m_total->setText(total ? total->toDisplay() : QString());
}

void Frm_IB08::pagoElegido()
{
    QListWidgetItem* item = m_list->currentItem();
    if (!item || !m_form.seleccionar(item->data(Qt::UserRole).toLongLong()))
        return;
    showPayment();
}

void Frm_IB08::Cmd_Alta_Click()
{
    m_form.nuevo();
    m_list->clearSelection();
    m_list->setCurrentItem(nullptr);
    showPayment();
    m_position->setFocus();
}

void Frm_IB08::Cmd_Guardar_Click()
{
    if (!m_form.Guardar(typed()))
        return;
    fillList();
    showPayment();
}

void Frm_IB08::Cmd_Borrar_Click()
{
    if (!m_form.Borrar())
        return;
    fillList();
    showPayment();
}

void Frm_IB08::Cmd_Imprimir_Click()
{
    const bool stored = m_form.Imprimir(typed(), chosenConcept());
    if (m_form.payment().id) {
        fillList();
        showPayment();
    }
    if (stored)
        statusLine()->showNotice(msg::formularioImpreso());
}

bool Frm_IB08::showPreview(Ib08Page& page, QPrinter& printer)
{
    print::PrintPreview preview(page, QStringLiteral("Cancelar"), &printer, this);
    preview.exec();
    return preview.printed() || preview.pdfSaved();
}

Result<QString> Frm_IB08::print(const Ib08Payment& payment, const Ib08Taxpayer& taxpayer, Ib08Concept chosen)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(msg::ib08Titulo());
    Ib08PrintFlow flow({ [this, &printer] { return print::DialogoImpresora(printer, this); },
        [this, &printer](Ib08Page& page) { return showPreview(page, printer); } });
    return flow.Imprimir(payment, taxpayer, chosen);
}

void Frm_IB08::printBlank()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(msg::ib08Titulo());
    Ib08PrintFlow flow({ [this, &printer] { return print::DialogoImpresora(printer, this); },
        [this, &printer](Ib08Page& page) { return showPreview(page, printer); } });
    (void)flow.ImprimirEnBlanco();
}

void registerIb08Windows(ModuleRegistry& registry)
{
    registry.add(modulekey::Ib08, [](const ModuleLaunch& launch, QWidget* parent) -> QWidget* {
        auto* window = new Frm_IB08(launch.db, launch.cmdId, parent);
        if (window->opened())
            return window;
        delete window;
        return nullptr;
    });
}

}
