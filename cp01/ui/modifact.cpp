#include "cp01/ui/modifact.h"

#include "common/help.h"
#include "common/helpids.h"
#include "common/messages.h"
#include "cp01/cp01messages.h"
#include "cp01/ui/modifactoption.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ventrix::cp01 {
namespace {

QPushButton* addButton(QHBoxLayout* row, QWidget* parent, const QString& text, const QString& name)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    row->addWidget(b);
    return b;
}

}

ModifAct::ModifAct(Nomenclature& nomenclature, QWidget* parent)
    : QDialog(parent)
    , m_nomenclature(nomenclature)
    , m_questions([this](const QString& title, const QString& optionD) {
        return ModifActOption::ask(title, optionD, this);
    })
    , m_editor(nomenclature, m_questions)
{
    setObjectName(QStringLiteral("ModifAct"));
    setWindowTitle(QStringLiteral("Actividades"));
    m_pages = new QTabWidget(this);
    m_pages->addTab(buildListPage(ActivitiesPage), QStringLiteral("Actividades"));
    m_pages->addTab(buildListPage(SalesPage), QStringLiteral("Venta"));
    m_pages->addTab(buildFiguresPage(), QStringLiteral("Alícuota y Mínimo"));
    // The user moves only with the buttons.
    m_pages->tabBar()->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    fillList(m_activities, m_editor.activities());
    resize(640, 460);
}

ModifAct::~ModifAct() = default;

QWidget* ModifAct::buildListPage(int page)
{
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    auto* search = new QLineEdit(widget);
    search->setObjectName(
        page == ActivitiesPage ? QStringLiteral("MiActividad") : QStringLiteral("MiFabricante"));
    search->setPlaceholderText(QStringLiteral("Buscar por código o nombre"));
    auto* grid = new QTableWidget(0, 2, widget);
    grid->setObjectName(page == ActivitiesPage ? QStringLiteral("Grilla") : QStringLiteral("GrillaVenta"));
    grid->setHorizontalHeaderLabels({ QStringLiteral("Codigo"), QStringLiteral("Actividad") });
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->verticalHeader()->hide();
    layout->addWidget(search);
    layout->addWidget(grid);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    if (page == SalesPage)
        connect(addButton(buttons, widget, QStringLiteral("&Anterior"), QStringLiteral("Cmd_Anterior2")),
            &QPushButton::clicked, this, &ModifAct::back);
    auto* next = addButton(buttons, widget, QStringLiteral("&Siguiente"),
        page == ActivitiesPage ? QStringLiteral("Cmd_Siguiente") : QStringLiteral("Cmd_Siguiente2"));
    connect(
        addButton(buttons, widget, QStringLiteral("&Cancelar"), QStringLiteral("Cmd_Cancelar%1").arg(page)),
        &QPushButton::clicked, this, &QDialog::reject);
    if (page == ActivitiesPage) {
        m_activities = grid;
        connect(addButton(buttons, widget, QStringLiteral("Ayuda"), QStringLiteral("Cmd_Ayuda")),
            &QPushButton::clicked, this, [] { HelpService::instance().openContext(helpid::ModifAct); });
        connect(next, &QPushButton::clicked, this, &ModifAct::nextFromActivities);
        connect(search, &QLineEdit::textEdited, this, &ModifAct::searchActivities);
    } else {
        m_sales = grid;
        connect(next, &QPushButton::clicked, this, &ModifAct::nextFromSales);
        connect(search, &QLineEdit::textEdited, this,
            [this](const QString& text) { fillList(m_sales, m_nomenclature.saleActivities(text)); });
    }
    connect(grid, &QTableWidget::cellDoubleClicked, next, &QPushButton::click);
    layout->addLayout(buttons);
    return widget;
}

