// The parts of the declaration screen: head, buttons, the activities, the balance and the
// inscription's data.
#include "sid3/ui/activitylinesmodel.h"
#include "sid3/ui/frm_sid3.h"
#include "sid3/ui/gridfooter.h"
#include "sid3/ui/registeramountbox.h"

#include "common/help.h"
#include "common/ui/helpkey.h"
#include "common/ui/timedstatusline.h"
#include "sid3/ui/amountdelegate.h"

#include <QGridLayout>
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

namespace ventrix::sid3 {
namespace {

QPushButton* button(QWidget* parent, const QString& text, const QString& name)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

// Rows of caption and field in a grid, pairs side by side.
void addPair(QGridLayout* grid, int row, int pair, const QString& caption, QWidget* field)
{
    grid->addWidget(new QLabel(caption), row, pair * 2, Qt::AlignRight);
    grid->addWidget(field, row, pair * 2 + 1);
}

const std::array<const char16_t*, 4> AmountColumns { u"Sid_Retenciones", u"Sid_Percepciones", u"Sid_Otros",
    u"Sid_Compensaciones" };
const std::array<const char16_t*, 4> CountColumns { u"Sid_Retencion_NumReg", u"Sid_Percepcion_NumReg",
    u"Sid_Otros_NumReg", u"Sid_Compensaciones_NumReg" };

}

QLineEdit* Frm_SID3::field(const QString& name, const QString& column, FieldKeys keys)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    bind(edit, column, keys);
    edit->setReadOnly(keys == FieldKeys::Text);
    return edit;
}

QLineEdit* Frm_SID3::shown(const QString& name)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

QLineEdit* Frm_SID3::cp01Field(const QString& column)
{
    auto* edit = new QLineEdit(this);
    bind(edit, column);
    edit->setProperty("cp01", true);
    connect(edit, &QLineEdit::textEdited, this, &Frm_SID3::refuseCp01Typing);
    return edit;
}

void Frm_SID3::buildLayout()
{
    auto* top = new QHBoxLayout;
    auto* listBox = new QGroupBox(QStringLiteral("Períodos"), this);
    auto* listLayout = new QVBoxLayout(listBox);
    m_periodos = new QListWidget(listBox);
    m_periodos->setObjectName(QStringLiteral("Lst_Periodos"));
    listLayout->addWidget(m_periodos);
    listBox->setMaximumWidth(260);
    top->addWidget(listBox);
    top->addWidget(buildHead(), 1);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("vsIndexTab1"));
    m_tabs->addTab(buildActivitiesTab(), QStringLiteral("&Actividades"));
    m_tabs->addTab(buildBalanceTab(), QStringLiteral("&Pagos a cuenta y saldo"));
    m_tabs->addTab(buildCp01Tab(), QStringLiteral("Datos del C&P01"));

    statusLine()->setObjectName(QStringLiteral("Mensaje"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(buildButtons());
    layout->addWidget(statusLine());
    // Fields the user cannot type in look like labels.
    setStyleSheet(QStringLiteral("QLineEdit[readOnly=\"true\"], QLineEdit[cp01=\"true\"] "
                                 "{ background: palette(window); }"));
    resize(980, 700);
}

QWidget* Frm_SID3::buildHead()
{
    auto* box = new QGroupBox(QStringLiteral("Declaración"), this);
    auto* grid = new QGridLayout(box);
    addPair(grid, 0, 0, QStringLiteral("Mes"), field(QStringLiteral("Txt_Mes"), QStringLiteral("Sid_Mes")));
    addPair(grid, 0, 1, QStringLiteral("Año"), field(QStringLiteral("Txt_Año"), QStringLiteral("Sid_Año")));
    addPair(grid, 1, 0, QStringLiteral("Trámite"),
        field(QStringLiteral("Txt_Tramite_Num"), QStringLiteral("Sid_Tramite")));
    addPair(grid, 1, 1, QString(),
        field(QStringLiteral("Txt_Tramite_Desc"), QStringLiteral("Sid_Tramite_Descrip")));
    addPair(grid, 2, 0, QStringLiteral("Tasa del mes"),
        field(QStringLiteral("Txt_Tasa"), QStringLiteral("Sid_Tasa_Mes")));
    addPair(grid, 3, 0, QStringLiteral("Ingresos Brutos"),
        field(QStringLiteral("Txt_IB"), QStringLiteral("Sid_IB")));
    addPair(
        grid, 3, 1, QStringLiteral("CUIT"), field(QStringLiteral("Txt_Cuit"), QStringLiteral("Sid_CUIT")));
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget* Frm_SID3::buildButtons()
{
    auto* bar = new QWidget(this);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* nuevo = button(bar, QStringLiteral("&Nuevo Per."), QStringLiteral("Cmb_NuevoPer"));
    auto* borrar = button(bar, QStringLiteral("&Borrar Per."), QStringLiteral("Cmb_Borrar"));
    auto* guardar = button(bar, QStringLiteral("&Guardar"), QStringLiteral("Cmd_Guardar"));
    auto* imprimir = button(bar, QStringLiteral("&Imprimir"), QStringLiteral("Cmd_Imprimir"));
    auto* calculadora = button(bar, QStringLiteral("&Calculadora"), QStringLiteral("Cmd_CallAccesorios"));
    auto* ayuda = button(bar, QStringLiteral("A&yuda"), QStringLiteral("Com_Help"));
    auto* salir = button(bar, QStringLiteral("&Salir"), QStringLiteral("Salir"));
    for (QPushButton* b : { nuevo, borrar, guardar, imprimir })
        layout->addWidget(b);
    layout->addStretch();
    for (QPushButton* b : { calculadora, ayuda, salir })
        layout->addWidget(b);
    hoverText(nuevo, QStringLiteral("Liquidar un nuevo período"));
    hoverText(borrar, QStringLiteral("Borrar el período seleccionado"));
    connect(nuevo, &QPushButton::clicked, this, &Frm_SID3::Cmb_NuevoPer_Click);
    connect(borrar, &QPushButton::clicked, this, &Frm_SID3::Cmb_Borrar_Click);
    connect(guardar, &QPushButton::clicked, this, &Frm_SID3::Cmd_Guardar_Click);
    connect(imprimir, &QPushButton::clicked, this, &Frm_SID3::Cmd_Imprimir_Click);
    connect(calculadora, &QPushButton::clicked, this, &Frm_SID3::Cmd_CallAccesorios_Click);
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);
    connect(ayuda, &QPushButton::clicked, this,
        [this] { HelpService::instance().openContext(helpContextOf(this)); });
    return bar;
}

QWidget* Frm_SID3::buildActivitiesTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    m_grid = new QTableView(page);
    m_grid->setObjectName(QStringLiteral("TDBGrid1"));
    m_model = new ActivityLinesModel(
        m_form.lines(), [this] { lineEdited(); }, this);
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->setItemDelegateForColumn(ActivityLinesModel::BaseImp, new AmountDelegate(m_grid));
    m_grid->horizontalHeader()->setSectionResizeMode(ActivityLinesModel::Denominacion, QHeaderView::Stretch);
    m_grid->setColumnWidth(ActivityLinesModel::BaseImp, 120);
    m_grid->setColumnWidth(ActivityLinesModel::Impuesto, 110);
    m_footer = new GridFooter(m_grid, page);
    m_footer->setObjectName(QStringLiteral("TDBGrid1_Footer"));
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_footer);
    layout->addWidget(buildIncomeBox());
    return page;
}

