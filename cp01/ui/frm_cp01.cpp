#include "cp01/ui/frm_cp01.h"

#include "common/help.h"
#include "common/helpids.h"
#include "common/messages.h"
#include "common/ui/requiredfields.h"
#include "common/ui/timedstatusline.h"
#include "cp01/cp01messages.h"
#include "cp01/dateentry.h"
#include "cp01/ui/activitygridmodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ventrix::cp01 {
namespace {

const QString Cp01Prefix = QStringLiteral("CP01");
const QString SistemaPago = QStringLiteral("CP01_InfComp_SistemaPago");
const QString Sid3 = QStringLiteral("SID3");

QPushButton* button(QWidget* parent, const QString& text, const QString& name)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

}

Frm_CP01::Frm_CP01(Cp01Store& store, qint64 cmdId, const FormOpening& opening, QWidget* parent)
    : ModuleWindow(QStringLiteral("Frm_CP01"), QStringLiteral("Actualización de Datos"), helpid::Cp01, parent)
    , m_store(store)
    , m_form(store, cmdId,
          { [this](const QString& text, int ms) { statusLine()->showNotice(text, ms); },
              [this] { return chooseActivity(); }, [this](const CheckFailure& f) { showFailure(f); },
              [this] { return cardsComplete(); }, [this] { return openedCardComplete(); } })
    , m_lists(loadLookupLists(store.access()))
    , m_nomenclature(store.access())
{
    const Status loaded = m_form.open(opening);
    if (!loaded) {
        fail(loaded.error());
        return;
    }
    m_opened = true;
    buildLayout();
    statusLine()->showNotice(msg::cargandoDatosInicio(), 1400);
    setWindowTitle(m_form.title());
    showRecord();
    proposeDefaults();
    fillOpenedList();
    setModified(false);
    for (int tab = 0; tab < m_tab1->count(); ++tab) {
        if (tabUnlocked(m_form.record().tramite(), static_cast<FormTab>(tab))) {
            m_switchingTab = true;
            m_tab1->setCurrentIndex(tab);
            m_switchingTab = false;
            break;
        }
    }
}

Frm_CP01::~Frm_CP01() = default;

