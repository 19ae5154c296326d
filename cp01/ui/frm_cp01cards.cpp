// The cards of the person, the complementary data and the fiscal address, built from tables of
// their fields.
#include "common/messages.h"
#include "common/ui/identifieredit.h"
#include "cp01/cp01messages.h"
#include "cp01/ui/frm_cp01.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ventrix::cp01 {
namespace {

using Kind = Frm_CP01::Kind;
using Lookup = Frm_CP01::Lookup;
using Def = Frm_CP01::FieldDef;

QString cp01(const char* name)
{
    return QStringLiteral("CP01_") + QString::fromUtf8(name);
}

QList<Def> naturalPerson()
{
    return {
        { cp01("PerFis_TipoDoc"), QStringLiteral("Tipo de Documento"), 0, Kind::Combo, Lookup::TipoDoc,
            true },
        { cp01("PerFis_NumDoc"), QStringLiteral("N° de Documento"), 10, Kind::Digits, Lookup::None, true },
        { cp01("PerFis_Sexo"), QStringLiteral("Sexo"), 0, Kind::Combo, Lookup::Sexo, true },
        { cp01("PerFis_FhNacim"), QStringLiteral("Fecha de Nacimiento"), 10, Kind::Date, Lookup::None, true },
        { cp01("PerFis_Nacionalidad"), QStringLiteral("Nacionalidad"), 0, Kind::Combo, Lookup::Paises, true },
        { cp01("PerFis_EstadoCivil"), QStringLiteral("Estado Civil"), 0, Kind::Combo, Lookup::EstadoCivil },
    };
}

QList<Def> legalPerson()
{
    return {
        { cp01("PerJur_Nat_Juridica"), QStringLiteral("Naturaleza Jurídica"), 0, Kind::Combo,
            Lookup::NatJuridica, true },
        { cp01("PerJur_FechaCreac"), QStringLiteral("Fecha de Creación"), 10, Kind::Date, Lookup::None,
            true },
        { cp01("PerJur_DuracionAños"), QStringLiteral("Duración en años"), 2, Kind::Digits },
        { cp01("PerJur_InscIGJ_Numero"), QStringLiteral("N° Reg. Personas Jurídicas"), 6, Kind::Text },
        { cp01("PerJur_InscIGJ_Fecha"), QStringLiteral("Fecha de Inscripción"), 10, Kind::Date },
        { cp01("PerJur_Resp1_Firma"), QStringLiteral("Carácter de la Firma"), 0, Kind::Combo, Lookup::Firma },
    };
}

QList<Def> responsible(int n)
{
    const auto c = [n](const char* item) { return col::responsible(n, QString::fromUtf8(item)); };
    return {
        { c("ApellidoNombre"), QStringLiteral("Apellido y Nombre"), 50, Kind::Text, Lookup::None, n == 1 },
        { c("TipoDoc"), QStringLiteral("Tipo de Documento"), 0, Kind::Combo, Lookup::TipoDoc, true },
        { c("NumDoc"), QStringLiteral("N° de Documento"), 10, Kind::Digits, Lookup::None, true },
        { c("FhNacim"), QStringLiteral("Fecha de Nacimiento"), 10, Kind::Date },
        { c("CUIT"), QStringLiteral("CUIT"), 13, Kind::Cuit },
        { c("Cargo"), QStringLiteral("Cargo que Desempeña"), 20, Kind::Text, Lookup::None, true },
        { c("Domicilio"), QStringLiteral("Calle"), 50, Kind::Text, Lookup::None, true },
        { c("DomNumero"), QStringLiteral("Número"), 6, Kind::Text },
        { c("Monobloc"), QStringLiteral("Monoblock"), 6, Kind::Text },
        { c("Planta"), QStringLiteral("Planta"), 2, Kind::Text },
        { c("Depto"), QStringLiteral("Depto."), 4, Kind::Text },
        { c("Piso"), QStringLiteral("Piso"), 2, Kind::Text },
        { c("Oficina"), QStringLiteral("Oficina"), 4, Kind::Text },
        { c("Localidad"), QStringLiteral("Localidad"), 25, Kind::Text, Lookup::None, true },
        { c("Provincia"), QStringLiteral("Provincia"), 0, Kind::Combo, Lookup::Provincias },
    };
}

QList<Def> complementary()
{
    return {
        { col::Cuit, QStringLiteral("CUIT"), 13, Kind::Cuit, Lookup::None, true },
        { col::IngBrut, QStringLiteral("Ingresos Brutos"), 13, Kind::Isib },
        { cp01("RegPubCom_FechaCierre"), QStringLiteral("Cierre del Ejercicio (Día/Mes)"), 5, Kind::Text },
        { cp01("RegPubCom_CondIVA"), QStringLiteral("Condición frente al IVA"), 0, Kind::Combo,
            Lookup::CondIva, true },
        { cp01("RegPubCom_Numero"), QStringLiteral("N° Reg. Público de Comercio"), 6, Kind::Digits },
        { cp01("RegPubCom_Año"), QStringLiteral("Año"), 4, Kind::Digits },
        { cp01("RegPubCom_Fecha"), QStringLiteral("Fecha"), 10, Kind::Date },
        { cp01("RegPubCom_Tomo"), QStringLiteral("Tomo"), 5, Kind::Text },
        { cp01("RegPubCom_Folio"), QStringLiteral("Folio"), 10, Kind::Text },
    };
}

QList<Def> fiscalAddress()
{
    return {
        { cp01("DomFisc_Email"), QStringLiteral("E-mail"), 50, Kind::Text },
        { cp01("DomFisc_Domicilio"), QStringLiteral("Calle"), 50, Kind::Text, Lookup::None, true },
        { cp01("DomFisc_DomNumero"), QStringLiteral("Número"), 6, Kind::Text },
        { cp01("DomFisc_Monoblock"), QStringLiteral("Monoblock"), 6, Kind::Text },
        { cp01("DomFisc_Planta"), QStringLiteral("Planta"), 2, Kind::Text },
        { cp01("DomFisc_Depto"), QStringLiteral("Depto."), 4, Kind::Text },
        { cp01("DomFisc_Piso"), QStringLiteral("Piso"), 2, Kind::Text },
        { cp01("DomFisc_Oficina"), QStringLiteral("Oficina"), 4, Kind::Text },
        { cp01("DomFisc_Te_Caract"), QStringLiteral("Característica"), 6, Kind::Text },
        { cp01("DomFisc_Telefono"), QStringLiteral("Teléfono"), 14, Kind::Text },
        { cp01("DomFisc_CodPostal"), QStringLiteral("Código Postal"), 5, Kind::Text, Lookup::None, true },
        { cp01("DomFisc_Localidad"), QStringLiteral("Localidad"), 25, Kind::Text, Lookup::None, true },
        { cp01("DomFisc_Provincia"), QStringLiteral("Provincia"), 0, Kind::Combo, Lookup::Provincias, true },
    };
}

}

