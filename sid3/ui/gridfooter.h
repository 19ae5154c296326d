#pragma once

#include <QHash>
#include <QWidget>

class QTableView;

namespace ventrix::sid3 {

// The footers of a grid: one text under each column that has one, right-aligned within the
// column and following it when the columns are resized or scrolled.
class GridFooter : public QWidget
{
    Q_OBJECT

public:
    explicit GridFooter(QTableView* grid, QWidget* parent = nullptr);

    void setText(int column, const QString& text);
    QString text(int column) const { return m_texts.value(column); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTableView* m_grid;
    QHash<int, QString> m_texts;
};

}
