#include "sid3/ui/amountdelegate.h"

#include "common/ui/fieldkeyfilter.h"

#include <QLineEdit>

namespace ventrix::sid3 {

QWidget* AmountDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* edit = new QLineEdit(parent);
    edit->setAlignment(Qt::AlignRight);
    FieldKeyFilter::install(edit, FieldKeys::Amount);
    return edit;
}

}
