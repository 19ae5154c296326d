#include "sid3/ui/frm_sid3.h"

#include "common/messages.h"
#include "common/modulekeys.h"
#include "common/ui/moduleregistry.h"
#include "common/ui/timedstatusline.h"
#include "sid3/sid3messages.h"
#include "sid3/ui/activitylinesmodel.h"
#include "sid3/ui/frm_registraciones.h"
#include "sid3/ui/gridfooter.h"
#include "sid3/ui/nuevotramitedialog.h"
#include "sid3/ui/sid3uimessages.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>

namespace ventrix::sid3 {
namespace {

// The help topic of the declaration screen.
constexpr int HelpContext = 200;
constexpr int FlashMs = 1500;
const QString Sid = QStringLiteral("Sid");
const QString Cp01 = QStringLiteral("CP01");

QString money(Money m)
{
    return m.toDisplay();
}

}

Frm_SID3::Frm_SID3(QSqlDatabase db, qint64 cmdId, qint64 cp01Id, QWidget* parent)
    : ModuleWindow(QStringLiteral("Frm_SID3"), QStringLiteral("CP03 - SID3 Declaración Jurada Mensual"),
        HelpContext, parent)
    , m_access(db)
    , m_indices(db)
    , m_form(m_access, m_indices, cmdId, cp01Id,
          { [this](const QString& text, int ms) { statusLine()->showNotice(text, ms); },
              [this] { return openNuevoTramite(); }, [this] { closeLater(); },
              [this](
                  Register reg, qint64 sidId, Period period) { return openRegister(reg, sidId, period); } })
    , m_cmdId(cmdId)
    , m_cp01Id(cp01Id)
{
    auto* key = new QLabel(QString::number(cp01Id), this);
    key->setObjectName(QStringLiteral("CP01_ID"));
    key->hide();
    buildLayout();
    connectEdits();
    if (auto ready = m_form.open(); !ready) {
        fail(ready.error());
        return;
    }
    m_opened = true;
    Cargar_List_FormSid3();
}

Frm_SID3::~Frm_SID3() = default;

void Frm_SID3::closeLater()
{
    QTimer::singleShot(0, this, &QDialog::reject);
}

void Frm_SID3::showEvent(QShowEvent* event)
{
    ModuleWindow::showEvent(event);
    if (!m_firstShow)
        return;
    m_firstShow = false;
    QTimer::singleShot(0, this, [this] {
        if (m_opened && m_periodos->count() == 0
            && askYesNo(msg::liquidarNuevoPeriodo(), MessageIcon::Question, true))
            Cmb_NuevoPer_Click();
    });
}

void Frm_SID3::Cargar_List_FormSid3()
{
    m_periodos->blockSignals(true);
    m_periodos->clear();
    auto rows = m_form.Cargar_List_FormSid3();
    if (!rows)
        fail(rows.error());
    for (const PeriodListRow& row : rows.valueOr({})) {
        auto* item = new QListWidgetItem(row.text(), m_periodos);
        item->setData(Qt::UserRole, row.id);
    }
    m_periodos->blockSignals(false);
    if (m_periodos->count() > 0) {
        m_periodos->setCurrentRow(0);
        periodSelected(m_periodos->item(0));
    } else {
        showCp01(m_cp01Id);
    }
}

void Frm_SID3::periodSelected(QListWidgetItem* item)
{
    const qint64 id = item ? item->data(Qt::UserRole).toLongLong() : 0;
    if (m_busy || id == 0)
        return;
    m_busy = true;
    m_periodos->setEnabled(false);
    statusLine()->showNotice(msg::actualizandoDatos(), FlashMs);
    CargarTabla(id);
    m_periodos->setEnabled(true);
    m_busy = false;
}

void Frm_SID3::CargarTabla(qint64 sidId)
{
    const Status loaded = m_form.CargarTabla(sidId);
    if (!loaded && m_form.ratesIncompatible()) {
        binder().clear(Sid);
        m_periodos->clear();
    } else if (!loaded) {
        fail(loaded.error());
    }
    m_model->reload();
    showDeclaration();
    showCp01(loaded ? m_form.declaration().cp01Id : m_cp01Id);
}

void Frm_SID3::BorrarTabla()
{
    m_form.BorrarTabla();
    m_model->reload();
    showDeclaration();
}

bool Frm_SID3::CargarTablaNewNumEmp()
{
    if (!m_form.declaration().hasPeriod())
        return false;
    if (m_form.CargarTablaNewNumEmp())
        return true;
    m_form.lineEdited();
    m_model->reload();
    showDeclaration();
    return false;
}

void Frm_SID3::showCp01(qint64 cp01Id)
{
    auto values = m_form.store().cp01Fields(cp01Id);
    m_cp01Values = values.valueOr({});
    loadFields(Cp01, m_cp01Values);
}

void Frm_SID3::refuseCp01Typing()
{
    loadFields(Cp01, m_cp01Values);
    inform(msg::soloDesdeCp01());
}

void Frm_SID3::showDeclaration()
{
    const Declaration& d = m_form.declaration();
    loadFields(Sid, declarationFields(d));
    if (!d.hasPeriod())
        binder().clear(Sid);
    m_interes->setReadOnly(d.tramite != static_cast<int>(Procedure::Rectificativa));
    m_interes->setFocusPolicy(m_interes->isReadOnly() ? Qt::NoFocus : Qt::StrongFocus);
    m_interes->style()->unpolish(m_interes);
    m_interes->style()->polish(m_interes);
    showTotals();
    m_model->refreshTaxes();
}

void Frm_SID3::showTotals()
{
    const Declaration& d = m_form.declaration();
    const TaxSummary& s = m_form.summary();
    const bool period = d.hasPeriod();
    auto set = [this, period](const QString& name, const QString& text) {
        findChild<QLineEdit*>(name)->setText(period ? text : QString());
    };
    const IncomeTotals income = m_form.incomeTotals();
    set(QStringLiteral("TotalIngresoPeriodo"), money(s.totalIngresoPeriodo()));
    set(QStringLiteral("TotalExentos"), money(income.totalExentos));
    set(QStringLiteral("TotalImpuestos"), money(income.totalImpuestos));
    set(QStringLiteral("Alias0"), d.subTotalAgt ? money(*d.subTotalAgt) : QString());
    set(QStringLiteral("Alias2"), money(m_form.balance().favorAgt));
    m_favContrib->setText(period ? money(m_form.balance().favorContrib) : QString());
    m_footer->setText(ActivityLinesModel::Minimo, period ? money(s.minimum) : QString());
    m_footer->setText(ActivityLinesModel::BaseImp, period ? money(s.baseFooter()) : QString());
    m_footer->setText(ActivityLinesModel::Impuesto, period ? money(s.totalTaxShown()) : QString());
    for (Register reg : AllRegisters) {
        const int count = d.registerTotal(reg).count;
        m_countCaptions.at(static_cast<size_t>(reg))->setText(registerCountCaption(reg, count));
    }
}

void Frm_SID3::lineEdited()
{
    m_form.lineEdited();
    showDeclaration();
}

void Frm_SID3::whenTyped(QLineEdit* edit, const std::function<void(const QString&)>& apply)
{
    connect(edit, &QLineEdit::editingFinished, this, [this, edit, apply] {
        if (m_busy || edit->isReadOnly() || !m_form.declaration().hasPeriod())
            return;
        m_busy = true;
        apply(edit->text());
        showDeclaration();
        m_busy = false;
    });
}

void Frm_SID3::connectEdits()
{
    auto edit = [this](const char16_t* name) { return findChild<QLineEdit*>(QString::fromUtf16(name)); };
    Declaration& d = m_form.declaration();
    whenTyped(edit(u"NoGravado"),
        [&d](const QString& text) { d.noGravado = Money::fromDisplay(text.trimmed()).value_or(Money()); });
    whenTyped(edit(u"NumEmpleados"), [this, &d](const QString& text) {
        bool numeric = false;
        const qint64 n = text.trimmed().toLongLong(&numeric);
        d.numEmpleado = numeric ? std::optional(n) : std::nullopt;
        m_form.lineEdited();
    });
    whenTyped(edit(u"FechaVto"), [this](const QString& text) { m_form.fhVtoTyped(text); });
    whenTyped(edit(u"FechaPago"), [this](const QString& text) { m_form.fechaPagoTyped(text); });
    whenTyped(edit(u"Interes"), [this](const QString& text) {
        m_form.interesEntered(Money::fromDisplay(text.trimmed()).value_or(Money()));
    });
    whenTyped(edit(u"ImporteDepositado"), [&d](const QString& text) {
        d.importePagado = Money::fromDisplay(text.trimmed()).value_or(Money());
    });
    connect(m_periodos, &QListWidget::currentItemChanged, this,
        [this](QListWidgetItem* item) { periodSelected(item); });
}

std::optional<NewPeriod> Frm_SID3::openNuevoTramite()
{
    NuevoTramite rules(m_form.store(), m_indices, m_cmdId, m_cp01Id);
    NuevoTramiteDialog dialog(rules, this);
    m_dialogAccepted = dialog.exec() == QDialog::Accepted;
    return dialog.chosen();
}

void Frm_SID3::Cmb_NuevoPer_Click()
{
    if (m_busy)
        return;
    m_busy = true;
    m_dialogAccepted = false;
    showCp01(m_cp01Id);
    const bool started = m_form.Cmb_NuevoPer();
    m_busy = false;
    m_model->reload();
    if (!started && m_dialogAccepted) {
        // The user goes to complete last year's annual declaration first.
        closeLater();
        return;
    }
    if (!started) {
        Cargar_List_FormSid3();
        return;
    }
    const Declaration& d = m_form.declaration();
    m_periodos->blockSignals(true);
    auto* item = new QListWidgetItem(
        QString::number(d.month) + QStringLiteral(" / ") + QString::number(d.year) + u' ' + d.tramiteDescrip);
    item->setData(Qt::UserRole, 0);
    m_periodos->insertItem(0, item);
    m_periodos->setCurrentRow(0);
    m_periodos->blockSignals(false);
    showDeclaration();
    m_tabs->setCurrentIndex(ActividadesTab);
}

void Frm_SID3::Cmb_Borrar_Click()
{
    const qint64 id = m_form.declaration().id;
    if (!m_form.Cmb_Borrar() && (id != 0 || m_form.ratesIncompatible()))
        return;
    BorrarTabla();
    Cargar_List_FormSid3();
}

void Frm_SID3::Cmd_Guardar_Click()
{
    if (!m_form.declaration().hasPeriod())
        return;
    if (!m_form.Guardar()) {
        showDeclaration();
        return;
    }
    BorrarTabla();
    Cargar_List_FormSid3();
}

void Frm_SID3::CallRegistraciones(Register reg)
{
    const bool stored = m_form.declaration().id != 0;
    const bool opened = m_form.CallRegistraciones(reg);
    showDeclaration();
    if (opened && !stored)
        Cargar_List_FormSid3();
}

RegisterTotal Frm_SID3::openRegister(Register reg, qint64 sidId, Period period)
{
    Frm_Registraciones screen(m_access, reg, sidId, period, this);
    screen.setGeometry(geometry());
    screen.exec();
    return screen.total();
}

void Frm_SID3::Cmd_CallAccesorios_Click()
{
    for (const QString& name : { QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
             QStringLiteral("galculator"), QStringLiteral("mate-calc"), QStringLiteral("xcalc") }) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty() && QProcess::startDetached(path, {}))
            return;
    }
    inform(msg::sinCalculadora());
}

void registerSid3Windows(ModuleRegistry& registry)
{
    registry.add(modulekey::Sid3, [](const ModuleLaunch& launch, QWidget* parent) -> QWidget* {
        auto* window = new Frm_SID3(launch.db, launch.cmdId, launch.cp01Id, parent);
        if (!window->opened() || window->CargarTablaNewNumEmp()) {
            delete window;
            return nullptr;
        }
        return window;
    });
}

}
