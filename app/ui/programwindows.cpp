#include "app/ui/programwindows.h"

#include "agents/ui/frm_agentesmenu.h"
#include "app/modulegates.h"
#include "app/ui/frm_principal.h"
#include "app/ui/webupdate.h"
#include "common/ui/moduleregistry.h"
#include "cp01/ui/frm_cp01menu.h"
#include "cp02/ui/frm_cp02.h"
#include "data/backupstore.h"
#include "data/backupvolumes.h"
#include "data/database.h"
#include "data/datafolder.h"
#include "data/ui/frm_backup.h"
#include "plans/ui/frm_ib08.h"
#include "plans/ui/frm_pfp.h"
#include "rates/ui/frm_indices.h"
#include "sid3/ui/frm_sid3.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

namespace ventrix::app {
namespace {

// A restore replaces the database file under the connection, so no window may still hold a
// handle on it: the main window goes away while the backup window is open and comes back over
// the (possibly new) database afterwards.
void runBackupWindow(QPointer<QWidget> mainWindow, data::Database& database, data::DataFolder folder)
{
    const bool quitOnClose = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);
    // The main window comes back where the user had it, at the same size.
    const QByteArray geometry = mainWindow ? mainWindow->saveGeometry() : QByteArray();
    const QRect area = mainWindow ? mainWindow->frameGeometry() : QRect();
    delete mainWindow.data();
    {
        data::BackupStore store(folder, &database);
        data::Frm_Backup dialog(store, data::BackupVolumes());
        installWebUpdate(dialog, store);
        if (area.isValid()) {
            dialog.adjustSize();
            dialog.move(area.center() - dialog.rect().center());
        }
        dialog.exec();
    }
    QWidget* fresh = createProgramMainWindow(database, folder);
    if (!geometry.isEmpty())
        fresh->restoreGeometry(geometry);
    fresh->show();
    QApplication::setQuitOnLastWindowClosed(quitOnClose);
}

}

void registerModuleWindows()
{
    rates::registerRatesWindows(ModuleRegistry::instance());
    cp01::registerCp01Windows(ModuleRegistry::instance());
    agents::registerAgentsWindows(ModuleRegistry::instance());
    cp02::registerCp02Windows(ModuleRegistry::instance());
    sid3::registerSid3Windows(ModuleRegistry::instance());
    plans::registerPlansWindows(ModuleRegistry::instance());
    plans::registerIb08Windows(ModuleRegistry::instance());
}

QWidget* createProgramMainWindow(data::Database& database, const data::DataFolder& folder)
{
    auto* window = new Frm_Principal(database.connection());
    window->setAttribute(Qt::WA_DeleteOnClose);
    QMenu* menu = window->menuBar()->addMenu(QStringLiteral("A&rchivo"));
    QAction* backup = menu->addAction(QStringLiteral("&Respaldo y Recuperación de datos..."));
    QObject::connect(backup, &QAction::triggered, window, [window, &database, folder] {
        QPointer<QWidget> self(window);
        QTimer::singleShot(0, qApp, [self, &database, folder] { runBackupWindow(self, database, folder); });
    });
    menu->addSeparator();
    QObject::connect(menu->addAction(QStringLiteral("&Salir")), &QAction::triggered, window, &QWidget::close);
    return window;
}

}