QWidget* Frm_CP01::buildCard(const QList<FieldDef>& fields, int pairsPerRow)
{
    auto* card = new QWidget;
    auto* grid = new QGridLayout(card);
    for (int i = 0; i < fields.size(); ++i) {
        QWidget* field = makeField(fields.at(i), card);
        auto* label = new QLabel(fields.at(i).caption, card);
        label->setBuddy(field);
        const int row = i / pairsPerRow;
        const int column = (i % pairsPerRow) * 2;
        grid->addWidget(label, row, column, Qt::AlignRight);
        // A date keeps its own width; the column grows with its other fields.
        const bool date = fields.at(i).kind == Kind::Date;
        if (date)
            field->setMinimumWidth(
                field->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 12);
        grid->addWidget(field, row, column + 1, date ? Qt::AlignLeft : Qt::Alignment());
    }
    for (int pair = 0; pair < pairsPerRow; ++pair)
        grid->setColumnStretch(pair * 2 + 1, 1);
    return card;
}

QWidget* Frm_CP01::makeField(const FieldDef& def, QWidget* parent)
{
    switch (def.kind) {
    case Kind::Combo: {
        auto* combo = bind(new QComboBox(parent), def.column, FieldKeys::Text, def.required);
        // Typed like a text field, completed from the list; leaving it checks the text is an item.
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->completer()->setCompletionMode(QCompleter::PopupCompletion);
        combo->completer()->setCaseSensitivity(Qt::CaseInsensitive);
        fillCombo(combo, def.list);
        connect(
            combo->lineEdit(), &QLineEdit::editingFinished, this, [this, combo] { checkListChoice(combo); });
        // Long look-up texts must not widen their column at the others' expense.
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(12);
        return combo;
    }
    case Kind::Cuit:
    case Kind::Isib:
        return bind(new IdentifierEdit(
                        def.kind == Kind::Cuit ? IdentifierKind::Cuit : IdentifierKind::IngBrutos, parent),
            def.column, FieldKeys::Text, def.required);
    default:
        break;
    }
    const FieldKeys keys = def.kind == Kind::Digits ? FieldKeys::Integer
        : def.kind == Kind::Date                    ? FieldKeys::Date
                                                    : FieldKeys::Text;
    auto* edit = bind(new QLineEdit(parent), def.column, keys, def.required);
    edit->setMaxLength(def.width);
    if (def.kind == Kind::Date) {
        m_dateColumns.insert(def.column);
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] { checkDate(edit); });
    }
    return edit;
}

void Frm_CP01::checkListChoice(QComboBox* combo)
{
    if (m_form.isSaving() || m_checkingList)
        return;
    const QString typed = combo->currentText().trimmed();
    const int found = typed.isEmpty() ? -1 : combo->findText(typed, Qt::MatchFixedString);
    if (typed.isEmpty() || found >= 0) {
        if (found != combo->currentIndex() || combo->currentText() != combo->itemText(found)) {
            combo->setCurrentIndex(found);
            setModified(true);
            // As if chosen from the list: the person type rearranges the cards.
            if (found >= 0)
                emit combo->activated(found);
        }
        return;
    }
    m_checkingList = true;
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
    inform(msg::seleccioneOpcionLista());
    // Back to the combo, on whatever tab the user was going to.
    m_switchingTab = true;
    for (QWidget* w = combo; w; w = w->parentWidget()) {
        auto* tabs = qobject_cast<QTabWidget*>(w);
        for (int i = 0; tabs && i < tabs->count(); ++i) {
            if (tabs->widget(i)->isAncestorOf(combo))
                tabs->setCurrentIndex(i);
        }
    }
    m_lastTab = m_tab1->currentIndex();
    m_switchingTab = false;
    combo->setFocus();
    m_checkingList = false;
}

