#pragma once

#include "common/ui/modulewindow.h"
#include "data/backupflow.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace ventrix::data {

// "Respaldo y Recuperación de datos": backup of the database to a removable volume, restore
// from it, and a copy into the "Archivos" folder.
class Frm_Backup : public ModuleWindow
{
    Q_OBJECT

public:
    Frm_Backup(BackupStore& store, BackupVolumes volumes, QWidget* parent = nullptr);

    // Replaces the file dialogs (tests answer them).
    void setChoosers(
        std::function<std::optional<QString>()> folder, std::function<std::optional<QString>()> archive);

    // True once a restore replaced the database while this window was open.
    bool restored() const { return m_restored; }

    // The online update, a piece of the program this window does not know; it plugs in here.
    struct WebUpdate
    {
        using Status = std::function<void(const QString&)>;
        using Connected = std::function<void(bool)>;
        // Runs the update, telling its progress and whether a download is under way.
        std::function<bool(const Status&, const Connected&)> run;
        // Breaks off the download under way.
        std::function<void()> disconnect;
    };
    // Shows the update button and its progress line.
    void setWebUpdate(WebUpdate update);
    bool isConnected() const { return m_connected; }

    // Leaving while a download is under way asks first; No keeps the window and the download.
    void done(int result) override;

private:
    void build();
    void run(bool (BackupFlow::*step)());
    void runWebUpdate();
    void setWorking(bool working);
    void showProgress(int whole, int file);
    void setStatus(const QString& text);
    std::optional<QString> chooseFolder();
    std::optional<QString> chooseArchive();

    BackupStore& m_store;
    BackupVolumes m_volumes;
    std::function<std::optional<QString>()> m_chooseFolder;
    std::function<std::optional<QString>()> m_chooseArchive;
    QPushButton* m_copy = nullptr;
    QPushButton* m_restore = nullptr;
    QPushButton* m_hardDisk = nullptr;
    QPushButton* m_exit = nullptr;
    QPushButton* m_web = nullptr;
    QLabel* m_webStatus = nullptr;
    WebUpdate m_webUpdate;
    bool m_connected = false;
    QProgressBar* m_whole = nullptr;
    QProgressBar* m_file = nullptr;
    QLabel* m_status = nullptr;
    bool m_restored = false;
};

}
