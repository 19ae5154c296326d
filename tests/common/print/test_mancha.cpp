#include "common/print/barcodecheck.h"
#include "common/print/mancha.h"
#include "common/print/pageoutput.h"
#include "sampleform.h"

#include <gtest/gtest.h>

using namespace ventrix::print;
using namespace ventrix::print::test;

TEST(Mancha, ReplacesAccentsExactly)
{
    EXPECT_EQ(manchaText(QStringLiteral("áéíóú ÁÉÍÓÚ ñÑ üÜ Peña ÁLVAREZ")),
        QStringLiteral("aeiou AEIOU ## uU Pe#a ALVAREZ"));
    // Other letters are not the barcode's business.
    EXPECT_EQ(manchaText(QStringLiteral("àç Nº")), QStringLiteral("àç Nº"));
}

TEST(Mancha, ShortRecordUsesTheStandardSymbol)
{
    const ManchaLayout layout = layoutMancha(d3Record(), ManchaPlacement::monthlyDeclaration(300));
    ASSERT_TRUE(layout.ok()) << layout.error.toStdString();
    ASSERT_EQ(layout.symbols.size(), 1);
    EXPECT_EQ(layout.errorLevel, 4);
    EXPECT_EQ(layout.columns, 7);
    EXPECT_EQ(layout.rows, 27);
    // 2710 x 1320 twips scaled by 1.2, at 24 cm / 1.4 cm.
    const QRectF r = layout.symbols.front().rectMm;
    EXPECT_NEAR(r.left(), 240.0, 0.01);
    EXPECT_NEAR(r.top(), 14.0, 0.01);
    EXPECT_NEAR(r.width(), 2710 * 25.4 / 1440 * 1.2, 0.1);
    EXPECT_NEAR(r.height(), 1320 * 25.4 / 1440 * 1.2, 0.1);
    EXPECT_NEAR(
        layoutMancha(d3Record(), ManchaPlacement::monthlyDeclaration(200)).symbols.front().rectMm.width(),
        2710 * 25.4 / 1440 * 1.7, 0.1);
}

// Turned a quarter clockwise, the symbol runs down the page from the same corner: on a landscape
// sheet it fits beside the declaration's strip at both scales, and still reads back.
TEST(Mancha, TurnedSymbolCoversItsSpaceTurnedAndReadsBack)
{
    for (const qreal dpi : { 200.0, 300.0 }) {
        ManchaPlacement placement = ManchaPlacement::monthlyDeclaration(dpi);
        placement.turned = true;
        const ManchaLayout upright = layoutMancha(d3Record(), ManchaPlacement::monthlyDeclaration(dpi));
        const ManchaLayout turned = layoutMancha(d3Record(), placement);
        ASSERT_TRUE(turned.ok());
        const PlacedBarcode& t = turned.symbols.front();
        EXPECT_TRUE(t.turned);
        EXPECT_EQ(t.rectMm.topLeft(), QPointF(240, 14));
        EXPECT_EQ(t.rectMm.size(), upright.symbols.front().rectMm.size().transposed());
        EXPECT_EQ(t.symbolSizeMm(), upright.symbols.front().rectMm.size());
        EXPECT_LT(t.rectMm.right(), 297 - 3);
        EXPECT_EQ(checkBarcodes(turned.symbols, dpi), QString());
    }
}

TEST(Mancha, LongRecordGrowsThenSplitsButNeverFailsSilently)
{
    // 600 characters no longer fit 7 x 27 at level 4: more columns or rows in a larger space.
    const QString medium = longPageRecord(600);
    const ManchaLayout grown = layoutMancha(medium, FootForm::placement());
    ASSERT_TRUE(grown.ok());
    EXPECT_EQ(grown.symbols.size(), 1);
    EXPECT_EQ(grown.errorLevel, 4);

    const ManchaLayout split = layoutMancha(longPageRecord(), FootForm::placement());
    ASSERT_TRUE(split.ok()) << split.error.toStdString();
    EXPECT_GT(split.symbols.size(), 1);
    QString joined;
    for (const PlacedBarcode& p : split.symbols) {
        joined += p.symbol.data;
        EXPECT_TRUE(
            QRectF(QPointF(10, 247), QSizeF(190, 45)).adjusted(-0.01, -0.01, 0.01, 0.01).contains(p.rectMm));
    }
    EXPECT_EQ(joined, manchaText(longPageRecord()));

    // In the standard symbol's space a long record cannot fit: an error, no symbol.
    const ManchaLayout refused = layoutMancha(longPageRecord(), ManchaPlacement::monthlyDeclaration(300));
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(refused.symbols.isEmpty());
    EXPECT_FALSE(refused.error.isEmpty());
}

// The printed page, scanned at 300 dpi, gives back the records.
TEST(Mancha, PageAt300DpiDecodesToTheRecords)
{
    for (const QString& record : { d3Record(), QStringLiteral("CP01|0001234567|Peña|ÁLVAREZ|Güemes 12|") }) {
        SampleForm form;
        form.record = record;
        const QStringList read = readBarcodes(PageOutput::renderPage(form, 0, 300));
        EXPECT_TRUE(read.contains(manchaText(record))) << read.join(u'\n').toStdString();
        EXPECT_TRUE(read.contains(agentPaymentCode()));
    }
}

TEST(Mancha, LongRecordPageDecodesWhole)
{
    FootForm form;
    const QStringList read = readBarcodes(PageOutput::renderPage(form, 0, 300));
    ASSERT_EQ(read.size(), 1) << read.join(u'\n').toStdString();
    EXPECT_EQ(read.front(), manchaText(longPageRecord()));
    EXPECT_EQ(read.front().size(), 2700);
}
