#include "cp02/ui/frm_cp02.h"

#include "common/deliverycopier.h"
#include "common/helpids.h"
#include "common/messages.h"
#include "common/modulekeys.h"
#include "common/printui/dialogoimpresora.h"
#include "common/printui/printpreview.h"
#include "common/regional.h"
#include "common/ui/moduleregistry.h"
#include "common/ui/timedstatusline.h"
#include "cp02/cp02messages.h"
#include "cp02/cp02printflow.h"
#include "cp02/paymentdate.h"
#include "cp02/ui/annualactivitymodel.h"
#include "cp02/ui/monthgridmodel.h"
#include "data/datafolder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QTabWidget>

namespace ventrix::cp02 {
namespace {

const QString Cp01Prefix = QStringLiteral("CP01");
const QString Cp02Prefix = QStringLiteral("CP02");
enum Tab { PeriodTab, ActivitiesTab, MonthsTab, ExemptTab };

}

Frm_CP02::Frm_CP02(QSqlDatabase db, qint64 cmdId, qint64 cp01Id, QString archivos, QWidget* parent)
    : ModuleWindow(QStringLiteral("Frm_CP02"), QStringLiteral("Formulario CP02"), helpid::Cp02, parent)
    , m_access(std::move(db))
    , m_store(m_access)
    , m_form(m_store, cmdId, cp01Id,
          { [this](const QString& text, int ms) { statusLine()->showNotice(text, ms); },
              [this](const Cp02Record& record) { print(record); } })
    , m_archivos(std::move(archivos))
{
    buildLayout();
    binder().applySizes(Cp02Prefix, m_access.fieldSizes(QStringLiteral("CP02"), Cp02Prefix));
    const Status loaded = m_form.open();
    if (!loaded) {
        fail(loaded.error());
        return;
    }
    m_opened = true;
    loadFields(Cp01Prefix, m_form.taxpayer().fields);
    fillList();
    showRecord();
}

Frm_CP02::~Frm_CP02() = default;

void Frm_CP02::fillList()
{
    m_list->clear();
    for (const DeclarationEntry& e : m_form.declarations()) {
        auto* item = new QListWidgetItem(e.text(), m_list);
        item->setData(Qt::UserRole, e.id);
    }
}

void Frm_CP02::showRecord()
{
    const Cp02Record& r = m_form.record();
    setWindowTitle(m_form.title());
    const Money total = m_form.SumTotal(); // the four amounts of the distribution show 0,00 when missing
    loadFields(Cp02Prefix, r.fields);
    m_periodo->setText(r.periodo() ? QString::number(r.periodo()) : QString());
    m_tramite->setCurrentIndex(std::max(0, m_tramite->findData(r.tramite())));
    m_periodo->setReadOnly(m_form.isStored());
    m_tramite->setEnabled(!m_form.isStored());
    m_activities->reload();
    m_months->reload();
    m_option->setExclusive(false);
    for (QAbstractButton* b : m_option->buttons())
        b->setChecked(m_option->id(b) == static_cast<int>(m_form.minimoOption()));
    m_option->setExclusive(true);
    m_total->setText(total.toDisplay());
    setModified(false);
}

void Frm_CP02::readRecord()
{
    const FieldValues shown = readFields(Cp02Prefix);
    for (auto it = shown.cbegin(); it != shown.cend(); ++it)
        m_form.record().set(it.key(), it.value());
}

// The computed fields after a change, without touching what the user is typing elsewhere.
void Frm_CP02::showComputed()
{
    const Cp02Record& r = m_form.record();
    for (const QString& column : { col::Impuesto, col::Retenciones, col::ImpDepos, col::FavorAgt,
             col::FavorContrib, col::Gravado, col::NoGravado, col::Excento, col::TasaCero }) {
        if (auto* edit = findChild<QLineEdit*>(column))
            edit->setText(displayText(r.fields.value(column)));
    }
}

void Frm_CP02::tabRequested(int index)
{
    if (m_switchingTab || index != PeriodTab || m_form.pedirTabPeriodo()) {
        m_lastTab = index;
        return;
    }
    m_switchingTab = true;
    m_tabs->setCurrentIndex(m_lastTab);
    m_switchingTab = false;
}

void Frm_CP02::Cmd_Aceptar_Click()
{
    readRecord();
    const int periodo = m_periodo->text().trimmed().toInt();
    if (!m_form.aceptarPeriodo(periodo, m_tramite->currentData().toString()))
        return;
    m_activities->reload();
    m_tabs->setCurrentIndex(ActivitiesTab);
    setModified(true);
}

void Frm_CP02::Cmd_Nuevo_Click()
{
    m_form.nuevo();
    m_list->clearSelection();
    showRecord();
    m_switchingTab = true;
    m_tabs->setCurrentIndex(PeriodTab);
    m_lastTab = PeriodTab;
    m_switchingTab = false;
    m_periodo->setFocus();
}

void Frm_CP02::declaracionElegida()
{
    QListWidgetItem* item = m_list->currentItem();
    if (!item)
        return;
    if (auto s = m_form.seleccionar(item->data(Qt::UserRole).toLongLong()); !s) {
        fail(s.error());
        return;
    }
    showRecord();
    if (m_tabs->currentIndex() == PeriodTab) {
        m_switchingTab = true;
        m_tabs->setCurrentIndex(ActivitiesTab);
        m_lastTab = ActivitiesTab;
        m_switchingTab = false;
    }
}

void Frm_CP02::distributionEdited()
{
    readRecord();
    m_total->setText(m_form.SumTotal().toDisplay());
    showComputed();
}

void Frm_CP02::taxEdited()
{
    readRecord();
    m_form.CalculaTotalGrid2();
    showComputed();
}

void Frm_CP02::optionChosen(int option)
{
    readRecord();
    m_form.setMinimoOption(static_cast<MinimoOption>(option));
    m_form.CalculaTotalGrid2();
    m_months->reload();
    showComputed();
    setModified(true);
}

void Frm_CP02::checkDate(QLineEdit* edit)
{
    if (edit->text().trimmed().isEmpty())
        return;
    const Result<QDate> date = paymentDate(edit->text());
    if (!date) {
        edit->clear();
        inform(date.error());
        return;
    }
    edit->setText(regional::formatDate(*date));
}

void Frm_CP02::Cmd_Guardar_Click()
{
    readRecord();
    if (!m_form.Guardar())
        return;
    fillList();
    showRecord();
}

void Frm_CP02::Cmd_Borrar_Click()
{
    QListWidgetItem* item = m_list->currentItem();
    const qint64 chosen = item && item->isSelected() ? item->data(Qt::UserRole).toLongLong() : 0;
    if (!m_form.Borrar(chosen))
        return;
    fillList();
    showRecord();
}

void Frm_CP02::print(const Cp02Record& record)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(msg::documento());
    Cp02PrintFlow flow(m_archivos,
        { [this, &printer] { return print::DialogoImpresora(printer, this); },
            [this, &printer](Cp02Pages& pages) {
                print::PrintPreview preview(pages, QStringLiteral("Cancel"), &printer, this);
                preview.exec();
                return preview.printed();
            },
            [this](const QString& name) { DeliveryCopier(m_archivos).Copia_Diskette(name); } });
    statusLine()->showNotice(msg::imprimiendo());
    const Result<QString> printed = flow.Imprimir(record, m_form.taxpayer());
    if (!printed && !printed.error().isEmpty())
        fail(printed.error());
}

void registerCp02Windows(ModuleRegistry& registry)
{
    registry.add(modulekey::Cp02, [](const ModuleLaunch& launch, QWidget* parent) -> QWidget* {
        const QString archivos = data::DataFolder::ofDatabase(launch.db.databaseName()).archivosPath();
        auto* window = new Frm_CP02(launch.db, launch.cmdId, launch.cp01Id, archivos, parent);
        if (window->opened())
            return window;
        delete window;
        return nullptr;
    });
}

}
