#include "sid3/ui/gridfooter.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>

namespace ventrix::sid3 {
namespace {

constexpr int Padding = 4;

}

GridFooter::GridFooter(QTableView* grid, QWidget* parent)
    : QWidget(parent)
    , m_grid(grid)
{
    QHeaderView* header = grid->horizontalHeader();
    connect(header, &QHeaderView::sectionResized, this, qOverload<>(&QWidget::update));
    connect(header, &QHeaderView::sectionMoved, this, qOverload<>(&QWidget::update));
    connect(grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
}

void GridFooter::setText(int column, const QString& text)
{
    m_texts.insert(column, text);
    update();
}

QSize GridFooter::sizeHint() const
{
    return { 100, fontMetrics().height() + 2 * Padding };
}

void GridFooter::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QHeaderView* header = m_grid->horizontalHeader();
    // The grid's cells begin after its frame and its row numbers.
    const int origin = mapFromGlobal(m_grid->viewport()->mapToGlobal(QPoint(0, 0))).x();
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    for (auto it = m_texts.cbegin(); it != m_texts.cend(); ++it) {
        if (it.value().isEmpty() || header->isSectionHidden(it.key()))
            continue;
        const int x = origin + header->sectionViewportPosition(it.key());
        const QRect cell(x, 0, header->sectionSize(it.key()) - Padding, height());
        painter.drawRect(cell.adjusted(0, 1, Padding - 1, -2));
        painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter, it.value());
    }
}

}
