#include "pagerecorder.h"

#include <QTextItem>

namespace ventrix::test {

class PlacedTextRecorder::Engine : public QPaintEngine
{
public:
    explicit Engine(QList<PlacedText>& texts)
        : QPaintEngine(AllFeatures)
        , m_texts(texts)
    {
    }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& changed) override
    {
        if (changed.state() & DirtyTransform)
            m_transform = changed.transform();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override { }
    void drawPath(const QPainterPath&) override { }
    void drawRects(const QRectF*, int) override { }
    void drawLines(const QLineF*, int) override { }
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        m_texts.append({ item.text(), m_transform.map(p) * 25.4 / 300.0 });
    }
    Type type() const override { return User; }

private:
    QList<PlacedText>& m_texts;
    QTransform m_transform;
};

PlacedTextRecorder::PlacedTextRecorder()
    : m_engine(new Engine(texts))
{
}

PlacedTextRecorder::~PlacedTextRecorder()
{
    delete m_engine;
}

QStringList PlacedTextRecorder::plain() const
{
    QStringList out;
    for (const PlacedText& t : texts)
        out << t.text;
    return out;
}

const PlacedText* PlacedTextRecorder::find(const QString& text) const
{
    for (const PlacedText& t : texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

QList<PlacedText> PlacedTextRecorder::named(const QString& text) const
{
    QList<PlacedText> out;
    for (const PlacedText& t : texts)
        if (t.text == text)
            out << t;
    return out;
}

QPaintEngine* PlacedTextRecorder::paintEngine() const
{
    return m_engine;
}

int PlacedTextRecorder::metric(PaintDeviceMetric m) const
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

}
