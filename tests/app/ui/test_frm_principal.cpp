#include "app/register/passwordhash.h"
#include "app/register/taxpayers.h"
#include "app/ui/frm_idcontrib.h"
#include "app/ui/frm_password.h"
#include "app/ui/frm_principal.h"
#include "app/ui/taxpayergridmodel.h"
#include "common/appinfo.h"
#include "common/clock.h"
#include "common/help.h"
#include "common/helpids.h"
#include "common/ui/elidedlabel.h"
#include "common/ui/moduleregistry.h"
#include "common/version.h"

#include "../register/registerfixture.h"
#include "modaldialogs.h"
#include "screenshot.h"
#include "scriptedmessages.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::app;
using namespace ventrix::test;

namespace {

const QString Cp01Warning = QStringLiteral(
    "Esta opción es solamente para contribuyentes del\nImpuesto sobre los Ingresos Brutos Directos de "
    "Valdera...\n\nSi Ud. es Agente de Retención/Percepción y pertenece al régimen de Convenio Multilateral "
    "o es Exento al Impuesto Sobre los Ingresos Brutos debe ingresar directamente en ARP...\n\nDesea "
    "continuar...");

template <typename T = QWidget> T* child(QWidget* parent, const char* name)
{
    return parent->findChild<T*>(QString::fromLatin1(name));
}

// Types like the keyboard does, accented letters included.
void keys(QWidget* target, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &release);
    }
}

void type(QWidget* dialog, const char* field, const QString& text)
{
    // Focus moves (and so the checks on leaving a field) need the dialog to be the active window.
    if (!dialog->isActiveWindow())
        QApplication::setActiveWindow(dialog);
    EXPECT_TRUE(dialog->isActiveWindow());
    auto* edit = child<QLineEdit>(dialog, field);
    edit->setFocus();
    edit->selectAll();
    keys(edit, text);
}

class MainWindow : public ::testing::Test
{
protected:
    MainWindow()
    {
        Clock::install(&clock);
        acme = addTaxpayer(t.db(), QStringLiteral("Acme S.A."), QStringLiteral("30-70000001/2"));
        pena = addTaxpayer(t.db(), QStringLiteral("Peña, María"), QStringLiteral("27-1/4"));
        kiosco = addTaxpayer(t.db(), QStringLiteral("100% Kiosco"), QStringLiteral("ref 9"));
        window = std::make_unique<Frm_Principal>(t.db(), nullptr, &registry);
        window->show();
        QApplication::processEvents();
        modelTester = std::make_unique<QAbstractItemModelTester>(
            grid()->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    }
    ~MainWindow() override { Clock::install(nullptr); }

    QPushButton* button(const char* name) { return child<QPushButton>(window.get(), name); }
    QTableView* grid() { return child<QTableView>(window.get(), "TDBGrid1"); }
    QString selectedLabel()
    {
        return child<ElidedLabel>(window.get(), "Lab_Contribuyente_Selecc")->fullText();
    }
    QString status() { return child<QLabel>(window.get(), "MiMsg")->text(); }
    QStringList gridNames()
    {
        QStringList out;
        for (int r = 0; r < grid()->model()->rowCount(); ++r)
            out << grid()->model()->index(r, 0).data().toString();
        return out;
    }

    FixedClock clock { QDate(2031, 3, 10) };
    TestDatabase t;
    ScriptedMessages boxes;
    ModuleRegistry registry;
    qint64 acme = 0, pena = 0, kiosco = 0;
    std::unique_ptr<Frm_Principal> window;
    std::unique_ptr<QAbstractItemModelTester> modelTester;
    ModalDialogs modals;
};

}

TEST_F(MainWindow, ShowsTheRegisterAndSelectsTheFirstTaxpayer)
{
    EXPECT_EQ(window->windowTitle(),
        QStringLiteral("Ventrix - Versión ") + QString::fromLatin1(VersionText) + QStringLiteral(" -"));
    EXPECT_EQ(gridNames(), (QStringList{QStringLiteral("100% Kiosco"), QStringLiteral("Acme S.A."),
                                        QStringLiteral("Peña, María")}));
    const QAbstractItemModel* model = grid()->model();
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("N° Ref."));
    EXPECT_EQ(model->index(1, 1).data().toString(), QStringLiteral("30-70000001/2"));
    EXPECT_EQ(window->cmdId(), kiosco);
    EXPECT_EQ(selectedLabel(), QStringLiteral("  100% Kiosco"));
    EXPECT_EQ(window->estadoCp01Text(), QStringLiteral("2"));
    EXPECT_TRUE(button("Cmd_Sid3")->isEnabled());

    grid()->selectRow(2);
    EXPECT_EQ(window->cmdId(), pena);
    EXPECT_EQ(selectedLabel(), QStringLiteral("  Peña, María"));
    saveScreenshot(window.get(), QStringLiteral("register_main"));
}

