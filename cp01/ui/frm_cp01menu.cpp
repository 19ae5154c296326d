#include "cp01/ui/frm_cp01menu.h"

#include "common/fieldvalues.h"
#include "common/helpids.h"
#include "common/modulekeys.h"
#include "common/ui/moduleregistry.h"
#include "cp01/lookuplists.h"
#include "cp01/ui/frm_cp01.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ventrix::cp01 {
namespace {

enum Person { PersonJuridica = 0, PersonFisica = 1 };

QPushButton* button(QWidget* parent, const QString& text, const QString& name)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

}

Frm_CP01Menu::Frm_CP01Menu(QSqlDatabase db, qint64 cmdId, qint64 cp01Id, QWidget* parent)
    : ModuleWindow(
        QStringLiteral("Frm_CP01Menu"), QStringLiteral("Formulario CP 01"), helpid::Cp01Menu, parent)
    , m_access(std::move(db))
    , m_store(m_access)
    , m_menu(m_store, cmdId, taxpayerName(m_access, cmdId))
    , m_cmdId(cmdId)
{
    auto* key = new QLabel(cp01Id ? QString::number(cp01Id) : QString(), this);
    key->setObjectName(QStringLiteral("CP01_ID"));
    key->hide();
    buildLayout();
    showPage(PersonPage);
}

Frm_CP01Menu::~Frm_CP01Menu() = default;

QWidget* Frm_CP01Menu::buildPersonPage()
{
    auto* box = new QGroupBox(QStringLiteral("Inscripción"));
    auto* layout = new QVBoxLayout(box);
    m_person = new QButtonGroup(this);
    const QStringList texts { QStringLiteral("Personas Jurídicas"), QStringLiteral("Personas Físicas") };
    for (int i = 0; i < texts.size(); ++i) {
        auto* radio = new QRadioButton(texts.at(i), box);
        radio->setObjectName(QStringLiteral("Opt_Personas%1").arg(i));
        m_person->addButton(radio, i);
        layout->addWidget(radio);
    }
    m_person->button(PersonFisica)->setChecked(true);
    layout->addStretch();
    return box;
}

QWidget* Frm_CP01Menu::buildOptionPage()
{
    auto* box = new QGroupBox(QStringLiteral("Trámite"));
    auto* layout = new QVBoxLayout(box);
    m_option = new QButtonGroup(this);
    for (int i = 1; i <= ListOption; ++i) {
        const QString text = i < ListOption
            ? procedureText(static_cast<ProcedureType>(i))
            : QStringLiteral("Modificar y/o Imprimir los datos de un formulario ya ingresado");
        auto* radio = new QRadioButton(text, box);
        radio->setObjectName(QStringLiteral("Option1_%1").arg(i));
        m_option->addButton(radio, i);
        layout->addWidget(radio);
    }
    m_option->button(1)->setChecked(true);
    return box;
}

QWidget* Frm_CP01Menu::buildSectionsPage()
{
    auto* box = new QGroupBox(QStringLiteral("Modificar Datos"));
    auto* layout = new QVBoxLayout(box);
    const QList<Section> order { Section::OtrosDatos, Section::Actividades, Section::Domicilio,
        Section::RazonSocial };
    for (Section s : order) {
        auto* check = new QCheckBox(sectionCaption(s), box);
        check->setObjectName(QStringLiteral("Opt_Modif%1").arg(m_sections.size()));
        m_sections.append({ s, check });
        layout->addWidget(check);
    }
    auto* note = new QLabel(
        QStringLiteral("Deberá presentar nuevamente el CP01 en la AGT con carácter obligatorio"), box);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addStretch();
    return box;
}

QWidget* Frm_CP01Menu::buildListPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    m_grid = new QTableWidget(0, 4, page);
    m_grid->setObjectName(QStringLiteral("Grilla"));
    m_grid->setHorizontalHeaderLabels({ QStringLiteral("Contribuyente"), QStringLiteral("Tramite"),
        QStringLiteral("Ingreso"), QStringLiteral("Nombre Fantasía") });
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->verticalHeader()->hide();
    layout->addWidget(m_grid);
    auto* buttons = new QHBoxLayout;
    auto* mod = button(
        page, QStringLiteral("&Modificar/Imprimir el trámite selecc."), QStringLiteral("Cmd_ModTram"));
    auto* del = button(
        page, QStringLiteral("&Borrar el trámite seleccionado..."), QStringLiteral("Cmd_BorrarTramite"));
    buttons->addWidget(mod);
    buttons->addWidget(del);
    layout->addLayout(buttons);
    connect(mod, &QPushButton::clicked, this, &Frm_CP01Menu::Cmd_ModTram_Click);
    connect(del, &QPushButton::clicked, this, &Frm_CP01Menu::Cmd_BorrarTramite_Click);
    return page;
}