QWidget* ModifAct::buildFiguresPage()
{
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    const QStringList captions { QStringLiteral("Código"), QStringLiteral("Actividad"),
        QStringLiteral("Alícuota"), QStringLiteral("Mínimo") };
    const QStringList names { QStringLiteral("Codigo"), QStringLiteral("Actividad"),
        QStringLiteral("Alicuota"), QStringLiteral("Minimo") };
    const auto labels = [&](QWidget* box, QList<QLabel*>& into, const QString& prefix) {
        auto* form = new QFormLayout(box);
        for (int i = 0; i < captions.size(); ++i) {
            const QString& caption = captions.at(i);
            auto* value = new QLabel(box);
            value->setObjectName(prefix + names.at(i));
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
            into.append(value);
            form->addRow(caption + QLatin1Char(':'), value);
        }
        return form;
    };
    auto* own = new QGroupBox(QStringLiteral("Actividad"), widget);
    QFormLayout* ownForm = labels(own, m_figures, QStringLiteral("Lab_"));
    m_caption = new QLabel(msg::captionEmpleados(), own);
    m_caption->setObjectName(QStringLiteral("CaptionNum"));
    m_quantity = new QLineEdit(QStringLiteral("1"), own);
    m_quantity->setObjectName(QStringLiteral("Txt_NumEmp"));
    m_quantity->setValidator(new QIntValidator(0, 999999, m_quantity));
    m_quantity->setMaxLength(6);
    ownForm->addRow(m_caption, m_quantity);
    m_companionBox = new QGroupBox(QStringLiteral("Actividad acompañante"), widget);
    labels(m_companionBox, m_companion, QStringLiteral("Lab_Comp"));
    layout->addWidget(own);
    layout->addWidget(m_companionBox);
    layout->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    connect(addButton(buttons, widget, QStringLiteral("&Anterior"), QStringLiteral("Cmd_Anterior3")),
        &QPushButton::clicked, this, &ModifAct::back);
    auto* aceptar = addButton(buttons, widget, QStringLiteral("&Aceptar"), QStringLiteral("Cmd_Aceptar"));
    connect(aceptar, &QPushButton::clicked, this, &ModifAct::accept);
    connect(addButton(buttons, widget, QStringLiteral("&Cancelar"), QStringLiteral("Cmd_Cancelar2")),
        &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(buttons);
    connect(m_quantity, &QLineEdit::editingFinished, this, [this] {
        m_quantity->setText(QString::number(quantity()));
        Cargar_Alicuota_Minimos();
    });
    return widget;
}

int ModifAct::currentPage() const
{
    return m_pages->currentIndex();
}

void ModifAct::fillList(QTableWidget* grid, const Result<QList<NomenclaEntry>>& entries)
{
    grid->setRowCount(0);
    if (!entries) {
        fail(entries.error());
        return;
    }
    grid->setRowCount(static_cast<int>(entries->size()));
    for (int r = 0; r < entries->size(); ++r) {
        grid->setItem(r, 0, new QTableWidgetItem(QString::number(entries->at(r).codigo)));
        grid->setItem(r, 1, new QTableWidgetItem(entries->at(r).actividad));
    }
}

std::optional<int> ModifAct::chosenCode(QTableWidget* grid) const
{
    const int r = grid->currentRow();
    if (r < 0 || !grid->item(r, 0) || !grid->selectionModel()->isRowSelected(r, {}))
        return std::nullopt;
    return grid->item(r, 0)->text().toInt();
}

void ModifAct::searchActivities(const QString& text)
{
    fillList(m_activities, text.trimmed().isEmpty() ? m_nomenclature.all() : m_nomenclature.search(text));
}

qint64 ModifAct::quantity() const
{
    return std::max<qint64>(1, m_quantity->text().toLongLong());
}

void ModifAct::showPage(ActivityEditor::Page page)
{
    switch (page) {
    case ActivityEditor::Page::Activities:
        m_pages->setCurrentIndex(ActivitiesPage);
        return;
    case ActivityEditor::Page::Sales:
        m_viaSales = true;
        m_pages->setCurrentIndex(SalesPage);
        fillList(m_sales, m_nomenclature.saleActivities());
        return;
    case ActivityEditor::Page::Figures:
        m_pages->setCurrentIndex(FiguresPage);
        m_caption->setText(m_editor.choice().quantityCaption);
        if (m_quantity->text().trimmed().isEmpty())
            m_quantity->setText(QStringLiteral("1"));
        Cargar_Alicuota_Minimos();
        m_quantity->setFocus();
        m_quantity->selectAll();
        return;
    }
}

void ModifAct::nextFromActivities()
{
    m_viaSales = false;
    showPage(m_editor.nextFromActivities(chosenCode(m_activities)));
}

void ModifAct::nextFromSales()
{
    showPage(m_editor.nextFromSales(chosenCode(m_sales)));
}

void ModifAct::back()
{
    if (currentPage() == FiguresPage && m_viaSales) {
        m_pages->setCurrentIndex(SalesPage);
        return;
    }
    m_pages->setCurrentIndex(ActivitiesPage);
    fillList(m_activities, m_editor.activities());
}

void ModifAct::Cargar_Alicuota_Minimos()
{
    const Result<ActivitySelection> shown = m_editor.figures(quantity());
    if (!shown) {
        fail(shown.error());
        return;
    }
    const auto show = [](const QList<QLabel*>& labels, const ChosenActivity& a) {
        labels.at(0)->setText(a.codigo);
        labels.at(1)->setText(a.denominacion);
        labels.at(2)->setText(a.alicuota ? plainRate(*a.alicuota) : QString());
        labels.at(3)->setText(a.baseMinimo ? a.baseMinimo->toDisplay() : QString());
    };
    show(m_figures, shown->activity);
    m_companionBox->setVisible(shown->companion.has_value());
    if (shown->companion)
        show(m_companion, *shown->companion);
}

void ModifAct::accept()
{
    const Result<ActivitySelection> chosen = m_editor.accept(quantity());
    if (!chosen) {
        fail(chosen.error());
        return;
    }
    m_selection = *chosen;
    QDialog::accept();
}

ActivitySelection ModifAct::choose(Nomenclature& nomenclature, QWidget* parent)
{
    ModifAct editor(nomenclature, parent);
    editor.exec();
    return editor.selection();
}

}