TEST_F(MainWindow, TypingNarrowsTheGridAndAFruitlessSearchClearsTheSelection)
{
    auto* search = child<QLineEdit>(window.get(), "Txt_Buscar");
    search->setFocus();
    QTest::keyClicks(search, QStringLiteral("%"));
    EXPECT_EQ(gridNames(), QStringList { QStringLiteral("100% Kiosco") });
    search->clear();
    keys(search, QStringLiteral("PEÑA mar"));
    EXPECT_EQ(gridNames(), QStringList { QStringLiteral("Peña, María") });

    search->setText(QStringLiteral("nadie"));
    QTest::mouseClick(button("Cmd_BuscarGrilla"), Qt::LeftButton);
    EXPECT_EQ(status(), QStringLiteral("  No hay registros..."));
    EXPECT_TRUE(search->text().isEmpty());
    EXPECT_EQ(window->cmdId(), 0);
    EXPECT_FALSE(button("Cmd_Cp01")->isEnabled());
    EXPECT_TRUE(button("Cmd_Alta")->isEnabled());
}

TEST_F(MainWindow, AddsATaxpayerWithAConfirmedPasswordAndSelectsIt)
{
    boxes.answerText(QStringLiteral("Tango"));
    modals.expect([](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Identificación del Contribuyente"));
        type(d, "CMD_Contribuyente", QStringLiteral("Zárate, Luis"));
        type(d, "CMD_Domicilio", QStringLiteral("Mitre 455"));
        type(d, "CMD_Te", QStringLiteral("0381-4223344"));
        type(d, "CMD_NumRef", QStringLiteral("20-22333444/1"));
        type(d, "CMD_PassWord", QStringLiteral("Tango"));
        saveScreenshot(d, QStringLiteral("register_idcontrib"));
        QTest::mouseClick(child<QPushButton>(d, "Cmd_Aceptar"), Qt::LeftButton);
    });
    QTest::mouseClick(button("Cmd_Alta"), Qt::LeftButton);

    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.shown().front().title, QStringLiteral("Confirme la clave"));
    EXPECT_EQ(boxes.shown().front().text,
        QStringLiteral(
            "Reingrese la clave de acceso.\n\nSi desea anular la clave deje el campo en blanco..."));
    EXPECT_EQ(selectedLabel(), QStringLiteral("  Zárate, Luis"));
    EXPECT_EQ(gridNames().size(), 4);
    const QString stored = *TaxpayerRegister(t.db()).storedPassword(window->cmdId());
    EXPECT_TRUE(passwordhash::isHash(stored));
    EXPECT_TRUE(passwordhash::verify(QStringLiteral("TANGO"), stored));
}

TEST_F(MainWindow, RefusesADuplicateIdentificationAndAnUnconfirmedPassword)
{
    boxes.answerText(QString()); // the confirmation left empty
    boxes.answer(Answer::Yes); // leave without saving
    modals.expect([this](QDialog* d) {
        type(d, "CMD_Contribuyente", QStringLiteral("PEÑA, MARÍA"));
        child<QLineEdit>(d, "CMD_Domicilio")->setFocus();   // leaving the box checks it
        EXPECT_EQ(boxes.last(), QStringLiteral("Ya existe un identificador con éste nombre..."));
        EXPECT_TRUE(child<QLineEdit>(d, "CMD_Contribuyente")->text().isEmpty());
        QTest::mouseClick(child<QPushButton>(d, "Cmd_Aceptar"), Qt::LeftButton);
        EXPECT_EQ(boxes.last(),
            QStringLiteral("Para almacenar los datos es necesario tener ingresado el identificador..."));

        type(d, "CMD_Contribuyente", QStringLiteral("Nuevo"));
        type(d, "CMD_PassWord", QStringLiteral("secreta"));
        QTest::mouseClick(child<QPushButton>(d, "Cmd_Aceptar"), Qt::LeftButton);
        EXPECT_EQ(boxes.last(), QStringLiteral("La reconfirmación de clave no coincide..."));
        EXPECT_TRUE(d->isVisible());
        QTest::mouseClick(child<QPushButton>(d, "Cmd_Cancelar"), Qt::LeftButton);
        EXPECT_EQ(boxes.last(),
            QStringLiteral("Los datos ingresados no fueron guardados.\nDesea salir de igual modo..."));
    });
    QTest::mouseClick(button("Cmd_Alta"), Qt::LeftButton);
    EXPECT_EQ(count(t.db(), QStringLiteral("SELECT COUNT(*) FROM CMD")), 3);
}

