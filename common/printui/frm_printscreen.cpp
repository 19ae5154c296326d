#include "common/printui/frm_printscreen.h"

#include "common/helpids.h"
#include "common/ui/helpkey.h"

#include "common/messages.h"
#include "common/print/imagepageform.h"
#include "common/print/pageoutput.h"
#include "common/print/printtexts.h"
#include "common/printui/dialogoimpresora.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace ventrix::print {
namespace {

constexpr int kActiveDelayMs = 2000;

QImage grabActiveWindow()
{
    QWidget* window = QApplication::activeWindow();
    return window ? window->grab().toImage() : QImage();
}

}

Frm_PrintScreen::Frm_PrintScreen(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_view(new QLabel(this))
{
    setObjectName(QStringLiteral("Frm_PrintScreen"));
    setWindowTitle(QStringLiteral("Capture and Print Example"));
    setHelpContext(this, helpid::PrintScreen);
    installHelpKey();
    setAccessibleName(QStringLiteral("Print Screen Engine"));
    m_view->setObjectName(QStringLiteral("Picture1"));
    m_view->setMinimumSize(320, 200);
    m_view->setAlignment(Qt::AlignCenter);

    auto* layout = new QGridLayout(this);
    const struct
    {
        const char16_t* name;
        const char16_t* caption;
        void (Frm_PrintScreen::*slot)();
    } buttons[] = {
        { u"Cmd_Screen", u"&Screen", &Frm_PrintScreen::captureScreen },
        { u"Cmd_Form", u"&Form", &Frm_PrintScreen::captureForm },
        { u"Cmd_Client", u"&Client", &Frm_PrintScreen::captureClient },
        { u"Cmd_Active", u"&Active", &Frm_PrintScreen::captureActiveLater },
        { u"Cmd_Print", u"&Print", nullptr },
        { u"Cmd_Clear", u"C&lear", &Frm_PrintScreen::clearPicture },
    };
    int column = 0;
    for (const auto& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf16(b.caption), this);
        button->setObjectName(QString::fromUtf16(b.name));
        if (b.slot)
            connect(button, &QPushButton::clicked, this, b.slot);
        else
            connect(button, &QPushButton::clicked, this, [this] { (void)printPicture(); });
        layout->addWidget(button, 0, column++);
    }
    layout->addWidget(m_view, 1, 0, 1, column);
}

bool Frm_PrintScreen::DialogoImpresora(QPrinter& printer, QWidget* parent)
{
    return print::DialogoImpresora(printer, parent);
}

bool Frm_PrintScreen::eventFilter(QObject* watched, QEvent* event)
{
    // The application's filter sees a key once, for the widget that has the focus.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Print
        && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        capturePrintScreen();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Frm_PrintScreen::capturePrintScreen()
{
    setPicture(grabActiveWindow());
    if (m_picture.isNull())
        return;
    QApplication::clipboard()->setImage(m_picture);
    if (askYesNo(msg::askPrintScreen(), MessageIcon::Question, true))
        (void)printPicture();
}

bool Frm_PrintScreen::printPicture()
{
    if (m_picture.isNull())
        return false;
    ImagePageForm form(m_picture);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(form.documentName());
    if (!print::DialogoImpresora(printer, this))
        return false;
    return PageOutput::print(form, printer);
}

void Frm_PrintScreen::setPicture(const QImage& image)
{
    m_picture = image;
    m_view->setPixmap(image.isNull() ? QPixmap()
                                     : QPixmap::fromImage(image).scaled(
                                         m_view->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void Frm_PrintScreen::captureScreen()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    setPicture(screen ? screen->grabWindow(0).toImage() : QImage());
}

void Frm_PrintScreen::captureForm()
{
    setPicture(grab().toImage());
}

void Frm_PrintScreen::captureClient()
{
    setPicture(grab(contentsRect()).toImage());
}

void Frm_PrintScreen::captureActiveLater()
{
    inform(QStringLiteral("Two seconds after you close this dialog the active window will be captured."));
    QTimer::singleShot(kActiveDelayMs, this, [this] { setPicture(grabActiveWindow()); });
}

void Frm_PrintScreen::clearPicture()
{
    setPicture({});
}

Frm_PrintScreen* installPrintScreenWatcher(QApplication& app)
{
    auto* watcher = new Frm_PrintScreen;
    watcher->setAttribute(Qt::WA_DeleteOnClose, false);
    watcher->setParent(nullptr);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, watcher, &QObject::deleteLater);
    app.installEventFilter(watcher);
    return watcher;
}

}
