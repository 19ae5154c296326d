#include "modaldialogs.h"

#include <QDialog>
#include <QTimer>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using ventrix::test::ModalDialogs;

TEST(ModalDialogs, ActsOnEachDialogInTurn)
{
    QStringList seen;
    {
        ModalDialogs modals;
        modals.expect([&](QDialog* d) {
            seen << d->windowTitle();
            d->accept();
        });
        modals.expect([&](QDialog* d) {
            seen << d->windowTitle();
            d->reject();
        });
        QDialog first;
        first.setWindowTitle(QStringLiteral("uno"));
        EXPECT_EQ(first.exec(), QDialog::Accepted);
        QDialog second;
        second.setWindowTitle(QStringLiteral("dos"));
        EXPECT_EQ(second.exec(), QDialog::Rejected);
        EXPECT_TRUE(modals.allOpened());
    }
    EXPECT_EQ(seen, (QStringList { QStringLiteral("uno"), QStringLiteral("dos") }));
}

TEST(ModalDialogs, ADialogThatNeverOpensFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ModalDialogs modals(100);
            modals.expect([](QDialog* d) { d->accept(); });
        },
        "never opened");
}

TEST(ModalDialogs, ADialogLeftOpenIsClosedWhenTheWaitRunsOut)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ModalDialogs modals(100);
            modals.expect([](QDialog*) {}); // leaves it open
            modals.expect([](QDialog* d) { d->accept(); });
            QDialog stuck;
            EXPECT_EQ(stuck.exec(), QDialog::Rejected);
        },
        "never opened");
}