TEST_F(MainWindow, ModifyAsksThePasswordOnceInAnyCaseAndKeepsIt)
{
    TaxpayerRegister(t.db()).setPasswordHash(
        pena, passwordhash::hash(QStringLiteral("Clave"), passwordhash::MinIterations));
    window->setCmdId(pena);

    modals.expect([](QDialog* d) { // Frm_Password, wrong password
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Clave de Accesso"));
        QTest::keyClicks(child<QLineEdit>(d, "TxtPwd"), QStringLiteral("otra"));
        saveScreenshot(d, QStringLiteral("register_password"));
        QTest::mouseClick(child<QPushButton>(d, "Command1"), Qt::LeftButton);
    });
    QTest::mouseClick(button("Cmd_ModifContrib"), Qt::LeftButton);
    EXPECT_EQ(boxes.texts(), QStringList { QStringLiteral("La clave ingresada es inválida...") });

    modals.expect([](QDialog* d) { // blanks around the password do not matter, as when it was saved
        QTest::keyClicks(child<QLineEdit>(d, "TxtPwd"), QStringLiteral(" cLAVE  "));
        QTest::keyClick(child<QLineEdit>(d, "TxtPwd"), Qt::Key_Return);
    });
    modals.expect([](QDialog* screen) {
        EXPECT_EQ(screen->objectName(), QStringLiteral("Frm_Id_Contrib"));
        EXPECT_EQ(child<QLineEdit>(screen, "CMD_Contribuyente")->text(), QStringLiteral("Peña, María"));
        type(screen, "CMD_Te", QStringLiteral("555-1234"));
        QTest::mouseClick(child<QPushButton>(screen, "Cmd_Aceptar"), Qt::LeftButton);
    });
    QTest::mouseClick(button("Cmd_ModifContrib"), Qt::LeftButton);
    EXPECT_TRUE(modals.allOpened());
    const auto saved = *TaxpayerRegister(t.db()).read(pena);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->te, QStringLiteral("555-1234"));
    EXPECT_TRUE(passwordhash::verify(QStringLiteral("clave"), saved->passwordHash));
    EXPECT_EQ(boxes.texts(),
        QStringList { QStringLiteral("La clave ingresada es inválida...") }); // nothing more asked
}

