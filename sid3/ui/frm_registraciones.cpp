#include "sid3/ui/frm_registraciones.h"

#include "common/help.h"
#include "common/messages.h"
#include "common/regional.h"
#include "common/ui/helpkey.h"
#include "common/ui/identifieredit.h"
#include "common/ui/requiredfields.h"
#include "common/ui/timedstatusline.h"
#include "sid3/ui/importpreviewmodel.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace ventrix::sid3 {
namespace {

// The help topic of the registers.
constexpr int HelpContext = 210;
const QString Per = QStringLiteral("Per");

QPushButton* button(QWidget* parent, const QString& text, const QString& name)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

}

Frm_Registraciones::Frm_Registraciones(
    data::AccesoDatos& db, Register reg, qint64 sidId, Period period, QWidget* parent)
    : ModuleWindow(QStringLiteral("Frm_Registraciones"), registerCaption(reg), HelpContext, parent)
    , m_form(db, reg, sidId, period,
          { [this](const QString& text, int ms) { statusLine()->showNotice(text, ms); },
              [this](int done, int total) { return importProgress(done, total); } })
    , m_agentFields(m_form.model().store().hasAgent())
{
    buildLayout();
    auto* sid = new QLabel(QString::number(sidId), this);
    sid->setObjectName(QStringLiteral("Sid_ID"));
    sid->hide();
    VerTabla();
    Nuevo_Click();
}

Frm_Registraciones::~Frm_Registraciones() = default;

QLineEdit* Frm_Registraciones::textField(
    const QString& name, const QString& column, int width, FieldKeys keys, bool required)
{
    auto* edit = bind(new QLineEdit(m_picture1), column, keys, required);
    edit->setObjectName(name);
    edit->setMaxLength(width);
    return edit;
}

void Frm_Registraciones::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildRecordPanel());
    layout->addWidget(buildGridPanel(), 1);
    layout->addWidget(buildImportPanel(), 1);
    layout->addWidget(statusLine());
    m_import->hide();
    resize(900, 640);
}

