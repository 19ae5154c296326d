#include "plans/ui/frm_ib09.h"

#include "common/help.h"
#include "common/helpids.h"
#include "common/messages.h"
#include "common/printui/dialogoimpresora.h"
#include "common/printui/printpreview.h"
#include "common/regional.h"
#include "common/ui/timedstatusline.h"
#include "plans/planregister.h"
#include "plans/plansmessages.h"
#include "plans/slipline.h"
#include "plans/slipprintflow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace ventrix::plans {
namespace {

const QString Cp01Prefix = QStringLiteral("CP01");
constexpr int NoticeMs = 1200;

QPushButton* button(QWidget* parent, const QString& text, const QString& name)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QDate typedDate(const QLineEdit* edit)
{
    return regional::parseDate(edit->text()).value_or(QDate());
}

}

Frm_IB09::Frm_IB09(QSqlDatabase db, qint64 cmdId, qint64 cp01Id, QWidget* parent)
    : ModuleWindow(QStringLiteral("Frm_IB09"), QStringLiteral("Formulario (Plan de Facilidades de Pago)"),
        helpid::Pagos, parent)
    , m_access(std::move(db))
    , m_store(m_access)
    , m_cmdId(cmdId)
{
    buildLayout();
    statusLine()->showNotice(msg::cargandoDatos(), NoticeMs);
    if (auto cp01 = m_store.inscription(cmdId, cp01Id)) {
        setWindowTitle(msg::tituloCuotas(cp01->value(QStringLiteral("CP01_Contribuyente")).toString()));
        loadFields(Cp01Prefix, *cp01);
    }
    CargarPlanes();
}

Frm_IB09::~Frm_IB09() = default;

QLineEdit* Frm_IB09::planField(const QString& column)
{
    auto* edit = bind(new QLineEdit(this), column);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

QLineEdit* Frm_IB09::dateField(const QString& name)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setInputMask(QStringLiteral("99/99/9999"));
    enterMovesOn(edit, FieldKeys::Date);
    return edit;
}

QLineEdit* Frm_IB09::amountField(const QString& name)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

void Frm_IB09::buildLayout()
{
    auto* layout = new QHBoxLayout(this);
    auto* left = new QGroupBox(QStringLiteral("Planes"), this);
    auto* leftLayout = new QVBoxLayout(left);
    m_list = new QListWidget(left);
    m_list->setObjectName(QStringLiteral("Lst_Planes"));
    leftLayout->addWidget(m_list);
    left->setMaximumWidth(230);
    layout->addWidget(left);

    auto* right = new QVBoxLayout;
    auto* who = new QGroupBox(QStringLiteral("Contribuyente"), this);
    auto* whoGrid = new QGridLayout(who);
    whoGrid->addWidget(new QLabel(QStringLiteral("Contribuyente"), who), 0, 0);
    whoGrid->addWidget(planField(QStringLiteral("CP01_Contribuyente")), 0, 1);
    whoGrid->addWidget(new QLabel(QStringLiteral("CUIT"), who), 0, 2);
    whoGrid->addWidget(planField(QStringLiteral("CP01_CUIT")), 0, 3);
    right->addWidget(who);

    auto* frame = new QGroupBox(QStringLiteral("Conformación de la cuota"), this);
    auto* grid = new QGridLayout(frame);
    m_cuota = new QComboBox(frame);
    m_cuota->setObjectName(QStringLiteral("Combo1"));
    m_vto = dateField(QStringLiteral("Txt_FechaVto"));
    m_pago = dateField(QStringLiteral("Txt_FechaPago"));
    m_interes = amountField(QStringLiteral("Txt_Interes"));
    m_total = amountField(QStringLiteral("Txt_Total"));
    const QList<QPair<QString, QWidget*>> fields {
        { QStringLiteral("Tipo de Formulario"), planField(col::TipoForm) },
        { QStringLiteral("N° de Plan de Pago"), planField(col::NumPFP) },
        { QStringLiteral("Tasa"), planField(col::Tasa) },
        { QStringLiteral("Importe Deuda"), planField(col::ImporteDeuda) },
        { QStringLiteral("N° Cuotas"), planField(col::CantCuotas) },
        { QStringLiteral("Fecha Aprobación"), planField(col::FechaAprob) },
        { QStringLiteral("Fecha Vto 2° Cta."), planField(col::FechaVtoCta2) },
        { QStringLiteral("Importe Cuota"), planField(col::ImporteCuota) },
        { QStringLiteral("Cuota N°"), m_cuota },
        { QStringLiteral("Fecha Vto."), m_vto },
        { QStringLiteral("Fecha de Pago"), m_pago },
        { QStringLiteral("Interés"), m_interes },
        { QStringLiteral("Importe a Dep."), m_total },
    };
    for (int i = 0; i < fields.size(); ++i) {
        grid->addWidget(new QLabel(fields.at(i).first, frame), i / 2, (i % 2) * 2);
        grid->addWidget(fields.at(i).second, i / 2, (i % 2) * 2 + 1);
    }
    right->addWidget(frame);

    auto* buttons = new QHBoxLayout;
    auto* imprimir = button(this, QStringLiteral("&Imprimir"), QStringLiteral("Cmd_Imprimir"));
    auto* borrar = button(this, QStringLiteral("&Borrar"), QStringLiteral("Command4"));
    auto* ayuda = button(this, QStringLiteral("&Ayuda"), QStringLiteral("Com_Help"));
    auto* salir = button(this, QStringLiteral("&Salir"), QStringLiteral("Cmd_Aceptar"));
    for (QPushButton* b : { imprimir, borrar })
        buttons->addWidget(b);
    buttons->addStretch();
    for (QPushButton* b : { ayuda, salir })
        buttons->addWidget(b);
    right->addLayout(buttons);
    right->addWidget(statusLine());
    statusLine()->setObjectName(QStringLiteral("Mensaje"));
    layout->addLayout(right, 1);
    resize(820, 460);

    connect(m_list, &QListWidget::currentRowChanged, this, &Frm_IB09::CargarCuota);
    connect(m_cuota, &QComboBox::activated, this, &Frm_IB09::CalculaVto);
    connect(m_vto, &QLineEdit::editingFinished, this, &Frm_IB09::dueDateEdited);
    connect(m_pago, &QLineEdit::editingFinished, this, &Frm_IB09::CalculaInteres);
    connect(imprimir, &QPushButton::clicked, this, &Frm_IB09::Cmd_Imprimir_Click);
    connect(borrar, &QPushButton::clicked, this, &Frm_IB09::Command4_Click);
    connect(ayuda, &QPushButton::clicked, this, [] { HelpService::instance().openContext(helpid::Pagos); });
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);
}

