#include "common/print/imagepageform.h"

#include "common/print/pagecanvas.h"

namespace ventrix::print {
namespace {

constexpr qreal kMarginMm = 10;

}

ImagePageForm::ImagePageForm(QImage image, QString name)
    : m_image(std::move(image))
    , m_name(std::move(name))
{
}

QPageLayout::Orientation ImagePageForm::orientation() const
{
    return QPageLayout::Portrait;
}

void ImagePageForm::paintPage(int, PageCanvas& canvas)
{
    if (m_image.isNull())
        return;
    const QSizeF page = pageLayout().fullRect(QPageLayout::Millimeter).size();
    const QSizeF room(page.width() - 2 * kMarginMm, page.height() - 2 * kMarginMm);
    const QSizeF size = QSizeF(m_image.size()).scaled(room, Qt::KeepAspectRatio);
    canvas.image(QRectF(QPointF(kMarginMm, kMarginMm), size), m_image);
}

}