void Frm_CP01::buildLayout()
{
    m_key = new QLabel(this);
    m_key->setObjectName(QStringLiteral("CP01_ID"));
    m_tramite = new QLabel(this);
    m_tramite->setObjectName(QStringLiteral("Lab_TipoTramite"));
    m_personas = new QLabel(this);
    m_personas->setObjectName(QStringLiteral("Lab_Personas"));
    auto* head = new QHBoxLayout;
    head->addWidget(new QLabel(QStringLiteral("Trámite:"), this));
    head->addWidget(m_tramite, 1);
    head->addWidget(m_personas);
    head->addWidget(new QLabel(QStringLiteral("N°:"), this));
    head->addWidget(m_key);

    m_tab1 = new QTabWidget(this);
    m_tab1->setObjectName(QStringLiteral("vsIndexTab1"));
    m_tab1->addTab(buildPersonTab(), QStringLiteral("Personas Físicas"));
    m_tab1->addTab(buildComplementaryTab(), QStringLiteral("Inf. Complementaria"));
    m_tab1->addTab(buildAddressTab(), QStringLiteral("Domicilio Fiscal"));
    m_tab1->addTab(buildActivitiesTab(), QStringLiteral("Actividades"));
    connect(m_tab1, &QTabWidget::currentChanged, this, &Frm_CP01::tabRequested);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("Fecha de presentación en A.G.T."), this));
    m_fechaPres = qobject_cast<QLineEdit*>(makeField({ col::FechaPres, QString(), 10, Kind::Date }, this));
    bottom->addWidget(m_fechaPres);
    bottom->addStretch();
    auto* guardar = button(this, QStringLiteral("&Guardar"), QStringLiteral("Guardar"));
    auto* imprimir = button(this, QStringLiteral("&Imprimir"), QStringLiteral("Cmd_Imprimir"));
    auto* salir = button(this, QStringLiteral("&Salir"), QStringLiteral("Cmd_Aceptar"));
    auto* ayuda = button(this, QStringLiteral("&Ayuda"), QStringLiteral("Cmd_Ayuda"));
    for (QPushButton* b : { guardar, imprimir, salir, ayuda })
        bottom->addWidget(b);
    connect(guardar, &QPushButton::clicked, this, &Frm_CP01::Guardar_Click);
    connect(imprimir, &QPushButton::clicked, this, &Frm_CP01::Cmd_Imprimir_Click);
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);
    connect(ayuda, &QPushButton::clicked, this, [] { HelpService::instance().openContext(helpid::Cp01); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(m_tab1, 1);
    layout->addLayout(bottom);
    layout->addWidget(statusLine());
    resize(900, 680);
}

void Frm_CP01::showRecord()
{
    const Cp01Record& record = m_form.record();
    loadFields(Cp01Prefix, record.fields);
    m_sid3->setChecked(record.text(SistemaPago) == Sid3);
    m_key->setText(record.id() ? QString::number(record.id()) : QString());
    m_tramite->setText(record.tramite());
    CambiaPersonaJuridica();
    reloadGrids();
}

FieldValues Frm_CP01::readDates(FieldValues values) const
{
    for (auto it = values.begin(); it != values.end(); ++it) {
        if (!m_dateColumns.contains(it.key()) || it.value().isNull())
            continue;
        const std::optional<QDate> date = readTypedDate(it.value().toString());
        it.value() = date ? QVariant(*date) : QVariant();
    }
    return values;
}

void Frm_CP01::readRecord()
{
    Cp01Record& record = m_form.record();
    const FieldValues shown = readDates(readFields(Cp01Prefix));
    for (auto it = shown.cbegin(); it != shown.cend(); ++it)
        record.set(it.key(), it.value());
    record.set(SistemaPago, m_sid3->isChecked() ? QVariant(Sid3) : QVariant());
}

void Frm_CP01::proposeDefaults()
{
    const auto propose = [this](const QString& column, const QString& value) {
        auto* combo = findChild<QComboBox*>(column);
        if (combo && combo->currentIndex() < 0)
            combo->setCurrentIndex(combo->findData(value));
    };
    propose(QStringLiteral("CP01_PerFis_Nacionalidad"), QStringLiteral("Argentina"));
    propose(QStringLiteral("CP01_DomFisc_Provincia"), QStringLiteral("VALDERA"));
    for (int n = 1; n <= 5; ++n)
        propose(col::responsible(n, QStringLiteral("Provincia")), QStringLiteral("VALDERA"));
}

void Frm_CP01::reloadGrids()
{
    for (ActivityGridModel* model : m_models)
        if (model)
            model->reload();
}

void Frm_CP01::CambiaPersonaJuridica()
{
    const bool legal = m_form.record().isLegalPerson();
    m_naturalCard->setVisible(!legal);
    m_legalCard->parentWidget()->setVisible(legal);
    m_tab1->setTabText(0, legal ? QStringLiteral("Personas Jurídicas") : QStringLiteral("Personas Físicas"));
    m_nameCaption->setText(legal ? QStringLiteral("Razón Social") : QStringLiteral("Apellido y Nombre"));
    m_personas->setText(m_form.record().text(col::Personas));
    if (auto* name = findChild<QLineEdit*>(col::Contribuyente))
        name->setFocus();
}

void Frm_CP01::checkDate(QLineEdit* field)
{
    if (m_form.isSaving() || field->text().trimmed().isEmpty())
        return;
    const Result<QDate> typed = dateEntry(field->text().trimmed());
    if (!typed) {
        field->clear();
        inform(typed.error());
        return;
    }
    field->setText(typed->toString(QStringLiteral("dd/MM/yyyy")));
}

void Frm_CP01::tabRequested(int index)
{
    if (m_switchingTab || m_form.pedirTab(static_cast<FormTab>(index))) {
        m_lastTab = index;
        return;
    }
    m_switchingTab = true;
    m_tab1->setCurrentIndex(m_lastTab);
    m_switchingTab = false;
}

void Frm_CP01::showFailure(const CheckFailure& failure)
{
    m_switchingTab = true;
    m_tab1->setCurrentIndex(static_cast<int>(failure.tab));
    m_lastTab = m_tab1->currentIndex();
    m_switchingTab = false;
    if (failure.card >= 0) {
        QTabWidget* cards = failure.tab == FormTab::Persona ? m_tab2 : m_tab3;
        if (failure.tab == FormTab::Persona || failure.tab == FormTab::Actividades)
            cards->setCurrentIndex(std::min(failure.card, cards->count() - 1));
    }
    if (QWidget* field = failure.field.isEmpty() ? nullptr : findChild<QWidget*>(failure.field))
        field->setFocus();
}

bool Frm_CP01::cardsComplete()
{
    const Cp01Record& record = m_form.record();
    QList<QWidget*> cards;
    if (record.isLegalPerson()) {
        cards << m_legalCard << m_responsibleCards.at(0);
        for (int n = 2; n <= 5; ++n)
            if (!record.text(col::responsible(n, QStringLiteral("ApellidoNombre"))).trimmed().isEmpty())
                cards << m_responsibleCards.at(n - 1);
    } else {
        cards << m_naturalCard;
    }
    cards << m_complementaryCard << m_addressCard << m_premisesCards.at(0);
    for (int n = 2; n <= 3; ++n)
        if (!record.text(col::premises(n, QStringLiteral("Nombre"))).trimmed().isEmpty())
            cards << m_premisesCards.at(n - 1);
    // The check shows the card of the missing field, locked tab or not.
    m_switchingTab = true;
    bool complete = true;
    for (QWidget* card : cards) {
        if (!RequiredFields::check(card)) {
            complete = false;
            break;
        }
    }
    m_lastTab = m_tab1->currentIndex();
    m_switchingTab = false;
    return complete;
}

void Frm_CP01::Guardar_Click()
{
    readRecord();
    if (!m_form.Guardar())
        return;
    showRecord();
    setModified(false);
}

void Frm_CP01::done(int result)
{
    if (!m_opened || m_form.Cmd_Aceptar())
        ModuleWindow::done(result);
}

}
