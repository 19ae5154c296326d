#pragma once

#include "common/ui/modulewindow.h"
#include "cp01/cp01form.h"
#include "cp01/cp01printflow.h"
#include "cp01/lookuplists.h"

#include <QSet>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QLabel;
class QListWidget;
class QPrinter;
class QPushButton;
class QTabWidget;
class QTableView;

namespace ventrix::cp01 {

class ActivityGridModel;

// "Actualización de Datos": one CP01 procedure of a taxpayer in four tabs (the person, the
// complementary data, the fiscal address and up to three premises with their activities, plus
// the premises opened with "4 - Apertura Comercio"). The fields are copied to and from the
// core's record; the core checks, asks and stores.
class Frm_CP01 : public ModuleWindow
{
    Q_OBJECT

public:
    // How a field is typed and shown.
    enum class Kind { Text, Digits, Date, Combo, Cuit, Isib };
    enum class Lookup {
        None,
        TipoDoc,
        Paises,
        EstadoCivil,
        NatJuridica,
        CondIva,
        Provincias,
        Sexo,
        Personas,
        Firma
    };
    struct FieldDef
    {
        QString column;
        QString caption;
        int width = 0;
        Kind kind = Kind::Text;
        Lookup list = Lookup::None;
        bool required = false;
    };

    Frm_CP01(Cp01Store& store, qint64 cmdId, const FormOpening& opening, QWidget* parent = nullptr);
    ~Frm_CP01() override;

    // False when the procedure could not be loaded (the reason has been shown).
    bool opened() const { return m_opened; }
    Cp01Form& form() { return m_form; }

    void CambiaPersonaJuridica();
    void Guardar_Click();
    void Cmd_Imprimir_Click();
    void Cmd_ImpAperCom_Click();
    void done(int result) override;

    // Where the delivery files are written; by default "Archivos" beside the database.
    void setArchivosFolder(const QString& folder) { m_archivos = folder; }
    QString archivosFolder() const;

private:
    // Cards built from tables of fields.
    QWidget* buildPersonTab();
    QWidget* buildResponsibleCard(int n);
    QWidget* buildComplementaryTab();
    QWidget* buildAddressTab();
    QWidget* buildActivitiesTab();
    QWidget* buildPremisesCard(int n);
    QWidget* buildOpeningsCard();
    QWidget* buildCard(const QList<FieldDef>& fields, int pairsPerRow = 2);
    QWidget* makeField(const FieldDef& def, QWidget* parent);
    QTableView* makeGrid(int premises, QWidget* parent);
    QWidget* gridButtons(int premises, QWidget* parent);
    void fillCombo(QComboBox* combo, Lookup list) const;
    void buildLayout();

    // Copying between the fields and the core's record.
    void showRecord();
    void readRecord();
    void showOpenedPremises();
    void readOpenedPremises();
    FieldValues readDates(FieldValues values) const;
    void proposeDefaults();
    void reloadGrids();

    // Field and tab rules.
    void checkDate(QLineEdit* field);
    // A list field left with a text that is none of its items is emptied and taken back to.
    void checkListChoice(QComboBox* combo);
    void checkPremisesNumber(int premises, QLineEdit* field);
    void tabRequested(int index);
    void showFailure(const CheckFailure& failure);
    bool cardsComplete();
    bool openedCardComplete();
    Cp01PrintFlow::Hooks printHooks(QPrinter& printer);
    void fillOpenedList();
    void Cmd_Com_Nuevo_Click();
    void Cmd_Com_Guardar_Click();
    void Cmd_Com_Borrar_Click();
    void comercioElegido();
    ActivitySelection chooseActivity();

    Cp01Store& m_store;
    Cp01Form m_form;
    LookupLists m_lists;
    Nomenclature m_nomenclature;
    bool m_opened = false;
    bool m_switchingTab = false;
    bool m_checkingList = false;
    int m_lastTab = 0;
    QSet<QString> m_dateColumns;
    QLabel* m_key = nullptr;
    QLabel* m_tramite = nullptr;
    QLabel* m_personas = nullptr;
    QLabel* m_nameCaption = nullptr;
    QTabWidget* m_tab1 = nullptr;
    QTabWidget* m_tab2 = nullptr;
    QTabWidget* m_tab3 = nullptr;
    QWidget* m_naturalCard = nullptr;
    QWidget* m_legalCard = nullptr;
    QWidget* m_complementaryCard = nullptr;
    QWidget* m_addressCard = nullptr;
    QWidget* m_openingsCard = nullptr;
    std::array<QWidget*, 5> m_responsibleCards {};
    std::array<QWidget*, 3> m_premisesCards {};
    std::array<ActivityGridModel*, 4> m_models {};
    std::array<QTableView*, 4> m_grids {};
    QCheckBox* m_sid3 = nullptr;
    QListWidget* m_lstCom = nullptr;
    QLineEdit* m_fechaPres = nullptr;
    QString m_archivos;
};

}