void Frm_CP01::fillCombo(QComboBox* combo, Lookup list) const
{
    const auto fixed = [](const QStringList& texts) {
        QList<ListEntry> entries;
        for (const QString& t : texts)
            entries.append({ t, t });
        return entries;
    };
    switch (list) {
    case Lookup::TipoDoc:
        FieldBinder::fillList(combo, m_lists.tiposDoc);
        break;
    case Lookup::Paises:
        FieldBinder::fillList(combo, m_lists.paises);
        break;
    case Lookup::EstadoCivil:
        FieldBinder::fillList(combo, m_lists.estadosCiviles);
        break;
    case Lookup::NatJuridica:
        FieldBinder::fillList(combo, m_lists.natJuridicas);
        break;
    case Lookup::CondIva:
        FieldBinder::fillList(combo, m_lists.condIva);
        break;
    case Lookup::Provincias:
        FieldBinder::fillList(combo, m_lists.provincias);
        break;
    case Lookup::Sexo:
        FieldBinder::fillList(combo, fixed({ QStringLiteral("M"), QStringLiteral("F") }));
        break;
    case Lookup::Personas:
        FieldBinder::fillList(combo, fixed({ Fisicas, Juridicas }));
        break;
    case Lookup::Firma:
        FieldBinder::fillList(combo,
            fixed(
                { QStringLiteral("Indistinta"), QStringLiteral("Conjunta"), QStringLiteral("Individual") }));
        break;
    case Lookup::None:
        break;
    }
    combo->setCurrentIndex(-1);
}

QWidget* Frm_CP01::buildPersonTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* head = new QGridLayout;
    m_nameCaption = new QLabel(QStringLiteral("Apellido y Nombre"), page);
    auto* name = makeField({ col::Contribuyente, QString(), 80, Kind::Text, Lookup::None, true }, page);
    m_nameCaption->setBuddy(name);
    auto* personas = qobject_cast<QComboBox*>(
        makeField({ col::Personas, QString(), 0, Kind::Combo, Lookup::Personas, true }, page));
    head->addWidget(m_nameCaption, 0, 0, Qt::AlignRight);
    head->addWidget(name, 0, 1, 1, 3);
    head->addWidget(new QLabel(QStringLiteral("Tipo de Persona"), page), 1, 0, Qt::AlignRight);
    head->addWidget(personas, 1, 1);
    layout->addLayout(head);
    connect(personas, &QComboBox::activated, this, [this, personas] {
        readRecord();
        m_form.record().setPersonType(personas->currentData().toString());
        showRecord();
        setModified(true);
    });
    m_naturalCard = buildCard(naturalPerson());
    m_naturalCard->setObjectName(QStringLiteral("Card_PerFis"));
    auto* legal = new QWidget;
    auto* legalLayout = new QVBoxLayout(legal);
    legalLayout->setContentsMargins(0, 0, 0, 0);
    m_legalCard = buildCard(legalPerson(), 3);
    m_legalCard->setObjectName(QStringLiteral("Card_PerJur"));
    legalLayout->addWidget(m_legalCard);
    m_tab2 = new QTabWidget(legal);
    m_tab2->setObjectName(QStringLiteral("vsIndexTab2"));
    for (int n = 1; n <= 5; ++n)
        m_tab2->addTab(buildResponsibleCard(n), QStringLiteral("Responsable &%1").arg(n));
    legalLayout->addWidget(m_tab2);
    layout->addWidget(m_naturalCard);
    layout->addWidget(legal, 1);
    layout->addStretch();
    return page;
}

QWidget* Frm_CP01::buildResponsibleCard(int n)
{
    QWidget* card = buildCard(responsible(n), 3);
    m_responsibleCards.at(n - 1) = card;
    return card;
}

QWidget* Frm_CP01::buildComplementaryTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    m_complementaryCard = buildCard(complementary());
    layout->addWidget(m_complementaryCard);
    auto* frame = new QGroupBox(QStringLiteral("Sistema de Pago Mensual"), page);
    auto* frameLayout = new QVBoxLayout(frame);
    m_sid3 = new QCheckBox(QStringLiteral("SID3"), frame);
    m_sid3->setObjectName(QStringLiteral("CP01_InfComp_SistemaPago"));
    frameLayout->addWidget(m_sid3);
    layout->addWidget(frame);
    layout->addStretch();
    connect(m_sid3, &QCheckBox::toggled, this, [this] { setModified(true); });
    return page;
}

QWidget* Frm_CP01::buildAddressTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    m_addressCard = buildCard(fiscalAddress());
    layout->addWidget(m_addressCard);
    layout->addStretch();
    return page;
}

}
