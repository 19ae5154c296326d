#include "agents/arppaymentform.h"
#include "common/print/barcodecheck.h"
#include "common/print/pagecanvas.h"
#include "common/print/pageoutput.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::agents;

namespace {

ArpPaymentData deposit()
{
    ArpPaymentData d;
    d.which = AgentRegister::Retenciones;
    d.numAgente = QStringLiteral("1234/1");
    d.agentName = QStringLiteral("Agente SA");
    d.period = periodOf(QDate(2005, 3, 1));
    d.numFormulario = QStringLiteral("0004567");
    d.fechaPago = QDate(2005, 4, 6);
    d.importe = Money::fromUnits(123456);
    return d;
}

constexpr qreal Dpi = 200;

qreal mm(int px)
{
    return px * 25.4 / Dpi;
}

// The part of the page (within the band of y in millimetres) where two renderings differ.
QRectF changedArea(const QImage& a, const QImage& b, qreal top, qreal bottom)
{
    QRect box;
    for (int y = int(top * Dpi / 25.4); y < int(bottom * Dpi / 25.4) && y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return QRectF(mm(box.left()), mm(box.top()), mm(box.width()), mm(box.height()));
}

// The barcode's frame of one coupon, its lines included, from a page rendered at 300 dpi.
QImage frameOf(const QImage& page, int coupon)
{
    const auto px = [](qreal v) { return int(v * 300 / 25.4); };
    return page.copy(px(93), px(63 + 99.2 * coupon), px(104), px(27));
}

}

TEST(ArpPaymentCode, PartsAreReducedToDigitsAndPaddedToTheirWidths)
{
    const auto code = arpPaymentCode(deposit());
    ASSERT_TRUE(code) << code.error().toStdString();
    EXPECT_EQ(code->size(), 38);
    EXPECT_EQ(*code,
        QStringLiteral("12341") + QStringLiteral("032005") + QStringLiteral("0004567")
            + QStringLiteral("06042005") + QStringLiteral("000000123456"));
    EXPECT_EQ(code->right(12), QStringLiteral("000000123456"));

    ArpPaymentData shortOnes = deposit();
    shortOnes.numAgente = QStringLiteral("12/3");
    shortOnes.numFormulario = QStringLiteral("45");
    shortOnes.importe = Money::fromUnits(5);
    EXPECT_EQ(*arpPaymentCode(shortOnes),
        QStringLiteral("00123") + QStringLiteral("032005") + QStringLiteral("0000045")
            + QStringLiteral("06042005") + QStringLiteral("000000000005"));
}

TEST(ArpPaymentCode, AValueWiderThanItsPlaceOrANegativeAmountIsRefused)
{
    ArpPaymentData wide = deposit();
    wide.numAgente = QStringLiteral("12345/6");
    ASSERT_FALSE(arpPaymentCode(wide));
    EXPECT_TRUE(arpPaymentCode(wide).error().contains(QStringLiteral("N° Agente")));

    ArpPaymentData huge = deposit();
    huge.importe = Money::fromUnits(Q_INT64_C(1000000000000)); // 13 digits of cents
    ASSERT_FALSE(arpPaymentCode(huge));
    EXPECT_TRUE(arpPaymentCode(huge).error().contains(QStringLiteral("Importe a Depositar")));

    ArpPaymentData negative = deposit();
    negative.importe = Money::fromUnits(-100);
    EXPECT_FALSE(arpPaymentCode(negative));

    // Such a form never reaches the printer.
    ArpPaymentForm form(wide);
    EXPECT_FALSE(print::PageOutput::check(form, 300).isEmpty());
}

TEST(ArpPaymentForm, ThreeCouponsEachWithTheBarcodeInItsBoxReadingThePayload)
{
    ArpPaymentForm form(deposit());
    EXPECT_EQ(form.pageCount(), 1);
    EXPECT_EQ(form.documentName(), QStringLiteral("Formulario IB08"));
    EXPECT_EQ(form.formCode(), QStringLiteral("AR01"));
    EXPECT_EQ(form.pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_EQ(form.orientation(), QPageLayout::Portrait);

    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    print::PageCanvas canvas(painter);
    canvas.setCollectOnly(true);
    form.paintPage(0, canvas);
    ASSERT_EQ(canvas.barcodes().size(), 3);
    for (int i = 0; i < 3; ++i) {
        const QRectF r = canvas.barcodes()[i].rectMm;
        EXPECT_NEAR(r.top(), 70 + 99.2 * i, 0.01) << i;
        EXPECT_GE(r.left(), 100 - 0.01);
        EXPECT_LE(r.right(), 190 + 0.01);
        EXPECT_LE(r.bottom(), 84 + 99.2 * i + 0.01);
    }
    EXPECT_TRUE(canvas.problems().isEmpty());
    EXPECT_EQ(print::PageOutput::check(form, 300), QString());

    // Decoded from each coupon's frame as printed.
    const QImage page = print::PageOutput::renderPage(form, 0, 300);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(print::readBarcodes(frameOf(page, i)),
            QStringList { QStringLiteral("12341032005000456706042005000000123456") })
            << i;
}

TEST(ArpPaymentForm, ValuesStandAtTheirPlacesInEveryCoupon)
{
    ArpPaymentData without = deposit();
    without.importe = Money();
    ArpPaymentData with = deposit();
    // Same digits in the code, so only the printed values differ.
    with.numAgente = QStringLiteral("0000/0");
    without.numAgente = QStringLiteral("0000/0");
    ArpPaymentForm a(with);
    ArpPaymentForm b(without);
    const QImage ia = print::PageOutput::renderPage(a, 0, Dpi);
    const QImage ib = print::PageOutput::renderPage(b, 0, Dpi);
    for (int coupon = 0; coupon < 3; ++coupon) {
        const qreal off = coupon * 99.2;
        // The amount, on its line and on the line "SON :".
        const QRectF amount = changedArea(ia, ib, off + 44, off + 50);
        EXPECT_NEAR(amount.left(), 174.2, 1.0) << coupon;
        EXPECT_NEAR(amount.top(), off + 45.7, 1.5) << coupon;
        const QRectF son = changedArea(ia, ib, off + 50.5, off + 56);
        EXPECT_NEAR(son.left(), 99.6, 1.0) << coupon;
        EXPECT_NEAR(son.top(), off + 51.9, 1.5) << coupon;
    }
}

TEST(ArpPaymentForm, PerceptionsPrintTheirOwnForm)
{
    ArpPaymentData d = deposit();
    d.which = AgentRegister::Percepciones;
    d.numAgente = QStringLiteral("4321/5");
    ArpPaymentForm form(d);
    EXPECT_EQ(form.formCode(), QStringLiteral("AP01"));
    EXPECT_EQ(print::readBarcodes(frameOf(print::PageOutput::renderPage(form, 0, 300), 2)),
        QStringList { QStringLiteral("43215032005000456706042005000000123456") });
}
