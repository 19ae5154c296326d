#include "app/ui/startupflow.h"

#include "app/ui/helpviewer.h"
#include "app/ui/inicia.h"
#include "app/ui/webupdate.h"
#include "common/appinfo.h"
#include "common/helpids.h"
#include "common/messages.h"
#include "common/ui/qtspanish.h"
#include "data/autobackup.h"
#include "data/backupmessages.h"
#include "data/backupvolumes.h"
#include "data/ui/frm_backup.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace ventrix::app {

StartupFlow::StartupFlow(StartupContext context, StartupHooks hooks, QObject* parent)
    : QObject(parent)
    , m_context(std::move(context))
    , m_hooks(std::move(hooks))
    , m_lock(m_context.folder.lockPath())
    , m_startup(m_context, m_lock)
    , m_store(m_context.folder, &m_database)
{
    if (!m_hooks.createMainWindow)
        m_hooks.createMainWindow = plainMainWindow;
}

StartupFlow::~StartupFlow()
{
    delete m_chosen;
}

bool StartupFlow::start(const Startup::Launcher& launch)
{
    if (m_startup.Main(launch) == MainOutcome::End)
        return false;
    Ayuda_Iniciar();
    if (m_hooks.installPrintScreenWatcher)
        m_hooks.installPrintScreenWatcher();
    m_splash = std::make_unique<Inicia>();
    m_splash->adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        m_splash->move(screen->availableGeometry().center() - m_splash->rect().center());
    m_splash->show();
    // The checks run once the splash is on screen, as its activation.
    QTimer::singleShot(0, this, &StartupFlow::activate);
    return true;
}

void StartupFlow::activate()
{
    QCoreApplication::processEvents();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_outcome = m_startup.Inicia(m_database, programComponents(), programRegionalSettings());
    QGuiApplication::restoreOverrideCursor();
    if (m_outcome == StartupWindow::None) {
        emit handedOver(m_outcome);
        QCoreApplication::exit(1);
        return;
    }
    m_splash->waitForUser([this] { handOver(); });
}

void StartupFlow::handOver()
{
    if (m_outcome == StartupWindow::Principal) {
        m_chosen = m_hooks.createMainWindow(m_database, m_context.folder);
    } else {
        auto* backup = new data::Frm_Backup(m_store, data::BackupVolumes());
        installWebUpdate(*backup, m_store);
        m_chosen = backup;
    }
    m_chosen->show();
    m_chosen->activateWindow();
    // The splash stays behind; hidden, so closing the chosen window ends the program.
    m_splash->hide();
    emit handedOver(m_outcome);
}

QWidget* plainMainWindow(data::Database& database, const data::DataFolder& folder)
{
    auto* window = new QMainWindow;
    window->setObjectName(QStringLiteral("Frm_Principal"));
    window->setWindowTitle(mainCaption());
    window->setProperty(HelpContextProperty, helpid::Principal);
    window->resize(900, 600);
    auto* store = new data::BackupStore(folder, &database);
    QMenu* menu = window->menuBar()->addMenu(QStringLiteral("A&rchivo"));
    QObject::connect(menu->addAction(QStringLiteral("&Respaldo y Recuperación de datos")),
        &QAction::triggered, window, [window, store] {
            data::Frm_Backup dialog(*store, data::BackupVolumes(), window);
            installWebUpdate(dialog, *store);
            dialog.exec();
        });
    QObject::connect(menu->addAction(QStringLiteral("&Salir")), &QAction::triggered, window, &QWidget::close);
    QObject::connect(window, &QObject::destroyed, [store] { delete store; });
    return window;
}

void StartupFlow::backUpOnLeaving()
{
    if (!m_database.connection().isOpen())
        return;
    if (const Status taken = data::takeAutomaticBackup(m_database, data::backupreason::leaving()); !taken)
        warn(data::msg::backupFailed() + u'\n' + taken.error());
}

void loadSpanishTranslations(QApplication& app)
{
    loadQtSpanish(app);
}

}
