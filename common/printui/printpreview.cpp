#include "common/printui/printpreview.h"

#include "common/helpids.h"
#include "common/ui/helpkey.h"

#include "common/print/pageoutput.h"
#include "common/print/printableform.h"
#include "common/printui/dialogoimpresora.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace ventrix::print {

PrintPreview::PrintPreview(
    PrintableForm& form, const QString& cancelCaption, QPrinter* printer, QWidget* parent)
    : QDialog(parent)
    , m_form(form)
    , m_printer(printer)
    , m_screenPrinter(std::make_unique<QPrinter>(QPrinter::ScreenResolution))
{
    setWindowTitle(form.documentName());
    setHelpContext(this, helpid::Preview);
    installHelpKey();
    m_screenPrinter->setDocName(form.documentName());
    m_view = new QPrintPreviewWidget(m_screenPrinter.get(), this);
    m_view->setObjectName(QStringLiteral("Preview"));
    connect(m_view, &QPrintPreviewWidget::paintRequested, this,
        [this](QPrinter* p) { PageOutput::paintAll(m_form, *p, outputDpi()); });

    auto* print = new QPushButton(QStringLiteral("Imprimir"), this);
    print->setObjectName(QStringLiteral("Cmd_PreviewPrint"));
    auto* pdf = new QPushButton(QStringLiteral("Guardar PDF"), this);
    pdf->setObjectName(QStringLiteral("Cmd_PreviewPdf"));
    auto* cancel = new QPushButton(cancelCaption, this);
    cancel->setObjectName(QStringLiteral("Cmd_PreviewCancel"));
    connect(print, &QPushButton::clicked, this, &PrintPreview::printPages);
    connect(pdf, &QPushButton::clicked, this, &PrintPreview::savePdf);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(buildToolBar());
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(pdf);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_view, 1);
    resize(900, 700);
    zoomTo(0);
}

PrintPreview::~PrintPreview() = default;

qreal PrintPreview::outputDpi() const
{
    // Shown as it will print: on the chosen printer, or the one a print would use by default.
    if (m_printer)
        return m_printer->resolution();
    static const int usual = QPrinter(QPrinter::HighResolution).resolution();
    return usual;
}

QStringList PrintPreview::zoomChoices()
{
    return QStringLiteral("Página &Entera|&Ancho Página|&Dos Páginas|&Multiples Páginas").split(u'|');
}

QWidget* PrintPreview::buildToolBar()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    const QStringList choices = zoomChoices();
    for (int i = 0; i < choices.size(); ++i) {
        auto* button = new QPushButton(choices[i], bar);
        button->setObjectName(QStringLiteral("Zoom%1").arg(i));
        connect(button, &QPushButton::clicked, this, [this, i] { zoomTo(i); });
        row->addWidget(button);
    }
    return bar;
}

void PrintPreview::zoomTo(int choice)
{
    switch (choice) {
    case 0:
        m_view->setViewMode(QPrintPreviewWidget::SinglePageView);
        m_view->fitInView();
        break;
    case 1:
        m_view->setViewMode(QPrintPreviewWidget::SinglePageView);
        m_view->fitToWidth();
        break;
    case 2:
        m_view->setViewMode(QPrintPreviewWidget::FacingPagesView);
        m_view->fitInView();
        break;
    default:
        m_view->setViewMode(QPrintPreviewWidget::AllPagesView);
        m_view->fitInView();
        break;
    }
}

void PrintPreview::printPages()
{
    QPrinter asked(QPrinter::HighResolution);
    QPrinter* target = m_printer;
    if (!target) {
        asked.setDocName(m_form.documentName());
        if (!DialogoImpresora(asked, this))
            return;
        target = &asked;
    }
    if (!PageOutput::print(m_form, *target))
        return;
    m_printed = true;
    accept();
}

QString PrintPreview::askPdfPath()
{
    if (m_askPdfPath)
        return m_askPdfPath();
    const QString proposed = QDir::home().filePath(m_form.documentName() + QStringLiteral(".pdf"));
    return QFileDialog::getSaveFileName(
        this, QStringLiteral("Guardar PDF"), proposed, QStringLiteral("Documentos PDF (*.pdf)"));
}

void PrintPreview::savePdf()
{
    QString path = askPdfPath();
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    if (PageOutput::writePdf(m_form, path))
        m_savedPdf = true;
}

bool previewAndPrint(PrintableForm& form, const QString& cancelCaption, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(form.documentName());
    if (!DialogoImpresora(printer, parent))
        return false;
    PrintPreview preview(form, cancelCaption, &printer, parent);
    preview.exec();
    return preview.printed();
}

}
