#include "data/ui/frm_backup.h"

#include "common/helpids.h"
#include "common/messages.h"
#include "data/autobackup.h"
#include "data/backupmessages.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace ventrix::data {
namespace {

QPushButton* button(const QString& name, const QString& text, const QString& tip)
{
    auto* b = new QPushButton(text);
    b->setObjectName(name);
    b->setToolTip(tip);
    b->setMinimumHeight(34);
    return b;
}

QProgressBar* bar(const QString& name)
{
    auto* p = new QProgressBar;
    p->setObjectName(name);
    p->setRange(0, 100);
    p->setValue(0);
    return p;
}

struct AutomaticChoice
{
    enum Kind { Cancel, Backup, OtherFile } kind = Cancel;
    QString path;
};

// The automatic backups, newest first, to restore one of them or look for another archive.
AutomaticChoice chooseAutomaticBackup(const QList<AutomaticBackup>& backups, QWidget* parent)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("Frm_Respaldos"));
    dialog.setWindowTitle(msg::automaticBackupsTitle());
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("Lst_Respaldos"));
    for (const AutomaticBackup& backup : backups) {
        auto* item = new QListWidgetItem(backup.label(), list);
        item->setData(Qt::UserRole, backup.path);
    }
    list->setCurrentRow(0);
    auto* restore = button(QStringLiteral("Cmd_Recuperar"), QStringLiteral("&Recuperar"), {});
    auto* other = button(QStringLiteral("Cmd_OtroArchivo"), QStringLiteral("&Otro archivo..."), {});
    auto* cancel = button(QStringLiteral("Cmd_Cancelar"), QStringLiteral("&Cancelar"), {});
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : { restore, other, cancel })
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Respaldos automáticos (el más reciente primero):")));
    layout->addWidget(list);
    layout->addLayout(buttons);
    QObject::connect(restore, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    QObject::connect(other, &QPushButton::clicked, &dialog, [&dialog] { dialog.done(2); });
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    const int answer = dialog.exec();
    if (answer == 2)
        return { AutomaticChoice::OtherFile, {} };
    if (answer != QDialog::Accepted || !list->currentItem())
        return {};
    return { AutomaticChoice::Backup, list->currentItem()->data(Qt::UserRole).toString() };
}

}

Frm_Backup::Frm_Backup(BackupStore& store, BackupVolumes volumes, QWidget* parent)
    : ModuleWindow(QStringLiteral("Frm_Backup"), msg::windowTitle(), helpid::Backup, parent)
    , m_store(store)
    , m_volumes(std::move(volumes))
{
    m_chooseFolder = [this] { return chooseFolder(); };
    m_chooseArchive = [this] { return chooseArchive(); };
    build();
}

void Frm_Backup::build()
{
    m_copy = button(QStringLiteral("CopiarDiskette"), QStringLiteral("&Copiar en diskette"),
        QStringLiteral("Resguardar los datos en disquette"));
    m_restore = button(QStringLiteral("RecupDeDiskette"), QStringLiteral("&Recuperar de diskette"),
        QStringLiteral("Recuperar datos de disquette destruyendo la información residente en la PC"));
    m_hardDisk = button(QStringLiteral("Cmd_DiscoRigido"), QStringLiteral("Copiar en &Disco Rígido"),
        QStringLiteral("Copia el archivo Impuest.db en el disco rígido..."));
    m_exit = button(QStringLiteral("Command1"), QStringLiteral("&Salir"), {});
    m_web = button(QStringLiteral("Cmd_ActualizarWeb"), QStringLiteral("&Actualizar por Internet"),
        QStringLiteral("Descarga e instala la versión más reciente del programa desde el servidor WEB"));
    m_webStatus = new QLabel;
    m_webStatus->setObjectName(QStringLiteral("Lab_Web"));
    m_webStatus->setWordWrap(true);
    m_web->hide();
    m_webStatus->hide();
    m_whole = bar(QStringLiteral("Mayor"));
    m_file = bar(QStringLiteral("Menor"));
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("Lab_Estado"));
    m_status->setWordWrap(true);

    auto* files = new QLabel(QStringLiteral("Base de datos: ")
        + QDir::toNativeSeparators(m_store.folder().databasePath()) + QStringLiteral("\nArchivo de Backup: ")
        + msg::archiveName());
    files->setObjectName(QStringLiteral("OrigenInclude"));
    files->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* progress = new QGroupBox(QStringLiteral("Progreso"));
    auto* form = new QFormLayout(progress);
    form->addRow(QStringLiteral("Total:"), m_whole);
    form->addRow(QStringLiteral("Archivo:"), m_file);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(files);
    layout->addWidget(m_copy);
    layout->addWidget(m_restore);
    layout->addWidget(m_hardDisk);
    layout->addWidget(progress);
    layout->addWidget(m_status);
    layout->addWidget(m_web);
    layout->addWidget(m_webStatus);
    layout->addWidget(m_exit);
    setMinimumWidth(460);

    connect(m_copy, &QPushButton::clicked, this, [this] { run(&BackupFlow::CopiarDiskette); });
    connect(m_restore, &QPushButton::clicked, this, [this] { run(&BackupFlow::RecupDeDiskette); });
    connect(m_hardDisk, &QPushButton::clicked, this, [this] { run(&BackupFlow::Cmd_DiscoRigido); });
    connect(m_exit, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_web, &QPushButton::clicked, this, &Frm_Backup::runWebUpdate);
}

