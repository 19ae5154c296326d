#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QString>

namespace ventrix::print {

class PageCanvas;

// A printed form: knows its pages and draws each one in millimetres on any device.
class PrintableForm
{
public:
    virtual ~PrintableForm() = default;

    // Shown by the preview and given to the print job ("Formulario CP01").
    virtual QString documentName() const = 0;
    virtual int pageCount() const = 0;
    virtual void paintPage(int page, PageCanvas& canvas) = 0;

    // Whether the page draws a barcode; the read-back before printing skips pages that do not.
    virtual bool pageHasBarcodes(int /*page*/) const { return true; }

    // A4 portrait unless the form says otherwise.
    virtual QPageLayout::Orientation orientation() const { return QPageLayout::Portrait; }
    QPageLayout pageLayout() const
    {
        return QPageLayout(
            QPageSize(QPageSize::A4), orientation(), QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    }
};

}
