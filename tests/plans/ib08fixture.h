#pragma once

#include "common/clock.h"
#include "common/randomsource.h"
#include "plans/ib08store.h"
#include "plansfixture.h"
#include "scriptedmessages.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QTextItem>

namespace ventrix::test {

// Hands out the numbers the test wants, in order; installs itself while alive.
class Ib08Numbers : public RandomSource
{
public:
    QList<quint64> next;
    Ib08Numbers() { RandomSource::install(this); }
    ~Ib08Numbers() override { RandomSource::install(nullptr); }

protected:
    quint64 draw(quint64, quint64) override { return next.isEmpty() ? 1 : next.takeFirst(); }
};

// A payment as a taxpayer types one: fiscal position 05/26, paid on 15/03/2026.
inline plans::Ib08Payment typedPayment()
{
    plans::Ib08Payment p;
    p.posFiscal = QStringLiteral("5/26");
    p.fechaPago = QDate(2026, 3, 15);
    p.importe = money("1000.00");
    p.actualizacion = money("12.34");
    p.interes = money("5.66");
    return p;
}

// The plans fixture with the payment store, a clock on 15/03/2026 and scripted answers.
struct Ib08Fixture : PlansFixture
{
    FixedClock clock { QDate(2026, 3, 15) };
    ScriptedMessages boxes;
    plans::Ib08Store ib08 { access };

    Ib08Fixture() { Clock::install(&clock); }
    ~Ib08Fixture() { Clock::install(nullptr); }

    qint64 storePayment(qint64 cp01Id, QDate paid, const char* importe = "1000.00")
    {
        plans::Ib08Payment p = typedPayment();
        p.fechaPago = paid;
        p.importe = money(importe);
        EXPECT_TRUE(ib08.save(p, cp01Id));
        return p.id;
    }
};

// One text painted on a page: where its baseline starts, in millimetres from the page's corner.
struct PlacedText
{
    QString text;
    QPointF mm;
};

// An A4 page at 300 dpi that keeps the texts painted on it with their places and draws nothing.
class PlacedTextRecorder : public QPaintDevice
{
public:
    QList<PlacedText> texts;

    QList<PlacedText> named(const QString& text) const
    {
        QList<PlacedText> out;
        for (const PlacedText& t : texts) {
            if (t.text == text)
                out << t;
        }
        return out;
    }
    QPaintEngine* paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
            return 2480;
        case PdmHeight:
            return 3508;
        case PdmWidthMM:
            return 210;
        case PdmHeightMM:
            return 297;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 300;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 0x7fffffff;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    class Engine : public QPaintEngine
    {
    public:
        explicit Engine(QList<PlacedText>& texts)
            : QPaintEngine(AllFeatures)
            , m_texts(texts)
        {
        }
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override { }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { }
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override { }
        void drawPath(const QPainterPath&) override { }
        void drawRects(const QRectF*, int) override { }
        void drawLines(const QLineF*, int) override { }
        void drawTextItem(const QPointF& p, const QTextItem& item) override
        {
            m_texts.append({ item.text(), p * 25.4 / 300 });
        }
        Type type() const override { return User; }

    private:
        QList<PlacedText>& m_texts;
    };
    mutable Engine m_engine { texts };
};

}
