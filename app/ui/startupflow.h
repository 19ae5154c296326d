#pragma once

#include "app/startup.h"
#include "data/backupstore.h"
#include "data/database.h"
#include "data/datafolderlock.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class QApplication;
class QWidget;

namespace ventrix::data {
class Frm_Backup;
}

namespace ventrix::app {

class Inicia;

// The places where other parts of the program plug into the start-up.
struct StartupHooks
{
    // Builds the main window over the open database. Until the register lands, the default
    // is an empty main window with the program's caption.
    std::function<QWidget*(data::Database&, const data::DataFolder&)> createMainWindow;
    // Shows the print-screen watcher before the splash; nothing by default.
    std::function<void()> installPrintScreenWatcher;
};

// Runs the start-up on screen: the entry steps, the splash with its checks, the wait for the
// user and the window it hands over to (the main window, or the backup window when the
// database is missing or cannot be used).
class StartupFlow : public QObject
{
    Q_OBJECT

public:
    StartupFlow(StartupContext context, StartupHooks hooks, QObject* parent = nullptr);
    ~StartupFlow() override;

    // The entry steps; false when the program must end at once.
    bool start(const Startup::Launcher& launch);

    data::Database& database() { return m_database; }
    // The automatic backup taken as the program ends, when a database is open; a failure is told.
    void backUpOnLeaving();
    Inicia* splash() const { return m_splash.get(); }
    QWidget* chosenWindow() const { return m_chosen; }
    StartupWindow outcome() const { return m_outcome; }

signals:
    // The chosen window is on screen (or the program is ending, with StartupWindow::None).
    void handedOver(ventrix::app::StartupWindow window);

private:
    void activate();
    void handOver();

    StartupContext m_context;
    StartupHooks m_hooks;
    data::DataFolderLock m_lock;
    Startup m_startup;
    data::Database m_database;
    data::BackupStore m_store;
    std::unique_ptr<Inicia> m_splash;
    QPointer<QWidget> m_chosen;
    StartupWindow m_outcome = StartupWindow::None;
};

// The empty main window shown until the register is wired in.
QWidget* plainMainWindow(data::Database& database, const data::DataFolder& folder);

// Loads Qt's own Spanish texts so standard buttons and dialogs speak Spanish.
void loadSpanishTranslations(QApplication& app);

}
