#include "app/ui/helpviewer.h"

#include "common/appinfo.h"
#include "common/helpids.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>

static void initHelpResources()
{
    Q_INIT_RESOURCE(help);
}

namespace ventrix::app {
namespace {

const QString IndexPage = QStringLiteral("index.html");

const QHash<int, QString>& pages()
{
    static const QHash<int, QString> map {
        { helpid::Principal, QStringLiteral("principal.html") },
        { helpid::IdContrib, QStringLiteral("contribuyente.html") },
        { helpid::Password, QStringLiteral("password.html") },
        { helpid::Indices, QStringLiteral("indices.html") },
        { helpid::Backup, QStringLiteral("backup.html") },
        { helpid::Preview, QStringLiteral("vistaprevia.html") },
        { helpid::PrintScreen, QStringLiteral("printscreen.html") },
        { helpid::BorrarContribuyente, QStringLiteral("borrar.html") },
        { helpid::InfoComplementaria, QStringLiteral("infocomplementaria.html") },
        { helpid::Agentes, QStringLiteral("agentes.html") },
        { helpid::Pagos, QStringLiteral("pagos.html") },
    };
    return map;
}

}

HelpViewer::HelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    initHelpResources();
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(productName() + QStringLiteral(" - Ayuda"));
    m_browser = new QTextBrowser;
    m_browser->setOpenExternalLinks(false);
    m_browser->setSearchPaths({ QStringLiteral(":/help") });
    auto* contents = new QPushButton(QStringLiteral("&Contenido"));
    auto* back = new QPushButton(QStringLiteral("&Atrás"));
    auto* forward = new QPushButton(QStringLiteral("A&delante"));
    auto* closeButton = new QPushButton(QStringLiteral("C&errar"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : { contents, back, forward })
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
    connect(contents, &QPushButton::clicked, this, &HelpViewer::showIndex);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);
    back->setEnabled(false);
    forward->setEnabled(false);
    resize(620, 520);
}

QString HelpViewer::pageFor(int contextId)
{
    return pages().value(contextId, IndexPage);
}

QString HelpViewer::currentPage() const
{
    return m_browser->source().fileName();
}

void HelpViewer::showPage(const QString& page)
{
    m_browser->setSource(QUrl(QStringLiteral("qrc:/help/") + page));
    showOverActiveWindow();
}

void HelpViewer::showOverActiveWindow()
{
    // A modal window blocks every window shown before it that is not its child: the help then
    // has to come up modal itself, above it. Over the main window it stays a free window.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == this) {
        // Already over a modal window (F1 or a link inside the help): it stays as it is.
        raise();
        activateWindow();
        return;
    }
    const Qt::WindowModality wanted = modal ? Qt::ApplicationModal : Qt::NonModal;
    if (isVisible() && windowModality() != wanted)
        hide();
    setWindowModality(wanted);
    if (!isVisible()) {
        winId();
        if (QWidget* over = modal ? modal : QApplication::activeWindow(); over && over != this)
            windowHandle()->setTransientParent(over->window()->windowHandle());
    }
    show();
    raise();
    activateWindow();
}

void HelpViewer::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // The keyboard goes back to the window the help was opened over.
    if (QWindow* over = windowHandle() ? windowHandle()->transientParent() : nullptr;
        over && over->isVisible())
        over->requestActivate();
}

void HelpViewer::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpViewer::showContext(int contextId)
{
    showPage(pageFor(contextId));
}

void HelpViewer::showIndex()
{
    showPage(IndexPage);
}

namespace {

class ViewerService : public HelpService
{
public:
    ViewerService() { m_viewer.setAttribute(Qt::WA_QuitOnClose, false); }
    void openContext(int contextId) override { m_viewer.showContext(contextId); }
    void openIndex() override { m_viewer.showIndex(); }
    void close() override { m_viewer.hide(); }

private:
    HelpViewer m_viewer;
};

}

void Ayuda_Iniciar()
{
    static ViewerService* service = nullptr;
    if (service)
        return;
    service = new ViewerService;
    HelpService::install(service);
    installHelpKey();
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] {
        HelpService::install(nullptr);
        delete service;
        service = nullptr;
    });
}

}
