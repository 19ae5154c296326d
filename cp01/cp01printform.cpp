#include "cp01/cp01printform.h"

#include "common/print/pagecanvas.h"

#include <QPainter>

namespace ventrix::cp01 {
namespace {

constexpr qreal ValuePoints = 8;
// A value never shrinks below this; the room given to each value holds its longest text at it.
constexpr qreal SmallestPoints = 4.5;
constexpr qreal ShrinkStep = 0.25;
// A value wrapped over lines keeps to this much height a line, so it never reaches the next value.
constexpr qreal WrappedLineMm = 3.0;

void drawItem(print::PageCanvas& canvas, const TemplateItem& item)
{
    using Kind = TemplateItem::Kind;
    switch (item.kind) {
    case Kind::Label:
        canvas.setFont(QStringLiteral("Arial"), item.points, item.bold);
        canvas.text(item.rect.left(), item.rect.top(), item.text);
        break;
    case Kind::Centred:
        canvas.setFont(QStringLiteral("Arial"), item.points, item.bold);
        canvas.alineaString(
            item.rect.left(), item.rect.top(), item.rect.width(), item.text, print::ColumnAlign::Centre);
        break;
    case Kind::Bar:
        canvas.greyFill(item.rect, 15);
        canvas.box(item.rect);
        canvas.setFont(QStringLiteral("Arial"), item.points, item.bold);
        canvas.text(item.rect.left() + 1, item.rect.top() + 0.4, item.text);
        break;
    case Kind::Box:
        canvas.box(item.rect);
        break;
    case Kind::RoundedBox:
        canvas.roundedFrame(item.rect, 2);
        break;
    case Kind::Line:
        canvas.line(item.rect.left(), item.rect.top(), item.rect.right(), item.rect.bottom());
        break;
    }
}

// The height the text takes wrapped into the width, in millimetres, in the canvas's font.
qreal wrappedHeight(print::PageCanvas& canvas, const PageValue& v)
{
    const QFontMetricsF metrics(canvas.font(), canvas.painter().device());
    const QRectF room(0, 0, canvas.toDevice(v.width), 1e6);
    return metrics.boundingRect(room, Qt::TextWordWrap, v.text).height() * 25.4 / canvas.dpi();
}

bool fits(print::PageCanvas& canvas, const PageValue& v)
{
    if (v.lines <= 1)
        return canvas.textWidth(v.text) <= v.width;
    return wrappedHeight(canvas, v) <= WrappedLineMm * v.lines
        && canvas.textWidth(v.text) <= v.width * v.lines;
}

void drawValue(print::PageCanvas& canvas, const PageValue& v)
{
    if (v.text.isEmpty())
        return;
    qreal points = ValuePoints;
    canvas.setFont(QStringLiteral("Arial"), points);
    while (points > SmallestPoints && !fits(canvas, v)) {
        points -= ShrinkStep;
        canvas.setFont(QStringLiteral("Arial"), points);
    }
    if (v.lines <= 1) {
        canvas.text(v.x, v.y, v.text);
        return;
    }
    canvas.text(QRectF(v.x, v.y, v.width, WrappedLineMm * v.lines + 0.5), v.text,
        Qt::Alignment::fromInt(int(Qt::AlignLeft) | int(Qt::AlignTop) | int(Qt::TextWordWrap)));
}

}

Cp01PrintForm::Cp01PrintForm(QList<Cp01Page> pages)
    : m_pages(std::move(pages))
{
}

print::ManchaPlacement Cp01PrintForm::manchaPlacement()
{
    return { QPointF(8, 247), 1.0, QSizeF(194, 38) };
}

void Cp01PrintForm::paintPage(int page, print::PageCanvas& canvas)
{
    const Cp01Page& p = m_pages.at(page);
    canvas.setPenWidth(0.2);
    for (const TemplateItem& item : p.layout)
        drawItem(canvas, item);
    for (const PageValue& v : p.values)
        drawValue(canvas, v);
    (void)print::Imp_Mancha(canvas, p.closedRecord(), manchaPlacement());
}

}
