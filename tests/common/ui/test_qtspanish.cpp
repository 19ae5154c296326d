#include "common/ui/qtspanish.h"

#include <QApplication>
#include <QCoreApplication>

#include <gtest/gtest.h>

TEST(QtSpanish, QtsOwnDialogsSpeakSpanishIncludingTheTextsItsCataloguesLack)
{
    ventrix::loadQtSpanish(*qApp);
    auto tr
        = [](const char* context, const char* text) { return QCoreApplication::translate(context, text); };
    EXPECT_EQ(tr("QPrintSettingsOutput", "Pages"), QStringLiteral("Páginas"));
    EXPECT_EQ(tr("QPrintSettingsOutput", "Double Sided Printing"), QStringLiteral("Impresión a doble faz"));
    EXPECT_EQ(tr("QPrintSettingsOutput", "Pages from"), QStringLiteral("Páginas desde"));
    EXPECT_EQ(tr("QPrintDialog", "All Pages"), QStringLiteral("Todas las páginas"));
    EXPECT_EQ(tr("QPageSetupWidget", "Pages per sheet:"), QStringLiteral("Páginas por hoja:"));
    // A text nobody translates is left as it is.
    EXPECT_EQ(tr("QPrintSettingsOutput", "Ventrix"), QStringLiteral("Ventrix"));
}
