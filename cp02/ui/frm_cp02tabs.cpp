// The cards of Frm_CP02: the taxpayer's data, the list, the period, the two grids, the exempt
// activities and the balance.
#include "common/ui/timedstatusline.h"
#include "cp02/ui/annualactivitymodel.h"
#include "cp02/ui/frm_cp02.h"
#include "cp02/ui/monthgridmodel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace ventrix::cp02 {
namespace {

QPushButton* button(QWidget* parent, const QString& text, const QString& name)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

QTableView* grid(QAbstractItemModel* model, const QString& name, QWidget* parent)
{
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setModel(model);
    view->verticalHeader()->hide();
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->horizontalHeader()->setDefaultAlignment(
        Qt::Alignment(Qt::AlignCenter) | Qt::Alignment(Qt::TextWordWrap));
    view->horizontalHeader()->setMinimumHeight(48);
    view->verticalHeader()->setDefaultSectionSize(22);
    return view;
}

// Caption and field pairs laid out in rows of `perRow` pairs.
QGridLayout* pairs(const QList<QPair<QString, QWidget*>>& items, int perRow)
{
    auto* layout = new QGridLayout;
    for (int i = 0; i < items.size(); ++i) {
        layout->addWidget(new QLabel(items.at(i).first), i / perRow, (i % perRow) * 2);
        layout->addWidget(items.at(i).second, i / perRow, (i % perRow) * 2 + 1);
    }
    return layout;
}

}

QLineEdit* Frm_CP02::field(const QString& column, FieldKeys keys, bool readOnly)
{
    auto* edit = bind(new QLineEdit(this), column, keys);
    edit->setReadOnly(readOnly);
    if (keys == FieldKeys::Amount)
        edit->setAlignment(Qt::AlignRight);
    return edit;
}

QWidget* Frm_CP02::buildTaxpayerBox()
{
    auto* box = new QGroupBox(QStringLiteral("Datos del Contribuyente"), this);
    const auto ro = [this](const QString& column) { return field(column, FieldKeys::Text, true); };
    box->setLayout(pairs(
        { { QStringLiteral("Apellido y Nombre / Razón Social:"), ro(QStringLiteral("CP01_Contribuyente")) },
            { QStringLiteral("C.U.I.T.:"), ro(QStringLiteral("CP01_CUIT")) },
            { QStringLiteral("Domicilio Fiscal:"), ro(QStringLiteral("CP01_DomFisc_Domicilio")) },
            { QStringLiteral("Nº de I.S.I.B.:"), ro(QStringLiteral("CP01_IngBrut")) },
            { QStringLiteral("Número:"), ro(QStringLiteral("CP01_DomFisc_DomNumero")) },
            { QStringLiteral("Cierre Ejercicio:"), ro(QStringLiteral("CP01_RegPubCom_FechaCierre")) },
            { QStringLiteral("Teléfono:"), ro(QStringLiteral("CP01_DomFisc_Telefono")) },
            { QStringLiteral("Cond. IVA:"), ro(QStringLiteral("CP01_RegPubCom_CondIVA")) } },
        2));
    return box;
}

QWidget* Frm_CP02::buildListBox()
{
    auto* box = new QGroupBox(QStringLiteral("Declaraciones almacenadas"), this);
    auto* layout = new QVBoxLayout(box);
    m_list = new QListWidget(box);
    m_list->setObjectName(QStringLiteral("Lst_Periodos"));
    box->setMaximumWidth(220);
    layout->addWidget(m_list);
    auto* nuevo = button(box, QStringLiteral("&Nuevo"), QStringLiteral("Cmd_Nuevo"));
    auto* borrar = button(box, QStringLiteral("&Borrar"), QStringLiteral("Cmd_Borrar"));
    layout->addWidget(nuevo);
    layout->addWidget(borrar);
    connect(m_list, &QListWidget::itemClicked, this, &Frm_CP02::declaracionElegida);
    connect(nuevo, &QPushButton::clicked, this, &Frm_CP02::Cmd_Nuevo_Click);
    connect(borrar, &QPushButton::clicked, this, &Frm_CP02::Cmd_Borrar_Click);
    hoverText(nuevo, QStringLiteral("Ingresar la declaración jurada de un nuevo período"));
    hoverText(borrar, QStringLiteral("Borrar la declaración jurada seleccionada"));
    return box;
}