QWidget* Frm_SID3::buildIncomeBox()
{
    auto* box = new QGroupBox(QStringLiteral("Distribución de Ingresos"), this);
    auto* grid = new QGridLayout(box);
    addPair(grid, 0, 0, QStringLiteral("Gravado"),
        field(QStringLiteral("Gravado"), QStringLiteral("Sid_Gravado")));
    addPair(
        grid, 1, 0, QStringLiteral("Exento"), field(QStringLiteral("Exento"), QStringLiteral("Sid_Excento")));
    addPair(grid, 2, 0, QStringLiteral("Tasa Cero"),
        field(QStringLiteral("TasaCero"), QStringLiteral("Sid_TasaCero")));
    addPair(grid, 3, 0, QStringLiteral("No Gravado"),
        field(QStringLiteral("NoGravado"), QStringLiteral("Sid_No_Gravado"), FieldKeys::Amount));
    addPair(grid, 0, 1, QStringLiteral("Total Ingresos del Período"),
        shown(QStringLiteral("TotalIngresoPeriodo")));
    addPair(grid, 1, 1, QStringLiteral("Total Exentos"), shown(QStringLiteral("TotalExentos")));
    addPair(grid, 2, 1, QStringLiteral("Total"), shown(QStringLiteral("TotalImpuestos")));
    auto* empleados
        = field(QStringLiteral("NumEmpleados"), QStringLiteral("Sid_NumEmpleado"), FieldKeys::Integer);
    empleados->setToolTip(QStringLiteral("Según informado en CP02"));
    addPair(grid, 0, 2, QStringLiteral("N° de empleados: total de act. no exentas y grav. a tasa > de 0"),
        empleados);
    addPair(grid, 1, 2, QStringLiteral("Total Computable"),
        field(QStringLiteral("Max_ImpMin"), QStringLiteral("Sid_SubTotal_AGT")));
    for (QLineEdit* e : box->findChildren<QLineEdit*>())
        e->setAlignment(Qt::AlignRight);
    return box;
}