void Frm_CP01Menu::buildLayout()
{
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(buildPersonPage());
    m_pages->addWidget(buildOptionPage());
    m_pages->addWidget(buildSectionsPage());
    m_pages->addWidget(buildListPage());
    m_previo = button(this, QStringLiteral("Previo"), QStringLiteral("Cmd_Previo"));
    m_prox = button(this, QStringLiteral("Próximo"), QStringLiteral("Cmd_Prox"));
    auto* cancelar = button(this, QStringLiteral("&Cancelar"), QStringLiteral("Cmd_Cancelar"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_previo);
    buttons->addWidget(m_prox);
    buttons->addWidget(cancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);
    connect(m_previo, &QPushButton::clicked, this, &Frm_CP01Menu::Cmd_Previo_Click);
    connect(m_prox, &QPushButton::clicked, this, &Frm_CP01Menu::Cmd_Prox_Click);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    resize(560, 360);
}

int Frm_CP01Menu::currentPage() const
{
    return m_pages->currentIndex();
}

void Frm_CP01Menu::showPage(int page)
{
    m_pages->setCurrentIndex(page);
    m_previo->setEnabled(page != PersonPage);
    m_prox->setEnabled(page != ListPage);
}

QString Frm_CP01Menu::personas() const
{
    return m_person->checkedId() == PersonJuridica ? cp01::Juridicas : cp01::Fisicas;
}

void Frm_CP01Menu::Cmd_Previo_Click()
{
    const int page = currentPage();
    showPage(page == PersonPage                        ? PersonPage
            : page == ListPage || page == SectionsPage ? OptionPage
                                                       : PersonPage);
}

void Frm_CP01Menu::Cmd_Prox_Click()
{
    const int option = m_option->checkedId();
    switch (currentPage()) {
    case PersonPage:
        showPage(OptionPage);
        return;
    case OptionPage:
        if (option == ListOption) {
            showPage(ListPage);
            CargarGrilla();
        } else if (option == static_cast<int>(ProcedureType::ModificarDatos)) {
            showPage(SectionsPage);
        } else {
            openForm(m_menu.Cmd_Prox(static_cast<ProcedureType>(option), personas()));
        }
        return;
    case SectionsPage: {
        QList<Section> chosen;
        for (const auto& [section, check] : m_sections)
            if (check->isChecked())
                chosen.append(section);
        // A modification that changes nothing unlocks no tab: the user ticks a section first.
        if (!chosen.isEmpty())
            openForm(m_menu.Cmd_Prox(ProcedureType::ModificarDatos, personas(), chosen));
        return;
    }
    default:
        return;
    }
}

void Frm_CP01Menu::openForm(const std::optional<FormOpening>& opening)
{
    if (!opening)
        return;
    Frm_CP01 form(m_store, m_cmdId, *opening, this);
    if (form.opened())
        form.exec();
    if (currentPage() == ListPage)
        CargarGrilla();
}

void Frm_CP01Menu::CargarGrilla()
{
    m_rows = m_menu.CargarGrilla();
    m_grid->setRowCount(0);
    m_grid->setRowCount(static_cast<int>(m_rows.size()));
    for (int r = 0; r < m_rows.size(); ++r) {
        const ProcedureListRow& row = m_rows.at(r);
        const QStringList cells { row.contribuyente, row.tramite, displayText(row.fechaPres),
            row.nombreFantasia };
        for (int c = 0; c < cells.size(); ++c)
            m_grid->setItem(r, c, new QTableWidgetItem(cells.at(c)));
    }
    m_grid->resizeColumnsToContents();
}

const ProcedureListRow* Frm_CP01Menu::selectedRow() const
{
    const int r = m_grid->currentRow();
    const bool selected = r >= 0 && r < m_rows.size() && m_grid->selectionModel()->isRowSelected(r, {});
    return selected ? &m_rows.at(r) : nullptr;
}

void Frm_CP01Menu::Cmd_ModTram_Click()
{
    openForm(m_menu.Cmd_ModTram(selectedRow()));
}

void Frm_CP01Menu::Cmd_BorrarTramite_Click()
{
    if (m_menu.Cmd_BorrarTramite(selectedRow()))
        CargarGrilla();
}

void registerCp01Windows(ModuleRegistry& registry)
{
    registry.add(modulekey::Cp01, [](const ModuleLaunch& launch, QWidget* parent) -> QWidget* {
        return new Frm_CP01Menu(launch.db, launch.cmdId, launch.cp01Id, parent);
    });
}

}
