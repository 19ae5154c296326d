#include "common/print/authorityheader.h"
#include "common/print/pagecanvas.h"
#include "common/print/pagetable.h"
#include "common/print/printfonts.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace ventrix::print;

namespace {

// A 300 dpi white page strip to draw on and look for ink.
struct Sheet
{
    QImage image { 2480, 600, QImage::Format_RGB32 };
    Sheet()
    {
        image.fill(Qt::white);
        image.setDotsPerMeterX(11811);
        image.setDotsPerMeterY(11811);
    }
    // The right-most inked column, in millimetres; -1 when blank.
    qreal inkRight() const
    {
        for (int x = image.width() - 1; x >= 0; --x)
            for (int y = 0; y < image.height(); ++y)
                if (qGray(image.pixel(x, y)) < 128)
                    return (x + 1) * 25.4 / 300;
        return -1;
    }
    qreal inkLeft() const
    {
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (qGray(image.pixel(x, y)) < 128)
                    return x * 25.4 / 300;
        return -1;
    }
};

}

TEST(PrintFonts, FormNamesResolveToMetricCompatibleFamilies)
{
    EXPECT_EQ(PrintFonts::family(QStringLiteral("Arial")), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(PrintFonts::family(QStringLiteral("times new roman")), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(
        QFontInfo(PrintFonts::font(QStringLiteral("Arial"), 8)).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(QFontInfo(PrintFonts::font(QStringLiteral("times new roman"), 8)).family(),
        QStringLiteral("Liberation Serif"));
}

TEST(Rellenar, KeepsDigitsAndPadsLeft)
{
    EXPECT_EQ(rellenar(QStringLiteral("1.234,50"), 9), QStringLiteral("000123450"));
    EXPECT_EQ(rellenar(QStringLiteral("20-12345678-9"), 11), QStringLiteral("20123456789"));
    EXPECT_EQ(rellenar(QString(), 4), QStringLiteral("0000"));
    EXPECT_EQ(rellenar(QStringLiteral("123456"), 4), QStringLiteral("123456"));
}

// alinear: the text's right edge is where the mask's would be when printed from x.
TEST(Alinear, TextEndsWhereTheMaskEnds)
{
    for (const QString& mask :
        { QStringLiteral("9999999"), QStringLiteral("999.99"), QStringLiteral("9999999.99"),
            QStringLiteral("999999999.99"), QStringLiteral("9999"), QStringLiteral("9999999999") }) {
        Sheet sheet;
        QPainter painter(&sheet.image);
        PageCanvas canvas(painter);
        canvas.setFont(QStringLiteral("Arial"), 10);
        canvas.setOrigin(QPointF(12, 6));
        canvas.alinear(20, 10, QStringLiteral("12"), 10, false, mask);
        const qreal maskEnd = 12 + 20 + canvas.textWidth(mask);
        painter.end();
        // The "2" glyph's ink stops a hair before its advance width.
        EXPECT_NEAR(sheet.inkRight(), maskEnd, 0.6) << mask.toStdString();
        EXPECT_GT(
            sheet.inkLeft(), 12 + 20 + canvas.textWidth(mask) - canvas.textWidth(QStringLiteral("12")) - 0.6);
    }
}

TEST(AlineaString, ShortensOnlyWhenNeededAndAligns)
{
    Sheet sheet;
    QPainter painter(&sheet.image);
    PageCanvas canvas(painter);
    canvas.setFont(QStringLiteral("Arial"), 8);
    const QString name = QStringLiteral("Venta al por menor de productos alimenticios en almacenes");
    EXPECT_EQ(canvas.alineaString(10, 10, 200, name, ColumnAlign::Left), name);
    const QString cut = canvas.alineaString(10, 20, 30, name, ColumnAlign::Left);
    EXPECT_TRUE(cut.endsWith(QStringLiteral("...")));
    EXPECT_TRUE(name.startsWith(cut.chopped(3)));
    EXPECT_LE(canvas.textWidth(cut), 30);
    // One character more would not have fitted.
    EXPECT_GT(canvas.textWidth(name.left(cut.size() - 3 + 1) + QStringLiteral("...")), 30);
    painter.end();

    Sheet right;
    QPainter rp(&right.image);
    PageCanvas rc(rp);
    rc.setFont(QStringLiteral("Arial"), 8);
    EXPECT_EQ(rc.alineaString(10, 10, 50, QStringLiteral("1.234,50"), ColumnAlign::Right),
        QStringLiteral("1.234,50"));
    rp.end();
    EXPECT_NEAR(right.inkRight(), 60, 0.5);

    Sheet centre;
    QPainter cp(&centre.image);
    PageCanvas cc(cp);
    cc.setFont(QStringLiteral("Arial"), 8);
    cc.alineaString(10, 10, 50, QStringLiteral("AGENCIA"), ColumnAlign::Centre);
    cp.end();
    EXPECT_NEAR((centre.inkLeft() + centre.inkRight()) / 2, 35, 0.5);
}

TEST(AuthorityHeader, FiveLinesWithConfiguredMinistry)
{
    AuthorityHeader h;
    h.ministry1 = QStringLiteral("MINISTERIO UNO");
    const QStringList lines = h.lines();
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QStringLiteral("MINISTERIO UNO"));
    EXPECT_EQ(lines[3], QStringLiteral("AGENCIA GENERAL TRIBUTARIA"));
    EXPECT_EQ(lines[4], QStringLiteral("PROVINCIA DEL VALDERA"));
}

TEST(PageTable, SplitsRowsOverPagesWithTheHeadingEachTime)
{
    PageTable table(
        { { QStringLiteral("Fecha"), 25 }, { QStringLiteral("Monto"), 30, ColumnAlign::Right } }, 5);
    for (int i = 0; i < 23; ++i)
        table.addRow({ QStringLiteral("01/01/2026"), QString::number(i) });
    // 50 mm hold the heading and 9 rows: 23 rows need 3 parts.
    EXPECT_EQ(table.rowsPerPage(50), 9);
    EXPECT_EQ(table.pageCount(50), 3);
    EXPECT_EQ(PageTable({ { QStringLiteral("A"), 10 } }, 5).pageCount(50), 1);

    Sheet sheet;
    QPainter painter(&sheet.image);
    PageCanvas canvas(painter);
    table.paintPart(canvas, 2, QRectF(10, 5, 55, 50));
    painter.end();
    // The last part: heading and 5 rows, nothing below 5 + 6 * 5 mm.
    const int below = int((5 + 6 * 5 + 1) * 300 / 25.4);
    bool inkBelow = false;
    for (int y = below; y < sheet.image.height() && !inkBelow; ++y)
        for (int x = 0; x < sheet.image.width() && !inkBelow; ++x)
            inkBelow = qGray(sheet.image.pixel(x, y)) < 128;
    EXPECT_FALSE(inkBelow);
}
