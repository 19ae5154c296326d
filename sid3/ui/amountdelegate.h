#pragma once

#include <QStyledItemDelegate>

namespace ventrix::sid3 {

// Edits an amount cell in a text box that lets only digits and the separators in.
class AmountDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(
        QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}
