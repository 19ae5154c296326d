#pragma once

#include "common/print/printableform.h"

#include <QImage>

namespace ventrix::print {

// One A4 page holding a picture (a screen capture) as large as the margins allow, keeping its shape.
class ImagePageForm : public PrintableForm
{
public:
    explicit ImagePageForm(QImage image, QString name = QStringLiteral("Print Screen"));

    QString documentName() const override { return m_name; }
    int pageCount() const override { return 1; }
    QPageLayout::Orientation orientation() const override;
    void paintPage(int page, PageCanvas& canvas) override;

private:
    QImage m_image;
    QString m_name;
};

}
