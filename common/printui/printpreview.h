#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class QPrinter;
class QPrintPreviewWidget;
class QPushButton;

namespace ventrix::print {

class PrintableForm;

// The one preview window every form prints through: zoom choices, "Imprimir", "Guardar PDF" and the
// form's own cancel caption. Printing and the PDF get the same pages, their barcodes read back first.
class PrintPreview : public QDialog
{
    Q_OBJECT

public:
    // printer: the one already chosen through DialogoImpresora, or nullptr to ask when printing.
    PrintPreview(PrintableForm& form, const QString& cancelCaption, QPrinter* printer = nullptr,
        QWidget* parent = nullptr);
    ~PrintPreview() override;

    // Asks where to save the PDF (tests replace it); an empty answer saves nothing.
    void setPdfPathAsker(std::function<QString()> asker) { m_askPdfPath = std::move(asker); }

    bool printed() const { return m_printed; }
    // Whether the pages were saved as a PDF (forms with a delivery file deliver it then too).
    bool savedPdf() const { return m_savedPdf; }

    void printPages();
    void savePdf();
    void zoomTo(int choice);

    // "Página &Entera|&Ancho Página|&Dos Páginas|&Multiples Páginas"
    static QStringList zoomChoices();

private:
    QWidget* buildToolBar();
    QString askPdfPath();
    qreal outputDpi() const;

    PrintableForm& m_form;
    QPrinter* m_printer;
    std::unique_ptr<QPrinter> m_screenPrinter;
    QPrintPreviewWidget* m_view = nullptr;
    std::function<QString()> m_askPdfPath;
    bool m_printed = false;
    bool m_savedPdf = false;
};

// The usual road of a print: DialogoImpresora (cancel prints nothing), then the preview on the chosen
// printer. True when the pages were sent to the printer.
bool previewAndPrint(PrintableForm& form, const QString& cancelCaption, QWidget* parent = nullptr);

}
