#include "cp01/cp01page.h"

#include "cp01/cp01pagerecord.h"

namespace ventrix::cp01 {
namespace {

constexpr qreal PageLeft = 8;
constexpr qreal PageWidth = 194;
constexpr qreal BarHeight = 4;

}

QString Cp01Page::record() const
{
    QString text;
    for (const PageValue& v : values)
        text += v.text + u'|';
    return text;
}

QString Cp01Page::closedRecord() const
{
    return closePageRecord(record());
}

void PageBuilder::label(qreal x, qreal y, const QString& text, qreal points, bool bold)
{
    m_page.layout.append({ TemplateItem::Kind::Label, QRectF(x, y, 0, 0), text, points, bold });
}

void PageBuilder::centred(qreal left, qreal width, qreal y, const QString& text, qreal points, bool bold)
{
    m_page.layout.append({ TemplateItem::Kind::Centred, QRectF(left, y, width, 0), text, points, bold });
}

void PageBuilder::bar(qreal y, const QString& title)
{
    m_page.layout.append(
        { TemplateItem::Kind::Bar, QRectF(PageLeft, y, PageWidth, BarHeight), title, 8, true });
}

void PageBuilder::box(const QRectF& rect)
{
    m_page.layout.append({ TemplateItem::Kind::Box, rect, {}, 8, false });
}

void PageBuilder::roundedBox(const QRectF& rect)
{
    m_page.layout.append({ TemplateItem::Kind::RoundedBox, rect, {}, 8, false });
}

void PageBuilder::line(qreal x1, qreal y1, qreal x2, qreal y2)
{
    m_page.layout.append(
        { TemplateItem::Kind::Line, QRectF(QPointF(x1, y1), QPointF(x2, y2)), {}, 8, false });
}

void PageBuilder::value(qreal x, qreal y, qreal width, const QString& text, int lines)
{
    m_page.values.append({ x, y, width, text, lines });
}

void PageBuilder::field(
    qreal labelX, qreal y, const QString& caption, qreal valueX, qreal width, const QString& text)
{
    label(labelX, y, caption);
    value(valueX, y, width, text);
}

}