void Frm_IB09::CargarPlanes()
{
    auto plans = m_store.plansOf(m_cmdId);
    if (!plans) {
        fail(plans.error());
        return;
    }
    QSignalBlocker quiet(m_list);
    m_list->clear();
    for (const PaymentPlan& p : *plans) {
        auto* item = new QListWidgetItem(planListText(p), m_list);
        item->setData(Qt::UserRole, p.id);
    }
}

void Frm_IB09::clearPlan()
{
    m_plan = {};
    m_proposed = {};
    m_movedDay = {};
    binder().clear(col::Prefix);
    m_cuota->clear();
    for (QLineEdit* e : { m_vto, m_pago, m_interes, m_total })
        e->clear();
}

void Frm_IB09::CargarCuota(int row)
{
    QListWidgetItem* item = m_list->item(row);
    if (!item)
        return;
    auto plan = m_store.load(item->data(Qt::UserRole).toLongLong());
    auto cp01 = plan ? m_store.inscriptionOf(*plan) : Result<FieldValues>(Error { plan.error() });
    if (!cp01) {
        fail(cp01.error());
        return;
    }
    clearPlan();
    m_plan = *plan;
    m_cp01 = *cp01;
    loadFields(col::Prefix, planFields(m_plan));
    loadFields(Cp01Prefix, m_cp01);
    m_cuota->addItem(QString());
    for (int n : instalmentNumbers(m_plan))
        m_cuota->addItem(QString::number(n), n);
}

void Frm_IB09::CalculaVto()
{
    const QVariant n = m_cuota->currentData();
    m_proposed
        = plans::CalculaVto(m_plan.fechaVtoCta2, n.isValid() ? std::optional<int>(n.toInt()) : std::nullopt);
    m_vto->setText(regional::formatDate(m_proposed));
    CalculaInteres();
}

void Frm_IB09::dueDateEdited()
{
    const QDate typed = typedDate(m_vto);
    const DueDateEdit edit = dueDateEdit(m_proposed, typed);
    if (edit == DueDateEdit::Accepted || (edit == DueDateEdit::DayMoved && typed == m_movedDay)) {
        CalculaInteres();
        return;
    }
    inform(msg::recuerdeVencimiento(m_proposed.day()));
    if (edit == DueDateEdit::Refused) {
        inform(msg::soloDiaVencimiento());
        m_vto->setText(regional::formatDate(m_proposed));
    } else {
        m_movedDay = typed;
    }
    CalculaInteres();
}

InstalmentSlip Frm_IB09::slip() const
{
    const QVariant n = m_cuota->currentData();
    return instalmentSlip(m_plan, n.isValid() ? n.toInt() : 0, typedDate(m_vto), typedDate(m_pago));
}

void Frm_IB09::CalculaInteres()
{
    // The rate is shown again with its two decimals.
    if (auto* tasa = findChild<QLineEdit*>(col::Tasa))
        tasa->setText(m_plan.tasa ? m_plan.tasa->toDisplay() : QString());
    const InstalmentAmounts a
        = plans::CalculaInteres({ m_plan.tasa, m_plan.importeCuota, typedDate(m_vto), typedDate(m_pago) });
    m_interes->setText(a.interes.toDisplay());
    m_total->setText(a.total.toDisplay());
}

void Frm_IB09::Cmd_Imprimir_Click()
{
    InstalmentSlip s = slip();
    if (!m_cuota->currentData().isValid())
        s.cuota.reset();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(msg::documento());
    SlipPrintFlow flow({ [this, &printer] { return print::DialogoImpresora(printer, this); },
        [this, &printer](SlipPage& page) {
            print::PrintPreview preview(page, QStringLiteral("Cancel"), &printer, this);
            preview.setWindowTitle(msg::documento());
            preview.exec();
            return preview.printed() || preview.pdfSaved();
        } });
    flow.Imprimir(s, SlipTaxpayer::fromFields(m_cp01));
}

void Frm_IB09::Command4_Click()
{
    if (m_list->count() == 0) {
        inform(msg::sinPlanesParaBorrar());
        return;
    }
    QListWidgetItem* item = m_list->currentItem();
    if (!item || !item->isSelected()) {
        inform(msg::seleccionePlan());
        return;
    }
    const qint64 id = item->data(Qt::UserRole).toLongLong();
    const QString which = m_plan.id == id ? planNumberText(m_plan.numPFP) : item->text();
    if (!deletePlanAsked(m_store, id, msg::confirmaBorrarPlan(which),
            [this](const QString& text) { statusLine()->showNotice(text, NoticeMs); }))
        return;
    clearPlan();
    CargarPlanes();
}

}
