#include "common/ui/dialogmessageservice.h"

#include "widgetchecks.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace ventrix;

TEST(DialogMessageService, ABoxIsCentredOnTheWindowInUseEvenWhenNoneIsActive)
{
    QWidget window;
    window.setGeometry(40, 60, 700, 500);
    window.show();
    QApplication::setActiveWindow(nullptr);
    EXPECT_EQ(DialogMessageService::ownerWindow(), &window);

    DialogMessageService service;
    QWidget* parent = nullptr;
    QPoint centre;
    test::onModal([&](QDialog* box) {
        parent = box->parentWidget();
        centre = box->frameGeometry().center();
        box->accept();
    });
    service.show({ QStringLiteral("Seleccione el contribuyente ..."), {}, MessageIcon::Warning });
    EXPECT_EQ(parent, &window);
    EXPECT_LE((centre - window.frameGeometry().center()).manhattanLength(), 40);
}

TEST(DialogMessageService, HelpKeepsTheQuestionUpWithItsDefaultAnswer)
{
    DialogMessageService service;
    QList<int> opened;
    service.setHelpHandler([&](int context) { opened << context; });
    bool stayedUp = false;
    bool focusOnNo = false;
    test::onModal([&](QDialog* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        QApplication::setActiveWindow(box);
        QTest::mouseClick(box->button(QMessageBox::Help), Qt::LeftButton);
        stayedUp = box->isVisible();
        focusOnNo = box->focusWidget() == box->button(QMessageBox::No);
        QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Return);
    });
    const Answer answer = service.show({ QStringLiteral("Está seguro que desea borrar a Acme S.A."), {},
        MessageIcon::Question, MessageButtons::YesNo, Answer::No, 680 });
    EXPECT_EQ(opened, QList<int> { 680 });
    EXPECT_TRUE(stayedUp);
    EXPECT_TRUE(focusOnNo);
    EXPECT_EQ(answer, Answer::No);
}