QWidget* Frm_Registraciones::buildRecordPanel()
{
    m_picture1 = new QGroupBox(windowTitle(), this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    auto* grid = new QGridLayout(m_picture1);
    m_fecha = textField(QStringLiteral("Fecha"), QStringLiteral("Per_Fecha"), 10, FieldKeys::Date, true);
    auto* concepto
        = textField(QStringLiteral("Text1_0"), QStringLiteral("Per_Concepto"), 50, FieldKeys::Text, true);
    m_monto = textField(QStringLiteral("Monto"), QStringLiteral("Per_Monto"), 18, FieldKeys::Amount, true);
    m_monto->setAlignment(Qt::AlignRight);
    auto* mes = textField(QStringLiteral("Txt_Mes"), QStringLiteral("Per_Mes"), 2, FieldKeys::Text, false);
    auto* anio = textField(QStringLiteral("Txt_Año"), QStringLiteral("Per_Año"), 4, FieldKeys::Text, false);
    mes->setReadOnly(true);
    anio->setReadOnly(true);
    m_responsable
        = textField(QStringLiteral("Text1_1"), QStringLiteral("Per_Responsable"), 50, FieldKeys::Text, false);
    m_cuit = bind(new IdentifierEdit(IdentifierKind::Cuit, m_picture1), QStringLiteral("Per_CUIT"));
    m_cuit->setObjectName(QStringLiteral("CUIT"));
    m_numAgente
        = bind(new IdentifierEdit(IdentifierKind::Agente, m_picture1), QStringLiteral("Per_NumAgenteRet"));
    m_numAgente->setObjectName(QStringLiteral("IngBrut"));
    m_perIdLabel = new QLabel(m_picture1);
    m_perIdLabel->setObjectName(QStringLiteral("Per_ID"));
    const QList<QPair<QString, QWidget*>> rows { { QStringLiteral("Fecha"), m_fecha },
        { QStringLiteral("Concepto"), concepto }, { QStringLiteral("Monto"), m_monto },
        { QStringLiteral("Mes"), mes }, { QStringLiteral("Año"), anio },
        { QStringLiteral("N° Agente"), m_numAgente }, { QStringLiteral("Agente"), m_responsable },
        { QStringLiteral("CUIT"), m_cuit } };
    for (int i = 0; i < rows.size(); ++i) {
        auto* label = new QLabel(rows.at(i).first, m_picture1);
        label->setBuddy(rows.at(i).second);
        grid->addWidget(label, i / 2, (i % 2) * 2, Qt::AlignRight);
        grid->addWidget(rows.at(i).second, i / 2, (i % 2) * 2 + 1);
    }
    grid->addWidget(new QLabel(QStringLiteral("N° Registro"), m_picture1), 4, 0, Qt::AlignRight);
    grid->addWidget(m_perIdLabel, 4, 1);
    for (QWidget* agent : { static_cast<QWidget*>(m_responsable), static_cast<QWidget*>(m_cuit),
             static_cast<QWidget*>(m_numAgente) })
        agent->setEnabled(m_agentFields);
    connect(m_fecha, &QLineEdit::editingFinished, this, &Frm_Registraciones::fechaLeft);
    connect(m_monto, &QLineEdit::editingFinished, this, &Frm_Registraciones::montoLeft);
    connect(m_numAgente, &QLineEdit::editingFinished, this, &Frm_Registraciones::NumAgente_Check);
    return m_picture1;
}

QWidget* Frm_Registraciones::buildGridPanel()
{
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    auto* orderBox = new QGroupBox(QStringLiteral("Ordenado por"), panel);
    auto* orderLayout = new QHBoxLayout(orderBox);
    m_order = new QButtonGroup(this);
    const QStringList orders { QStringLiteral("Fecha"), QStringLiteral("Concepto"), QStringLiteral("Monto"),
        QStringLiteral("Agente") };
    for (int i = 0; i < orders.size(); ++i) {
        auto* radio = new QRadioButton(orders.at(i), orderBox);
        radio->setObjectName(QStringLiteral("Option1_%1").arg(i));
        m_order->addButton(radio, i);
        orderLayout->addWidget(radio);
    }
    m_order->button(0)->setChecked(true);
    connect(m_order, &QButtonGroup::idClicked, this, [this] { VerTabla(); });
    m_totalRegistros = new QLabel(panel);
    m_totalRegistros->setObjectName(QStringLiteral("Lab_TotalRegistros"));
    m_montoTotal = new QLabel(panel);
    m_montoTotal->setObjectName(QStringLiteral("Lab_MontoTotal"));
    m_montoTotal->setMinimumWidth(
        m_montoTotal->fontMetrics().horizontalAdvance(QStringLiteral("9.999.999.999,99")));
    m_totalRegistros->setMinimumWidth(
        m_totalRegistros->fontMetrics().horizontalAdvance(QStringLiteral("9999999")));
    top->addWidget(orderBox);
    top->addStretch();
    top->addWidget(new QLabel(QStringLiteral("Registros ="), panel));
    top->addWidget(m_totalRegistros);
    top->addSpacing(20);
    top->addWidget(new QLabel(QStringLiteral("Monto Total $"), panel));
    top->addWidget(m_montoTotal);
    layout->addLayout(top);

    m_grid = new QTableView(panel);
    m_grid->setObjectName(QStringLiteral("TDBGrid1"));
    m_grid->setModel(&m_form.model());
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 8);
    m_grid->horizontalHeader()->setSectionResizeMode(Sid3RegisterModel::Concepto, QHeaderView::Stretch);
    connect(m_grid, &QTableView::clicked, this, &Frm_Registraciones::rowChosen);
    layout->addWidget(m_grid, 1);

    auto* buttons = new QHBoxLayout;
    const QList<QPair<QString, QString>> captions { { QStringLiteral("&Agregar"), QStringLiteral("Nuevo") },
        { QStringLiteral("&Guardar"), QStringLiteral("Guardar") },
        { QStringLiteral("&Borrar"), QStringLiteral("Borrar") },
        { QStringLiteral("&Borrar todos los registros"), QStringLiteral("BorrarTodos") },
        { QStringLiteral("&Importar datos"), QStringLiteral("Importar") },
        { QStringLiteral("A&yuda"), QStringLiteral("Com_Help") },
        { QStringLiteral("&Salir"), QStringLiteral("Cmd_Aceptar") } };
    for (const auto& [text, name] : captions) {
        m_buttons.append(button(panel, text, name));
        buttons->addWidget(m_buttons.back());
    }
    layout->addLayout(buttons);
    connect(m_buttons.at(0), &QPushButton::clicked, this, &Frm_Registraciones::Nuevo_Click);
    connect(m_buttons.at(1), &QPushButton::clicked, this, &Frm_Registraciones::Guardar_Click);
    connect(m_buttons.at(2), &QPushButton::clicked, this, &Frm_Registraciones::Borrar_Click);
    connect(m_buttons.at(3), &QPushButton::clicked, this, &Frm_Registraciones::BorrarTodos_Click);
    connect(m_buttons.at(4), &QPushButton::clicked, this, &Frm_Registraciones::Importar_Registros);
    connect(m_buttons.at(5), &QPushButton::clicked, this,
        [this] { HelpService::instance().openContext(helpContextOf(this)); });
    connect(m_buttons.at(6), &QPushButton::clicked, this, &QDialog::accept);
    return panel;
}

