#pragma once

#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPointF>
#include <QStringList>
#include <QTransform>

namespace ventrix::test {

// One text painted on a page: where its baseline starts, in millimetres from the page's corner.
struct PlacedText
{
    QString text;
    QPointF mm;
};

// A page of A4 at 300 dpi that keeps the texts painted on it, with their places, and draws
// nothing: page layouts are checked by what they write where.
class PlacedTextRecorder : public QPaintDevice
{
public:
    PlacedTextRecorder();
    ~PlacedTextRecorder() override;

    QList<PlacedText> texts;

    // The texts alone, in the order they were painted.
    QStringList plain() const;
    // The first text equal to text, or nullptr.
    const PlacedText* find(const QString& text) const;
    // Every text equal to text.
    QList<PlacedText> named(const QString& text) const;

    QPaintEngine* paintEngine() const override;

protected:
    int metric(PaintDeviceMetric m) const override;

private:
    class Engine;
    Engine* m_engine;
};

}
