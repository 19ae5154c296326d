#pragma once

#include "common/print/pagecanvas.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace ventrix::print {

// A table spread over pages (annexes, reports): fixed columns, one line per row, the heading
// repeated at the top of each page's part.
class PageTable
{
public:
    struct Column
    {
        QString heading;
        qreal widthMm;
        ColumnAlign align = ColumnAlign::Left;
    };

    PageTable(QList<Column> columns, qreal rowHeightMm);

    void addRow(const QStringList& cells);
    int rowCount() const { return int(m_rows.size()); }

    // How many data rows fit under the heading in an area this high.
    int rowsPerPage(qreal areaHeightMm) const;
    int pageCount(qreal areaHeightMm) const;
    // Draws the heading and the rows of the given page part at the area's top-left; cells too wide
    // for their column are shortened with "...".
    void paintPart(PageCanvas& canvas, int part, const QRectF& areaMm) const;

private:
    void paintLine(PageCanvas& canvas, qreal x, qreal y, const QStringList& cells, bool heading) const;

    QList<Column> m_columns;
    qreal m_rowHeight;
    QList<QStringList> m_rows;
};

}
