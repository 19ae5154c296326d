// The activities tab of the inscription form: the cards of premises 1 to 3 and of the opened
// premises, each with its activity grid and buttons.
#include "common/messages.h"
#include "cp01/cp01messages.h"
#include "cp01/ui/activitygridmodel.h"
#include "cp01/ui/frm_cp01.h"
#include "cp01/ui/modifact.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace ventrix::cp01 {
namespace {

using Kind = Frm_CP01::Kind;
using Def = Frm_CP01::FieldDef;

// Column names of premises 1 to 3, or of the opened premises (4).
QString premisesColumn(int n, const char* item)
{
    const QString name = QString::fromUtf8(item);
    return n == 4 ? QStringLiteral("Com_Activ_") + name : col::premises(n, name);
}

QList<Def> premisesData(int n)
{
    const auto c = [n](const char* item) { return premisesColumn(n, item); };
    return {
        { c("Nombre"), QStringLiteral("Nombre de Fantasía"), 30, Kind::Text, Frm_CP01::Lookup::None, true },
        { c("ComerNum"), QStringLiteral("N° de Comercio"), 3, Kind::Digits },
        { c("FhInicio"), QStringLiteral("Fecha de Inicio"), 10, Kind::Date, Frm_CP01::Lookup::None, true },
    };
}

QList<Def> premisesAddress(int n)
{
    const auto c = [n](const char* item) { return premisesColumn(n, item); };
    return {
        { c("Domicilio"), QStringLiteral("Calle"), 50, Kind::Text, Frm_CP01::Lookup::None, true },
        { c("DomicNumero"), QStringLiteral("Número"), 6, Kind::Text },
        { c("Monoblock"), QStringLiteral("Monoblock"), 6, Kind::Text },
        { c("Planta"), QStringLiteral("Planta"), 2, Kind::Text },
        { c("Depto"), QStringLiteral("Depto."), 4, Kind::Text },
        { c("Piso"), QStringLiteral("Piso"), 2, Kind::Text },
        { c("Oficina"), QStringLiteral("Oficina"), 4, Kind::Text },
        { c("Localidad"), QStringLiteral("Localidad"), 25, Kind::Text, Frm_CP01::Lookup::None, true },
        { c("CodPostal"), QStringLiteral("Código Postal"), 5, Kind::Text, Frm_CP01::Lookup::None, true },
        { c("Te_Caract"), QStringLiteral("Característica"), 6, Kind::Text },
        { c("Telefono"), QStringLiteral("Teléfono"), 14, Kind::Text },
    };
}

QPushButton* button(QWidget* parent, const QString& text, const QString& name)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

}

QWidget* Frm_CP01::buildActivitiesTab()
{
    m_tab3 = new QTabWidget;
    m_tab3->setObjectName(QStringLiteral("vsIndexTab3"));
    for (int n = 1; n <= 3; ++n)
        m_tab3->addTab(buildPremisesCard(n), QStringLiteral("Comercio &%1").arg(n));
    m_openingsCard = buildOpeningsCard();
    if (m_form.isApertura())
        m_tab3->addTab(m_openingsCard, QStringLiteral("Aperturas Com."));
    else
        m_openingsCard->hide();
    return m_tab3;
}

QWidget* Frm_CP01::buildPremisesCard(int n)
{
    auto* card = new QWidget;
    auto* layout = new QVBoxLayout(card);
    QWidget* premises = buildCard(premisesData(n), 3);
    // Adopted before the address frame is built, so the focus (and the required check) takes the
    // premises' own data first.
    premises->setParent(card);
    auto* frame = new QGroupBox(QStringLiteral("Domicilio dónde desarrolla la actividad"), card);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(buildCard(premisesAddress(n), 4));
    frameLayout->addWidget(new QLabel(QStringLiteral("Provincia: VALDERA"), frame));
    layout->addWidget(premises);
    layout->addWidget(frame);
    layout->addWidget(makeGrid(n, card), 1);
    layout->addWidget(gridButtons(n, card));
    if (n <= 3)
        m_premisesCards.at(n - 1) = card;
    auto* number = card->findChild<QLineEdit*>(premisesColumn(n, "ComerNum"));
    connect(number, &QLineEdit::editingFinished, this, [this, n, number] { checkPremisesNumber(n, number); });
    return card;
}

QTableView* Frm_CP01::makeGrid(int premises, QWidget* parent)
{
    auto* grid = new QTableView(parent);
    grid->setObjectName(QStringLiteral("TDBGrid%1").arg(premises));
    auto* model = new ActivityGridModel(
        m_form.activities(premises),
        [this, premises](int row, bool exento) {
            m_form.marcarExenta(premises, row, exento);
            setModified(true);
        },
        grid);
    grid->setModel(model);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->horizontalHeader()->setDefaultSectionSize(82);
    grid->horizontalHeader()->setSectionResizeMode(ActivityGridModel::Denominacion, QHeaderView::Stretch);
    grid->verticalHeader()->setDefaultSectionSize(22);
    grid->setMinimumHeight(170);
    connect(model, &QAbstractItemModel::dataChanged, this, [this] { setModified(true); });
    m_models.at(premises - 1) = model;
    m_grids.at(premises - 1) = grid;
    return grid;
}