void Frm_Registraciones::VerTabla()
{
    if (auto shown = m_form.model().VerTabla(static_cast<RegisterOrder>(m_order->checkedId())); !shown)
        fail(shown.error());
    const RegisterTotal& t = m_form.total();
    m_totalRegistros->setText(QString::number(t.count));
    m_montoTotal->setText(t.count > 0 ? t.total.toDisplay() : QString());
    m_grid->resizeColumnToContents(Sid3RegisterModel::Fecha);
}

void Frm_Registraciones::showRecord(const RegisterRecord& record)
{
    loadFields(Per, registerFields(record));
    m_perId = record.id;
    m_perIdLabel->setText(record.id ? QString::number(record.id) : QString());
}

RegisterRecord Frm_Registraciones::readRecord() const
{
    RegisterRecord r = withRegisterFields({}, readFields(Per));
    r.id = m_perId;
    return r;
}

void Frm_Registraciones::rowChosen(const QModelIndex& index)
{
    if (index.isValid())
        showRecord(m_form.model().recordAt(index.row()));
}

void Frm_Registraciones::Nuevo_Click()
{
    showRecord(m_form.Nuevo());
    m_fecha->setFocus();
}

void Frm_Registraciones::Guardar_Click()
{
    if (!RequiredFields::check(m_picture1))
        return;
    RegisterRecord record = readRecord();
    if (!m_form.Guardar(record))
        return;
    showRecord(record);
    VerTabla();
    m_buttons.at(0)->setFocus();
}

void Frm_Registraciones::Borrar_Click()
{
    const RegisterRecord record = readRecord();
    if (record.id == 0)
        return;
    m_form.Borrar(record);
    Nuevo_Click();
    VerTabla();
}

void Frm_Registraciones::BorrarTodos_Click()
{
    m_form.BorrarTodos();
    VerTabla();
    Nuevo_Click();
}

void Frm_Registraciones::fechaLeft()
{
    const QString text = m_fecha->text().trimmed();
    if (text.isEmpty())
        return;
    const std::optional<QDate> fecha = regional::parseDate(text);
    if (!fecha || !m_form.fechaValida(*fecha)) {
        m_fecha->clear();
        return;
    }
    m_fecha->setText(regional::formatDate(*fecha));
}

void Frm_Registraciones::montoLeft()
{
    const std::optional<Money> monto = Money::fromDisplay(m_monto->text().trimmed());
    if (monto)
        m_monto->setText(monto->toDisplay());
    else
        m_monto->clear();
}

void Frm_Registraciones::NumAgente_Check()
{
    if (m_numAgente->value().isEmpty())
        return;
    RegisterRecord record = readRecord();
    m_form.completarAgente(record);
    m_responsable->setText(record.responsable);
    m_cuit->setValue(record.cuit);
}

void Frm_Registraciones::enableButtons(bool enabled)
{
    for (QPushButton* b : m_buttons)
        b->setEnabled(enabled);
    m_picture1->setEnabled(enabled);
}

}
