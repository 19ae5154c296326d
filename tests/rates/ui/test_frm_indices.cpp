#include "../ratesfixture.h"

#include "common/help.h"
#include "common/helpids.h"
#include "rates/ui/frm_indices.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace ventrix;
using namespace ventrix::rates;

namespace {

class RecordingHelp : public HelpService
{
public:
    void openContext(int id) override { contexts.append(id); }
    void openIndex() override { }
    void close() override { }
    QList<int> contexts;
};

class FrmIndicesTest : public test::RatesFixture
{
protected:
    std::unique_ptr<Frm_Indices> open()
    {
        auto screen = std::make_unique<Frm_Indices>(m_database.db());
        screen->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(screen.get()));
        return screen;
    }
    static QLineEdit* field(Frm_Indices& s, const char* name)
    {
        return s.findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    static QPushButton* button(Frm_Indices& s, const char* name)
    {
        return s.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    static QString cell(Frm_Indices& s, int row, int column)
    {
        auto* grid = s.findChild<QTableView*>(QStringLiteral("TDBGrid1"));
        return grid->model()->index(row, column).data().toString();
    }
    static void type(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
};

}

TEST_F(FrmIndicesTest, TypingTheRateAndPressingUpdateAppendsTheProposedMonth)
{
    historyEndsOn(QDate(2026, 11, 30));
    setToday(QDate(2026, 12, 3));
    auto screen = open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Actualización de Indices"));
    EXPECT_EQ(field(*screen, "Tasa_0")->text(), QStringLiteral("3,00"));
    EXPECT_EQ(field(*screen, "Tasa_1")->text(), QStringLiteral("12"));
    EXPECT_EQ(field(*screen, "Tasa_2")->text(), QStringLiteral("2026"));
    EXPECT_EQ(cell(*screen, 0, 0), QStringLiteral("30/11/2026"));

    type(field(*screen, "Tasa_0"), QStringLiteral("3.2"));
    EXPECT_EQ(field(*screen, "Tasa_0")->text(), QStringLiteral("3,20"));
    EXPECT_TRUE(field(*screen, "Tasa_1")->hasFocus()) << "Enter moves to the next field";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(button(*screen, "ActualizaIdx")->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    EXPECT_TRUE(m_messages.shown().isEmpty()) << m_messages.last().toStdString();
    EXPECT_EQ(cell(*screen, 0, 0), QStringLiteral("31/12/2026"));
    EXPECT_EQ(cell(*screen, 0, 2), QStringLiteral("3,20"));
    EXPECT_EQ(field(*screen, "Tasa_1")->text(), QStringLiteral("1"));
    EXPECT_EQ(field(*screen, "Tasa_2")->text(), QStringLiteral("2027"));
    EXPECT_TRUE(button(*screen, "ActualizaIdx")->isEnabled());

    const QString shots = qEnvironmentVariable("VENTRIX_SCREENSHOTS");
    if (!shots.isEmpty())
        screen->grab().save(shots + QStringLiteral("/frm_indices.png"));

    QTest::mouseClick(button(*screen, "Command1"), Qt::LeftButton);
    EXPECT_FALSE(screen->isVisible()) << "nothing is due: leaves without asking";
    EXPECT_TRUE(m_messages.shown().isEmpty());
}

TEST_F(FrmIndicesTest, AGapIsRefusedAndTheDueMonthIsProposed)
{
    historyEndsOn(QDate(2026, 10, 31));
    setToday(QDate(2026, 12, 3));
    auto screen = open();
    type(field(*screen, "Tasa_1"), QStringLiteral("12"));
    type(field(*screen, "Tasa_2"), QStringLiteral("26"));
    EXPECT_EQ(field(*screen, "Tasa_2")->text(), QStringLiteral("2026"));

    QTest::mouseClick(button(*screen, "ActualizaIdx"), Qt::LeftButton);

    ASSERT_EQ(m_messages.shown().size(), 2);
    EXPECT_EQ(m_messages.texts().front(), QStringLiteral("Falta ingresar la tasa del mes noviembre 2026"));
    EXPECT_TRUE(m_messages.last().startsWith(
        QStringLiteral("Ud. necesita actualizar el índice correspondinte a noviembre de 2026\n")));
    EXPECT_EQ(field(*screen, "Tasa_1")->text(), QStringLiteral("11"));
    EXPECT_EQ(cell(*screen, 0, 0), QStringLiteral("31/10/2026"));
}

TEST_F(FrmIndicesTest, LeavingWhileAMonthIsDueAsksAndYesKeepsTheScreenOpen)
{
    historyEndsOn(QDate(2026, 10, 31));
    setToday(QDate(2026, 12, 3));
    auto screen = open();
    screen->setMonth(12, 2026);

    m_messages.answer(Answer::Yes);
    QTest::mouseClick(button(*screen, "Command1"), Qt::LeftButton);
    EXPECT_TRUE(screen->isVisible());
    ASSERT_EQ(m_messages.shown().size(), 1);
    EXPECT_TRUE(
        m_messages.last().endsWith(QStringLiteral("\nDesea comenzar el proceso de actualización ahora...")));
    EXPECT_EQ(field(*screen, "Tasa_1")->text(), QStringLiteral("11")) << "the month due is proposed";

    m_messages.answer(Answer::No);
    screen->close();
    EXPECT_FALSE(screen->isVisible());
}

TEST_F(FrmIndicesTest, ANotPublishedMonthLeavesTheFieldsAndHelpOpensItsPage)
{
    historyEndsOn(QDate(2026, 11, 30));
    setToday(QDate(2026, 11, 30));
    RecordingHelp help;
    HelpService::install(&help);
    auto screen = open();
    type(field(*screen, "Tasa_1"), QStringLiteral("2"));
    type(field(*screen, "Tasa_2"), QStringLiteral("27"));

    QTest::mouseClick(button(*screen, "ActualizaIdx"), Qt::LeftButton);
    EXPECT_EQ(m_messages.texts(),
        QStringList { QStringLiteral("Según la fecha de su sistema Ud. está tratando de "
                                     "actualizar el índice de un més que aún no se ha "
                                     "publicado...") });
    EXPECT_EQ(field(*screen, "Tasa_1")->text(), QStringLiteral("2"));

    QTest::mouseClick(button(*screen, "Com_Help"), Qt::LeftButton);
    QTest::keyClick(screen.get(), Qt::Key_F1);
    HelpService::install(nullptr);
    EXPECT_EQ(help.contexts, (QList<int> { helpid::Indices, helpid::Indices }));
}