QWidget* Frm_CP01::gridButtons(int premises, QWidget* parent)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* add
        = button(row, QStringLiteral("&Agregar Actividad"), QStringLiteral("Cmd_Agregar%1").arg(premises));
    auto* del = button(row, QStringLiteral("Borrar Actividad"), QStringLiteral("Cmd_Borrar%1").arg(premises));
    auto* reload = button(row, QStringLiteral("Recuperar"), QStringLiteral("Cmd_Recuperar%1").arg(premises));
    hoverText(reload, QStringLiteral("Recuperar las actividades cargadas de la base de datos"));
    layout->addWidget(add);
    layout->addWidget(del);
    layout->addWidget(reload);
    layout->addStretch();
    connect(add, &QPushButton::clicked, this, [this, premises] {
        if (m_form.agregarActividad(premises))
            setModified(true);
        m_models.at(premises - 1)->reload();
    });
    connect(del, &QPushButton::clicked, this, [this, premises] {
        const QModelIndexList rows = m_grids.at(premises - 1)->selectionModel()->selectedRows();
        if (m_form.borrarActividad(premises, rows.isEmpty() ? -1 : rows.first().row()))
            setModified(true);
        m_models.at(premises - 1)->reload();
    });
    connect(reload, &QPushButton::clicked, this, [this, premises] {
        m_form.recuperarActividades(premises);
        m_models.at(premises - 1)->reload();
    });
    return row;
}

QWidget* Frm_CP01::buildOpeningsCard()
{
    auto* card = new QWidget;
    auto* layout = new QHBoxLayout(card);
    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel(QStringLiteral("Seleccione por Nombre Fantasía"), card));
    m_lstCom = new QListWidget(card);
    m_lstCom->setObjectName(QStringLiteral("Lst_Com"));
    side->addWidget(m_lstCom, 1);
    const QList<QPair<QString, QString>> buttons { { QStringLiteral("Nuevo"),
                                                       QStringLiteral("Cmd_Com_Nuevo") },
        { QStringLiteral("Guardar"), QStringLiteral("Cmd_Com_Guardar") },
        { QStringLiteral("Borrar"), QStringLiteral("Cmd_Com_Borrar") },
        { QStringLiteral("&Imprimir"), QStringLiteral("Cmd_ImpAperCom") } };
    QList<QPushButton*> made;
    for (const auto& [text, name] : buttons) {
        made.append(button(card, text, name));
        side->addWidget(made.back());
    }
    layout->addLayout(side);
    layout->addWidget(buildPremisesCard(4), 1);
    connect(made.at(0), &QPushButton::clicked, this, &Frm_CP01::Cmd_Com_Nuevo_Click);
    connect(made.at(1), &QPushButton::clicked, this, &Frm_CP01::Cmd_Com_Guardar_Click);
    connect(made.at(2), &QPushButton::clicked, this, &Frm_CP01::Cmd_Com_Borrar_Click);
    connect(made.at(3), &QPushButton::clicked, this, &Frm_CP01::Cmd_ImpAperCom_Click);
    connect(m_lstCom, &QListWidget::itemClicked, this, &Frm_CP01::comercioElegido);
    return card;
}

void Frm_CP01::checkPremisesNumber(int premises, QLineEdit* field)
{
    if (premises == 4)
        readOpenedPremises();
    else
        readRecord();
    if (!m_form.numeroComercioLibre(premises, field->text()))
        field->clear();
}

void Frm_CP01::fillOpenedList()
{
    FieldBinder::fillList(m_lstCom, m_form.openedPremisesList());
}

void Frm_CP01::showOpenedPremises()
{
    const bool modified = isModified();
    loadFields(QStringLiteral("Com"), m_form.openedPremises().fields);
    setModified(modified);
    m_models.at(3)->reload();
}

void Frm_CP01::readOpenedPremises()
{
    FieldValues& fields = m_form.openedPremises().fields;
    const FieldValues shown = readDates(readFields(QStringLiteral("Com")));
    for (auto it = shown.cbegin(); it != shown.cend(); ++it)
        fields.insert(it.key(), it.value());
}

void Frm_CP01::comercioElegido()
{
    QListWidgetItem* item = m_lstCom->currentItem();
    if (!item)
        return;
    if (auto s = m_form.seleccionarComercio(item->data(Qt::UserRole).toLongLong()); !s)
        fail(s.error());
    showOpenedPremises();
}

void Frm_CP01::Cmd_Com_Nuevo_Click()
{
    if (m_form.Cmd_Com_Nuevo())
        showOpenedPremises();
}

void Frm_CP01::Cmd_Com_Guardar_Click()
{
    readRecord();
    readOpenedPremises();
    if (!m_form.Cmd_Com_Guardar())
        return;
    m_key->setText(QString::number(m_form.record().id()));
    fillOpenedList();
    showOpenedPremises();
}

void Frm_CP01::Cmd_Com_Borrar_Click()
{
    if (!m_form.Cmd_Com_Borrar())
        return;
    fillOpenedList();
    showOpenedPremises();
}

ActivitySelection Frm_CP01::chooseActivity()
{
    return ModifAct::choose(m_nomenclature, this);
}

}
