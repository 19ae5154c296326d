#include "rates/ui/frm_indices.h"

#include "common/clock.h"
#include "common/help.h"
#include "common/helpids.h"
#include "common/messages.h"
#include "common/modulekeys.h"
#include "common/ui/moduleregistry.h"
#include "rates/indicesmodel.h"
#include "rates/ratefields.h"
#include "rates/ratesmessages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace ventrix::rates {

Frm_Indices::Frm_Indices(QSqlDatabase db, QWidget* parent)
    : ModuleWindow(QStringLiteral("Frm_Indices"), rates::msg::windowTitle(), helpid::Indices, parent)
    , m_db(std::move(db))
{
    buildLayout();
    connect(m_actualiza, &QPushButton::clicked, this, &Frm_Indices::ActualizaIdx);
    connect(m_salir, &QPushButton::clicked, this, &Frm_Indices::reject);
    connect(m_help, &QPushButton::clicked, this, [] { Ayuda_Contexto(helpid::Indices); });
    for (int field : { Rate, Month, Year }) {
        enterMovesOn(Tasa(field), field == Rate ? FieldKeys::Decimal : FieldKeys::Integer);
        connect(Tasa(field), &QLineEdit::editingFinished, this, [this, field] { checkField(field); });
    }
    CargarGrilla();
    CargaTasa();
}

Frm_Indices::~Frm_Indices()
{
    // The fields lose the focus while the dialog is torn down; their checks must not run then.
    for (QLineEdit* field : m_tasa)
        field->disconnect(this);
}

void Frm_Indices::buildLayout()
{
    const std::array<QString, 3> labels { QStringLiteral("Tasa mensual (%):"), QStringLiteral("Mes:"),
        QStringLiteral("Año:") };
    const std::array<int, 3> widths { 90, 44, 64 };
    auto* box = new QGroupBox(QStringLiteral("Tasa publicada por la A.G.T."), this);
    auto* fields = new QHBoxLayout(box);
    for (int field : { Rate, Month, Year }) {
        auto* edit = new QLineEdit(box);
        edit->setObjectName(QStringLiteral("Tasa_%1").arg(field));
        edit->setAlignment(Qt::AlignRight);
        edit->setFixedWidth(widths.at(static_cast<size_t>(field)));
        auto* label = new QLabel(labels.at(static_cast<size_t>(field)), box);
        label->setBuddy(edit);
        fields->addWidget(label);
        fields->addWidget(edit);
        fields->addSpacing(12);
        m_tasa.at(static_cast<size_t>(field)) = edit;
    }
    fields->addStretch();

    m_actualiza = new QPushButton(QStringLiteral("Actualizar &Indice"), this);
    m_actualiza->setObjectName(QStringLiteral("ActualizaIdx"));
    m_actualiza->setMinimumWidth(140);
    m_help = new QPushButton(QStringLiteral("&Ayuda"), this);
    m_help->setObjectName(QStringLiteral("Com_Help"));
    m_salir = new QPushButton(QStringLiteral("&Salir"), this);
    m_salir->setObjectName(QStringLiteral("Command1"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_actualiza);
    buttons->addStretch();
    buttons->addWidget(m_help);
    buttons->addWidget(m_salir);

    m_model = new IndicesModel(m_db, this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("TDBGrid1"));
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setAlternatingRowColors(true);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addLayout(buttons);
    layout->addWidget(m_grid, 1);
    resize(480, 560);
}

void Frm_Indices::CargarGrilla()
{
    if (!m_model->reload())
        fail(rates::msg::databaseError());
}

void Frm_Indices::CargaTasa()
{
    std::optional<rates::MonthProposal> proposal;
    if (!rates::CargaTasa(IndicesTable(m_db), &proposal)) {
        fail(rates::msg::databaseError());
        return;
    }
    m_proposal = proposal;
    if (proposal)
        showProposal(*proposal);
}

void Frm_Indices::showProposal(const rates::MonthProposal& proposal)
{
    Tasa(Rate)->setText(proposal.tasa.toDisplay());
    setMonth(proposal.firstDay.month(), proposal.firstDay.year());
}

void Frm_Indices::setMonth(int month, int year)
{
    Tasa(Month)->setText(QString::number(month));
    Tasa(Year)->setText(QString::number(year));
}

void Frm_Indices::checkField(int field)
{
    QLineEdit* edit = Tasa(field);
    switch (field) {
    case Rate:
        edit->setText(rates::checkRate(edit->text()));
        break;
    case Month:
        edit->setText(rates::checkMonth(edit->text()));
        break;
    case Year:
        edit->setText(rates::checkYear(edit->text()));
        break;
    }
}

void Frm_Indices::ActualizaIdx()
{
    for (int field : { Rate, Month, Year })
        checkField(field);
    const auto rate = rates::rateValue(Tasa(Rate)->text());
    const auto month = rates::monthValue(Tasa(Month)->text());
    const auto year = rates::yearValue(Tasa(Year)->text());
    if (!rate || !month || !year) {
        warn(rates::msg::incompleteFields());
        return;
    }
    m_actualiza->setEnabled(false);
    const QDate today = Clock::today();
    const auto outcome = rates::ActualizaIdx(m_db, { *month, *year, *rate }, today);
    if (outcome != rates::UpdateOutcome::NotPublished && outcome != rates::UpdateOutcome::Refused) {
        CargarGrilla();
        CargaTasa();
        rates::remindPendingMonth(m_proposal, today);
    }
    m_actualiza->setEnabled(true);
    // Disabling the button moved the focus away; the next month starts again at its rate.
    Tasa(Rate)->setFocus();
    Tasa(Rate)->selectAll();
}

void Frm_Indices::done(int result)
{
    std::optional<rates::MonthProposal> proposal;
    if (!rates::mayLeave(IndicesTable(m_db), Clock::today(), &proposal)) {
        if (proposal)
            setMonth(proposal->firstDay.month(), proposal->firstDay.year());
        Tasa(Rate)->setFocus();
        return;
    }
    ModuleWindow::done(result);
}

void registerRatesWindows(ModuleRegistry& registry)
{
    registry.add(modulekey::Tasas,
        [](const ModuleLaunch& launch, QWidget* parent) { return new Frm_Indices(launch.db, parent); });
}

}