void Frm_Backup::setWebUpdate(WebUpdate update)
{
    m_webUpdate = std::move(update);
    m_web->setVisible(bool(m_webUpdate.run));
    m_webStatus->setVisible(bool(m_webUpdate.run));
}

void Frm_Backup::setWorking(bool working)
{
    for (QPushButton* b : { m_copy, m_restore, m_hardDisk, m_exit, m_web })
        b->setEnabled(!working);
}

void Frm_Backup::runWebUpdate()
{
    setWorking(true);
    m_webUpdate.run(
        // The download waits in an event loop of its own, which repaints the label; pumping
        // events from inside the network's signals would hold back the data still to come.
        [this](const QString& text) { m_webStatus->setText(text); },
        [this](bool connected) { m_connected = connected; });
    m_connected = false;
    setWorking(false);
}

void Frm_Backup::done(int result)
{
    if (m_connected) {
        if (!askYesNo(msg::disconnectQuestion(), MessageIcon::Question, true))
            return;
        if (m_webUpdate.disconnect)
            m_webUpdate.disconnect();
    }
    ModuleWindow::done(result);
}

void Frm_Backup::setChoosers(
    std::function<std::optional<QString>()> folder, std::function<std::optional<QString>()> archive)
{
    m_chooseFolder = std::move(folder);
    m_chooseArchive = std::move(archive);
}

void Frm_Backup::run(bool (BackupFlow::*step)())
{
    BackupFlow::Hooks hooks { m_chooseFolder, m_chooseArchive, [this](const QString& t) { setStatus(t); },
        [this](int whole, int file) { showProgress(whole, file); } };
    BackupFlow flow(m_store, m_volumes, std::move(hooks));
    // Each operation starts from empty bars, not from where the last one ended.
    showProgress(0, 0);
    setWorking(true);
    const bool changed = (flow.*step)();
    if (changed && step == &BackupFlow::RecupDeDiskette)
        m_restored = true;
    setWorking(false);
    setStatus({});
}

void Frm_Backup::showProgress(int whole, int file)
{
    if (whole >= 0)
        m_whole->setValue(whole);
    if (file >= 0)
        m_file->setValue(file);
    // Long copies keep the window painted.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Frm_Backup::setStatus(const QString& text)
{
    m_status->setText(text);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

std::optional<QString> Frm_Backup::chooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Carpeta donde guardar el Backup"), QDir::homePath());
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

std::optional<QString> Frm_Backup::chooseArchive()
{
    const QList<AutomaticBackup> automatic = automaticBackups(m_store.folder());
    if (!automatic.isEmpty()) {
        const AutomaticChoice picked = chooseAutomaticBackup(automatic, this);
        if (picked.kind == AutomaticChoice::Cancel)
            return std::nullopt;
        if (picked.kind == AutomaticChoice::Backup)
            return picked.path;
    }
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Archivo de Backup a recuperar"),
        QDir::homePath(), QStringLiteral("Backup (Impuest.zip *.zip)"));
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

}