QWidget* Frm_CP02::buildPeriodTab()
{
    auto* page = new QWidget(this);
    m_periodo = new QLineEdit(page);
    m_periodo->setObjectName(QStringLiteral("Txt_Periodo"));
    m_periodo->setMaxLength(4);
    m_periodo->setMaximumWidth(80);
    enterMovesOn(m_periodo, FieldKeys::Integer);
    m_tramite = new QComboBox(page);
    m_tramite->setObjectName(QStringLiteral("Cmb_Tramite"));
    m_tramite->addItem(Original, Original);
    m_tramite->addItem(Rectificativa, Rectificativa);
    auto* aceptar = button(page, QStringLiteral("&Aceptar"), QStringLiteral("Cmd_Aceptar"));
    connect(aceptar, &QPushButton::clicked, this, &Frm_CP02::Cmd_Aceptar_Click);
    auto* layout = new QVBoxLayout(page);
    auto* form = pairs(
        { { QStringLiteral("Período Fiscal:"), m_periodo }, { QStringLiteral("Trámite:"), m_tramite } }, 1);
    form->addWidget(aceptar, 2, 1, Qt::AlignLeft);
    form->setColumnStretch(2, 1);
    layout->addLayout(form);
    layout->addStretch();
    return page;
}

QWidget* Frm_CP02::buildActivitiesTab()
{
    auto* page = new QWidget(this);
    m_activities = new AnnualActivityModel(m_form, this);
    QTableView* view = grid(m_activities, QStringLiteral("TDBGrid1"), page);
    view->horizontalHeader()->setSectionResizeMode(AnnualActivityModel::Actividad, QHeaderView::Stretch);
    view->horizontalHeader()->setSectionResizeMode(
        AnnualActivityModel::Exento, QHeaderView::ResizeToContents);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("DETERMINACION DEL IMPUESTO ANUAL POR ACTIVIDAD"), page));
    layout->addWidget(view, 1);
    auto* empleados = new QHBoxLayout;
    empleados->addWidget(new QLabel(QStringLiteral("Cantidad de empleados: total de actividades no exentas y "
                                                   "gravadas a tasa mayor de cero"),
        page));
    QLineEdit* num = field(QStringLiteral("Cp02_NumEmpleados"), FieldKeys::Integer);
    num->setMaximumWidth(80);
    empleados->addWidget(num);
    empleados->addStretch();
    layout->addLayout(empleados);
    auto* box = new QGroupBox(QStringLiteral("Distribución de Ingresos"), page);
    m_total = new QLabel(box);
    m_total->setObjectName(QStringLiteral("Lab_Total"));
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QList<QPair<QString, QWidget*>> items;
    const QStringList captions { QStringLiteral("Gravado:"), QStringLiteral("No Gravado:"),
        QStringLiteral("Exento:"), QStringLiteral("Gravado a Tasa Cero:") };
    const QStringList columns { col::Gravado, col::NoGravado, col::Excento, col::TasaCero };
    for (int i = 0; i < columns.size(); ++i) {
        QLineEdit* amount = field(columns.at(i), FieldKeys::Amount);
        connect(amount, &QLineEdit::editingFinished, this, &Frm_CP02::distributionEdited);
        items.append({ captions.at(i), amount });
    }
    items.append({ QStringLiteral("Total:"), m_total });
    box->setLayout(pairs(items, 5));
    layout->addWidget(box);
    connect(m_activities, &AnnualActivityModel::edited, this, [this] { setModified(true); });
    return page;
}

QWidget* Frm_CP02::buildMonthsTab()
{
    auto* page = new QWidget(this);
    auto* options = new QGroupBox(QStringLiteral("Las Actividades Incluyen"), page);
    auto* optionLayout = new QHBoxLayout(options);
    m_option = new QButtonGroup(this);
    const QStringList texts { QStringLiteral("Mínimo Mensuales"), QStringLiteral("Mínimo Anuales"),
        QStringLiteral("Mínimo Mensuales y Anuales") };
    for (int i = 0; i < texts.size(); ++i) {
        auto* radio = new QRadioButton(texts.at(i), options);
        radio->setObjectName(QStringLiteral("Opt_Minimo%1").arg(i));
        m_option->addButton(radio, i + 1);
        optionLayout->addWidget(radio);
    }
    connect(m_option, &QButtonGroup::idClicked, this, &Frm_CP02::optionChosen);
    m_months = new MonthGridModel(m_form, this);
    QTableView* view = grid(m_months, QStringLiteral("TDBGrid2"), page);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    connect(m_months, &MonthGridModel::recomputed, this, [this] {
        setModified(true);
        showComputed();
    });
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("DETERMINACION DE ANTICIPOS E IMPUESTO MINIMO"), page));
    layout->addWidget(options);
    layout->addWidget(view, 1);
    layout->addWidget(buildBalanceBox());
    return page;
}

