#include "common/print/printtexts.h"
#include "common/printui/dialogoimpresora.h"
#include "common/printui/frm_printscreen.h"
#include "scriptedmessages.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::print;
using ventrix::test::ScriptedMessages;

namespace {

void pressPrint(QWidget* target)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Print, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

}

TEST(Frm_PrintScreen, PrintKeyCapturesAsksAndAlwaysCopies)
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    Frm_PrintScreen* watcher = installPrintScreenWatcher(*app);
    EXPECT_FALSE(watcher->isVisible());
    EXPECT_EQ(watcher->accessibleName(), QStringLiteral("Print Screen Engine"));

    QWidget window;
    window.resize(300, 200);
    auto* field = new QLabel(QStringLiteral("Contribuyente"), &window);
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);

    ScriptedMessages messages;
    QApplication::clipboard()->clear();
    messages.answer(Answer::No);
    pressPrint(field);
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.last(), QStringLiteral("Desea imprimir..."));
    EXPECT_EQ(messages.shown().front().icon, MessageIcon::Question);
    EXPECT_EQ(messages.shown().front().buttons, MessageButtons::YesNo);
    EXPECT_EQ(QApplication::clipboard()->image().size(), window.grab().toImage().size());

    // Yes, then the printer dialog is cancelled: the cancellation message, still on the clipboard.
    setPrinterDialogRunner([](QPrinter&, QWidget*) { return false; });
    messages.clear();
    QApplication::clipboard()->clear();
    messages.answer(Answer::Yes);
    pressPrint(&window);
    EXPECT_EQ(messages.texts(),
        (QStringList {
            QStringLiteral("Desea imprimir..."), QStringLiteral("Operación cancelada por el usuario...") }));
    EXPECT_FALSE(QApplication::clipboard()->image().isNull());

    // Yes and a printer: one page goes out.
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("capture.pdf"));
    setPrinterDialogRunner([&](QPrinter& p, QWidget*) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(out);
        return true;
    });
    messages.answer(Answer::Yes);
    pressPrint(&window);
    EXPECT_TRUE(QFile(out).size() > 0);
    setPrinterDialogRunner({});
    app->removeEventFilter(watcher);
    delete watcher;
}

TEST(Frm_PrintScreen, OwnButtonsCaptureAndClear)
{
    ScriptedMessages messages;
    Frm_PrintScreen window;
    window.show();
    QStringList captions;
    for (const char16_t* name :
        { u"Cmd_Screen", u"Cmd_Form", u"Cmd_Client", u"Cmd_Active", u"Cmd_Print", u"Cmd_Clear" })
        captions << window.findChild<QPushButton*>(QString::fromUtf16(name))->text();
    EXPECT_EQ(captions,
        (QStringList { QStringLiteral("&Screen"), QStringLiteral("&Form"), QStringLiteral("&Client"),
            QStringLiteral("&Active"), QStringLiteral("&Print"), QStringLiteral("C&lear") }));
    window.findChild<QPushButton*>(QStringLiteral("Cmd_Form"))->click();
    EXPECT_FALSE(window.picture().isNull());
    if (!qEnvironmentVariableIsEmpty("VENTRIX_SHOT"))
        window.grab().save(qEnvironmentVariable("VENTRIX_SHOT"));
    window.findChild<QPushButton*>(QStringLiteral("Cmd_Clear"))->click();
    EXPECT_TRUE(window.picture().isNull());
    window.findChild<QPushButton*>(QStringLiteral("Cmd_Active"))->click();
    EXPECT_EQ(messages.last(),
        QStringLiteral("Two seconds after you close this dialog the active window will be captured."));
}
