#pragma once

#include "agents/importformat.h"
#include "agents/importpreview.h"
#include "agents/importrun.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;

namespace ventrix::agents {

// "Importar Datos": previews a file of the agent's withholdings or perceptions, checks every
// record and inserts the good ones in one transaction that the user confirms at the end.
class Frm_AgenImportar : public QDialog
{
    Q_OBJECT

public:
    Frm_AgenImportar(QSqlDatabase db, const RegisterKind& kind, qint64 cp01Id, QWidget* parent = nullptr);

    // The automatic backup taken before the import's transaction begins.
    void setBackupBefore(std::function<Status()> backup) { m_backupBefore = std::move(backup); }

    // The system's file dialog; false when no file was chosen.
    bool chooseFile();
    // Replaces the system's file dialog (tests); nullptr restores it.
    using FileChooser = std::function<QString(QWidget* parent)>;
    static void setFileChooser(FileChooser chooser);
    // Shows the file and its first records; false (the reason told) when it cannot be read.
    bool Cargar(const QString& path);

    void Com_IngresarDatos_Click();
    void Command1_Click();
    bool importing() const { return m_importing; }
    const ImportPreviewModel& preview() const { return m_model; }

protected:
    void reject() override;

private:
    void showProgress(const ImportProgress& progress);
    RejectAnswer askToContinue(qint64 line, const QStringList& reasons);
    void finish(ImportRun& run, const ImportSummary& summary);
    void setImporting(bool on);

    QSqlDatabase m_db;
    const RegisterKind& m_kind;
    qint64 m_cp01Id;
    std::optional<ImportFormat> m_format;
    std::function<Status()> m_backupBefore;
    QString m_path;
    bool m_importing = false;
    ImportPreviewModel m_model;
    QLabel* m_origen = nullptr;
    QLabel* m_muestra = nullptr;
    QLabel* m_registros = nullptr;
    QLabel* m_tiempoRest = nullptr;
    QTableView* m_grid = nullptr;
    QProgressBar* m_progress = nullptr;
    QCheckBox* m_cancel = nullptr;
    QPushButton* m_ingresar = nullptr;
    QPushButton* m_informacion = nullptr;
    QPushButton* m_cerrar = nullptr;
};

}
