#include "app/ui/helpviewer.h"
#include "common/helpids.h"
#include "common/ui/dialogmessageservice.h"

#include "widgetchecks.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::app;

namespace {

HelpViewer* viewer()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* v = qobject_cast<HelpViewer*>(w))
            return v;
    }
    return nullptr;
}

// The help, opened over the modal window in use, takes the input and Escape gives it back.
void expectHelpUsableOver(QWidget* modal, const QString& page)
{
    HelpViewer* help = viewer();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->currentPage(), page);
    EXPECT_EQ(QApplication::activeModalWidget(), help);
    QApplication::setActiveWindow(help);
    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), modal);
}

}

TEST(HelpViewer, F1InAModalWindowOpensTheHelpOnTopAndUsable)
{
    Ayuda_Iniciar();
    QDialog dialog;
    setHelpContext(&dialog, helpid::IdContrib);
    auto* field = new QLineEdit(&dialog);
    (new QVBoxLayout(&dialog))->addWidget(field);
    test::onModal([&](QDialog* d) {
        QApplication::setActiveWindow(d);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_F1);
        QTest::keyClick(viewer(), Qt::Key_F1); // F1 inside the help shows the contents, still on top
        expectHelpUsableOver(d, QStringLiteral("index.html"));
        d->accept();
    });
    dialog.exec();

    // Over the main window, with no modal window, it stays an ordinary window.
    Ayuda_Indice();
    EXPECT_EQ(viewer()->windowModality(), Qt::NonModal);
    Ayuda_Cerrar();
}

TEST(HelpViewer, TheHelpButtonOfAQuestionOpensOverItAndTheQuestionKeepsNo)
{
    Ayuda_Iniciar();
    DialogMessageService service;
    service.setHelpHandler([](int context) { Ayuda_Contexto(context); });
    test::onModal([](QDialog* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        QApplication::setActiveWindow(box);
        QTest::mouseClick(box->button(QMessageBox::Help), Qt::LeftButton);
        expectHelpUsableOver(box, QStringLiteral("borrar.html"));
        QApplication::setActiveWindow(box);
        QTest::keyClick(box->focusWidget(), Qt::Key_Return);
    });
    const Answer answer = service.show({ QStringLiteral("Está seguro que desea borrar a Acme S.A."), {},
        MessageIcon::Question, MessageButtons::YesNo, Answer::No, helpid::BorrarContribuyente });
    EXPECT_EQ(answer, Answer::No);
}