QWidget* Frm_SID3::buildRegistersBox()
{
    auto* box = new QGroupBox(QStringLiteral("Pagos a cuenta"), this);
    auto* grid = new QGridLayout(box);
    for (Register reg : AllRegisters) {
        const int i = static_cast<int>(reg);
        auto* open = button(box, registerCaption(reg), QStringLiteral("Cmd_Registro%1").arg(i));
        auto* amount = bind(new RegisterAmountBox(box), QString::fromUtf16(AmountColumns.at(i)));
        amount->setObjectName(QStringLiteral("Contrib%1").arg(i));
        connect(amount, &RegisterAmountBox::openRequested, this, [this, reg] { CallRegistraciones(reg); });
        auto* count = field(QStringLiteral("Contrib_Reg%1").arg(i), QString::fromUtf16(CountColumns.at(i)));
        count->hide();
        m_countCaptions.at(i) = new QLabel(box);
        m_countCaptions.at(i)->setObjectName(QStringLiteral("Lab_Contrib_Reg%1").arg(i));
        grid->addWidget(open, i, 0);
        grid->addWidget(amount, i, 1);
        grid->addWidget(m_countCaptions.at(i), i, 2);
        connect(open, &QPushButton::clicked, this, [this, reg] { CallRegistraciones(reg); });
    }
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* Frm_SID3::buildBalanceTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(buildRegistersBox());
    auto* box = new QGroupBox(QStringLiteral("Saldo"), page);
    auto* grid = new QGridLayout(box);
    addPair(grid, 0, 0, QStringLiteral("Total Computable"), shown(QStringLiteral("Alias0")));
    auto* pagos = field(QStringLiteral("Alias1"), QStringLiteral("Sid_Saldo_Contrib"));
    addPair(grid, 1, 0, QStringLiteral("Pagos a cuenta"), pagos);
    addPair(grid, 2, 0, QStringLiteral("Saldo a favor de la AGT"), shown(QStringLiteral("Alias2")));
    m_favContrib = new QLabel(box);
    m_favContrib->setObjectName(QStringLiteral("Lab_FavContrib"));
    m_favContrib->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    addPair(grid, 3, 0, QStringLiteral("Saldo a favor del contribuyente"), m_favContrib);
    addPair(grid, 0, 1, QStringLiteral("Saldo Resultante a Favor de la AGT"),
        field(QStringLiteral("Saldo_AGT"), QStringLiteral("Sid_Saldo_AGT")));
    addPair(grid, 1, 1, QStringLiteral("Fecha Vencimiento"),
        field(QStringLiteral("FechaVto"), QStringLiteral("Sid_Fh_Vto"), FieldKeys::Date));
    addPair(grid, 2, 1, QStringLiteral("Fecha Pago"),
        field(QStringLiteral("FechaPago"), QStringLiteral("Sid_Fecha_Pago"), FieldKeys::Date));
    m_interes = field(QStringLiteral("Interes"), QStringLiteral("Sid_Interes"), FieldKeys::Amount);
    addPair(grid, 3, 1, QStringLiteral("Interés"), m_interes);
    addPair(grid, 4, 1, QStringLiteral("Total a Depositar"),
        field(QStringLiteral("TotalContrib"), QStringLiteral("Sid_Total_Depositar")));
    addPair(grid, 5, 1, QStringLiteral("Importe depositado"),
        field(QStringLiteral("ImporteDepositado"), QStringLiteral("Sid_Importe_Pagado"), FieldKeys::Amount));
    for (QLineEdit* e : box->findChildren<QLineEdit*>())
        e->setAlignment(Qt::AlignRight);
    layout->addWidget(box);
    layout->addStretch();
    return page;
}

QWidget* Frm_SID3::buildCp01Tab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* box = new QGroupBox(
        QStringLiteral("Datos del último CP01 (solo pueden modificarse a través del CP01)"), page);
    auto* grid = new QGridLayout(box);
    const QList<QPair<QString, QString>> rows {
        { QStringLiteral("Contribuyente"), QStringLiteral("CP01_Contribuyente") },
        { QStringLiteral("CUIT"), QStringLiteral("CP01_CUIT") },
        { QStringLiteral("Ingresos Brutos"), QStringLiteral("CP01_IngBrut") },
        { QStringLiteral("Domicilio Fiscal"), QStringLiteral("CP01_DomFisc_Domicilio") },
        { QStringLiteral("Número"), QStringLiteral("CP01_DomFisc_DomNumero") },
        { QStringLiteral("Localidad"), QStringLiteral("CP01_DomFisc_Localidad") },
        { QStringLiteral("Domicilio Comercial"), QStringLiteral("CP01_Activ_Domicilio") },
        { QStringLiteral("Número"), QStringLiteral("CP01_Activ_DomicNumero") },
        { QStringLiteral("Localidad"), QStringLiteral("CP01_Activ_Localidad") },
        { QStringLiteral("Sistema de Pago"), QStringLiteral("CP01_InfComp_SistemaPago") },
    };
    for (int i = 0; i < rows.size(); ++i)
        addPair(grid, i, 0, rows.at(i).first, cp01Field(rows.at(i).second));
    grid->setColumnStretch(1, 1);
    layout->addWidget(box);
    layout->addStretch();
    return page;
}

}
