#include "common/print/pagetable.h"

#include <cmath>

namespace ventrix::print {
namespace {

constexpr qreal kCellPaddingMm = 0.5;

}

PageTable::PageTable(QList<Column> columns, qreal rowHeightMm)
    : m_columns(std::move(columns))
    , m_rowHeight(rowHeightMm)
{
}

void PageTable::addRow(const QStringList& cells)
{
    m_rows.append(cells);
}

int PageTable::rowsPerPage(qreal areaHeightMm) const
{
    return std::max(1, int(std::floor(areaHeightMm / m_rowHeight + 1e-6)) - 1);
}

int PageTable::pageCount(qreal areaHeightMm) const
{
    const int perPage = rowsPerPage(areaHeightMm);
    return std::max(1, int((m_rows.size() + perPage - 1) / perPage));
}

void PageTable::paintPart(PageCanvas& canvas, int part, const QRectF& areaMm) const
{
    QStringList headings;
    for (const Column& c : m_columns)
        headings << c.heading;
    paintLine(canvas, areaMm.left(), areaMm.top(), headings, true);
    const int perPage = rowsPerPage(areaMm.height());
    const int first = part * perPage;
    const int last = std::min(int(m_rows.size()), first + perPage);
    for (int r = first; r < last; ++r)
        paintLine(canvas, areaMm.left(), areaMm.top() + (r - first + 1) * m_rowHeight, m_rows[r], false);
}

void PageTable::paintLine(PageCanvas& canvas, qreal x, qreal y, const QStringList& cells, bool heading) const
{
    const bool wasBold = canvas.font().bold();
    canvas.setBold(heading || wasBold);
    qreal left = x;
    for (int i = 0; i < m_columns.size(); ++i) {
        const Column& c = m_columns[i];
        if (heading)
            canvas.greyFill(QRectF(left, y, c.widthMm, m_rowHeight), 10);
        canvas.box(QRectF(left, y, c.widthMm, m_rowHeight));
        const QString cell = i < cells.size() ? cells[i] : QString();
        const qreal textTop = y + (m_rowHeight - canvas.lineHeight()) / 2;
        canvas.alineaString(left + kCellPaddingMm, textTop, c.widthMm - 2 * kCellPaddingMm, cell,
            heading ? ColumnAlign::Centre : c.align);
        left += c.widthMm;
    }
    canvas.setBold(wasBold);
}

}
