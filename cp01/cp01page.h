#pragma once

#include <QList>
#include <QRectF>
#include <QString>

namespace ventrix::cp01 {

// One drawn element of a page's template: a label, a grey section bar with its title, a box or a
// line, in millimetres from the sheet's top-left corner.
struct TemplateItem
{
    enum class Kind { Label, Centred, Bar, Box, RoundedBox, Line };
    Kind kind = Kind::Label;
    QRectF rect; // Label: top-left; Centred: the column; Line: from top-left to bottom-right
    QString text;
    qreal points = 8;
    bool bold = false;
};

// A value written over the template: its place, the room it may take (it shrinks to fit, never
// cut, so the page shows what the record carries) and how many lines it may wrap to.
struct PageValue
{
    qreal x = 0;
    qreal y = 0;
    qreal width = 0;
    QString text;
    int lines = 1;
};

// One printed page of the inscription form: its template, its values in printing order and the
// record they make.
struct Cp01Page
{
    QList<TemplateItem> layout;
    QList<PageValue> values;

    // Every value followed by "|", in printing order.
    QString record() const;
    // The record closed with the version field (see closePageRecord).
    QString closedRecord() const;
};

// Builds a page: template items and values, each value appended to the record as it is placed.
class PageBuilder
{
public:
    void label(qreal x, qreal y, const QString& text, qreal points = 8, bool bold = false);
    void centred(qreal left, qreal width, qreal y, const QString& text, qreal points = 8, bool bold = false);
    void bar(qreal y, const QString& title);
    void box(const QRectF& rect);
    void roundedBox(const QRectF& rect);
    void line(qreal x1, qreal y1, qreal x2, qreal y2);
    void value(qreal x, qreal y, qreal width, const QString& text, int lines = 1);
    // A label and its value on one line.
    void field(qreal labelX, qreal y, const QString& caption, qreal valueX, qreal width, const QString& text);

    Cp01Page take() { return std::move(m_page); }

private:
    Cp01Page m_page;
};

}