TEST_F(MainWindow, DeleteAsksWithNoAsDefaultAndRemovesEverything)
{
    addCp01(t.db(), acme, QDate(2030, 1, 1), 1);
    window->setCmdId(acme);
    boxes.answer(Answer::No);
    QTest::mouseClick(button("Cmd_BajaContrib"), Qt::LeftButton);
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.shown().front().text,
        QStringLiteral(
            "Está seguro que desea borrar a Acme S.A.\nEsta operación destruirá toda la información "
            "relacionada con el contribuyente y no podrá ser recuperada.\nDesea continuar de igual "
            "modo ..."));
    EXPECT_EQ(boxes.shown().front().defaultAnswer, Answer::No);
    EXPECT_EQ(boxes.shown().front().helpContext, helpid::BorrarContribuyente);
    EXPECT_EQ(gridNames().size(), 3);

    boxes.answer(Answer::Yes);
    QTest::mouseClick(button("Cmd_BajaContrib"), Qt::LeftButton);
    EXPECT_EQ(status(), QStringLiteral("Acme S.A. datos borrados..."));
    EXPECT_EQ(gridNames(), (QStringList { QStringLiteral("100% Kiosco"), QStringLiteral("Peña, María") }));
    EXPECT_EQ(count(t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_Cp01")), 0);
    EXPECT_EQ(window->cmdId(), kiosco);
}

TEST_F(MainWindow, AgentOnlyTaxpayerAndModuleGatesFromTheButtons)
{
    addCp01(t.db(), acme, QDate(2030, 1, 1), 0);
    window->setCmdId(acme);
    EXPECT_EQ(grid()->currentIndex().row(), 1); // the grid follows a selection made from outside
    for (const char* name : { "Cmd_Cp01", "Cmd_Sid3", "Cmd_Cp02", "Cmd_PFP", "Cmd_IB08" })
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    for (const char* name : { "Cmd_ARP", "Cmd_Alta", "Cmd_ModifContrib", "Cmd_BajaContrib", "Cmd_Indices" })
        EXPECT_TRUE(button(name)->isEnabled()) << name;
    saveScreenshot(window.get(), QStringLiteral("register_agent_only"));

    // No rate for March 2031: CP03 sends the user to the rates screen, shown over the cover.
    bool coveredWhileOpen = false;
    registry.add(modulekey::Tasas, [](const ModuleLaunch&, QWidget* parent) { return new QDialog(parent); });
    modals.expect([&](QDialog* rates) {
        coveredWhileOpen = child<QLabel>(window.get(), "PicTapa")->isVisible();
        saveScreenshot(window.get(), QStringLiteral("register_covered"));
        rates->accept();
    });
    registry.add(modulekey::Sid3, [](const ModuleLaunch&, QWidget*) { return nullptr; });
    window->setCmdId(pena);
    QTest::mouseClick(button("Cmd_Sid3"), Qt::LeftButton);
    EXPECT_EQ(boxes.texts(),
        QStringList {
            QStringLiteral("Ud. no puede ingresar al CP03 sin tener ingresada la tasa actualizada del mes "
                           "de marzo de 2031...") });
    EXPECT_TRUE(coveredWhileOpen);
    EXPECT_FALSE(child<QLabel>(window.get(), "PicTapa")->isVisible());
}


TEST_F(MainWindow, HelpOpensTheWindowsTopicAndTheIndex)
{
    struct Recorder : HelpService
    {
        void openContext(int id) override { contexts << id; }
        void openIndex() override { ++indexes; }
        void close() override { }
        QList<int> contexts;
        int indexes = 0;
    } help;
    HelpService::install(&help);
    QApplication::setActiveWindow(window.get());
    QTest::keyClick(window.get(), Qt::Key_F1);
    QTest::mouseClick(button("Com_Help"), Qt::LeftButton);
    HelpService::install(nullptr);
    EXPECT_EQ(help.contexts, QList<int> { helpid::Principal });
    EXPECT_EQ(help.indexes, 1);
}

TEST_F(MainWindow, StatusLineTellsWhatTheButtonUnderThePointerDoes)
{
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(button("Cmd_Cp02"), &enter);
    EXPECT_EQ(status(),
        QStringLiteral(
            "  Ingresar a la Declaración Jurada Anual de Ingresos Brutos - Presione F1 para ayuda..."));
    QApplication::sendEvent(button("Salir"), &enter);
    EXPECT_EQ(status(), QStringLiteral("  Salir del Programa..."));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button("Salir"), &leave);
    EXPECT_TRUE(status().isEmpty());
}

TEST_F(MainWindow, AcceptingWithAltAFromTheIdentificationBoxSavesWithoutAFalseDuplicate)
{
    modals.expect([](QDialog* d) {
        type(d, "CMD_Contribuyente", QStringLiteral("Zárate, Luis"));
        QTest::keyClick(child<QLineEdit>(d, "CMD_Contribuyente"), Qt::Key_A, Qt::AltModifier);
    });
    QTest::mouseClick(button("Cmd_Alta"), Qt::LeftButton);
    EXPECT_TRUE(modals.allOpened());
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(u'|').toStdString();
    EXPECT_EQ(selectedLabel(), QStringLiteral("  Zárate, Luis"));
    EXPECT_EQ(count(t.db(), QStringLiteral("SELECT COUNT(*) FROM CMD")), 4);
}

TEST_F(MainWindow, FitsA1024By768ScreenWhateverTheNameSelected)
{
    const QString longName
        = QString(40, u'W') + QStringLiteral(" Sociedad Anónima Comercial Industrial") + QString(60, u'M');
    const qint64 id = addTaxpayer(t.db(), longName, QStringLiteral("1"));
    window->CargarGrilla();
    window->setCmdId(id);
    QApplication::processEvents();
    // Room for the window frame and a desktop panel.
    EXPECT_LE(window->width(), 1000);
    EXPECT_LE(window->height(), 700);
    EXPECT_LE(window->minimumSizeHint().width(), 1000);
    const QRect inside = window->rect();
    for (QPushButton* b : window->findChildren<QPushButton*>()) {
        const QRect placed(b->mapTo(window.get(), QPoint()), b->size());
        EXPECT_TRUE(!b->isVisible() || inside.contains(placed)) << b->objectName().toStdString();
    }
    auto* label = child<ElidedLabel>(window.get(), "Lab_Contribuyente_Selecc");
    EXPECT_EQ(label->fullText(), QStringLiteral("  ") + longName);
    EXPECT_TRUE(label->text().endsWith(QStringLiteral("…")));
    saveScreenshot(window.get(), QStringLiteral("register_long_name"));
}