QWidget* Frm_CP02::buildBalanceBox()
{
    auto* box = new QGroupBox(QStringLiteral("Determinación Saldo Declaración Jurada"), this);
    QLineEdit* tax = field(col::Impuesto, FieldKeys::Amount);
    connect(tax, &QLineEdit::editingFinished, this, &Frm_CP02::taxEdited);
    box->setLayout(
        pairs({ { QStringLiteral("Impuesto:"), tax },
                  { QStringLiteral("Retenciones y Otros Pagos:"),
                      field(col::Retenciones, FieldKeys::Amount, true) },
                  { QStringLiteral("Importe Depositado sin recargos:"),
                      field(col::ImpDepos, FieldKeys::Amount, true) },
                  { QStringLiteral("Saldo a Favor A.G.T.:"), field(col::FavorAgt, FieldKeys::Amount, true) },
                  { QStringLiteral("Saldo a Favor Contribuyente:"),
                      field(col::FavorContrib, FieldKeys::Amount, true) } },
            3));
    return box;
}

QWidget* Frm_CP02::buildExemptTab()
{
    auto* page = new QWidget(this);
    auto* layout = new QGridLayout(page);
    const QStringList captions { QStringLiteral("Número"), QStringLiteral("Norma Legal"),
        QStringLiteral("Año"), QStringLiteral("Porc."), QStringLiteral("Fecha de Inicio"),
        QStringLiteral("Fecha de Finalización"), QStringLiteral("Ing. alcanzados por la Exención") };
    const QStringList items { QStringLiteral("Numero"), QStringLiteral("NormaLegal"), QStringLiteral("Año"),
        QStringLiteral("Porcent"), QStringLiteral("FechaIni"), QStringLiteral("FechaFin"),
        QStringLiteral("ImporAlc") };
    const QList<FieldKeys> keys { FieldKeys::Text, FieldKeys::Text, FieldKeys::Integer, FieldKeys::Decimal,
        FieldKeys::Date, FieldKeys::Date, FieldKeys::Amount };
    for (int c = 0; c < captions.size(); ++c)
        layout->addWidget(new QLabel(captions.at(c), page), 0, c + 1);
    for (int n = 1; n <= 5; ++n) {
        layout->addWidget(new QLabel(QString::number(n), page), n, 0);
        for (int c = 0; c < items.size(); ++c) {
            QLineEdit* edit = field(col::exempt(n, items.at(c)), keys.at(c));
            if (keys.at(c) == FieldKeys::Date)
                connect(edit, &QLineEdit::editingFinished, this, [this, edit] { checkDate(edit); });
            layout->addWidget(edit, n, c + 1);
        }
    }
    layout->setRowStretch(6, 1);
    return page;
}

void Frm_CP02::buildLayout()
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("vsIndexTab1"));
    m_tabs->addTab(buildPeriodTab(), QStringLiteral("Período"));
    m_tabs->addTab(buildActivitiesTab(), QStringLiteral("Impuesto Anual por Actividad"));
    m_tabs->addTab(buildMonthsTab(), QStringLiteral("Anticipos e Impuesto Mínimo"));
    m_tabs->addTab(buildExemptTab(), QStringLiteral("Actividades Exentas"));
    connect(m_tabs, &QTabWidget::currentChanged, this, &Frm_CP02::tabRequested);

    auto* middle = new QHBoxLayout;
    middle->addWidget(buildListBox());
    middle->addWidget(m_tabs, 1);
    auto* guardar = button(this, QStringLiteral("&Guardar"), QStringLiteral("Cmd_Guardar"));
    auto* salir = button(this, QStringLiteral("&Salir"), QStringLiteral("Cmd_Salir"));
    connect(guardar, &QPushButton::clicked, this, &Frm_CP02::Cmd_Guardar_Click);
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);
    hoverText(guardar, QStringLiteral("Guardar e imprimir la declaración jurada"));
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(guardar);
    bottom->addWidget(salir);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildTaxpayerBox());
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);
    layout->addWidget(statusLine());
    resize(1100, 720);
}

}
