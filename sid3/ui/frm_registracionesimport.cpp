// The import panel of the register screen: the file's preview, its figures and the load with
// its progress.
#include "common/messages.h"
#include "sid3/sid3messages.h"
#include "sid3/ui/frm_registraciones.h"
#include "sid3/ui/importpreviewmodel.h"
#include "sid3/ui/sid3uimessages.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace ventrix::sid3 {
namespace {

// How often the load lets the screen repaint and the remaining time change.
constexpr qint64 RepaintMs = 50;
constexpr qint64 RemainingMs = 1000;

}

QWidget* Frm_Registraciones::buildImportPanel()
{
    m_import = new QGroupBox(QStringLiteral("Importar datos"), this);
    m_import->setObjectName(QStringLiteral("vsImport"));
    auto* layout = new QVBoxLayout(m_import);
    m_fuente = new QLabel(m_import);
    m_fuente->setObjectName(QStringLiteral("Lab_FuenteDatos"));
    m_muestraCount = new QLabel(m_import);
    m_muestraCount->setObjectName(QStringLiteral("Lab_Muestra"));
    auto* muestra = new QTableView(m_import);
    muestra->setObjectName(QStringLiteral("TDBGridMuestra"));
    m_preview = new ImportPreviewModel(this);
    muestra->setModel(m_preview);
    muestra->setEditTriggers(QAbstractItemView::NoEditTriggers);
    muestra->horizontalHeader()->setSectionResizeMode(ImportPreviewModel::Concepto, QHeaderView::Stretch);
    m_ingresar = new QPushButton(QStringLiteral("I&ngresar datos"), m_import);
    m_ingresar->setObjectName(QStringLiteral("Com_IngresarDatos"));
    m_cifras = new QPushButton(QStringLiteral("&Datos del archivo"), m_import);
    m_cifras->setObjectName(QStringLiteral("Command1"));
    m_cerrar = new QPushButton(QStringLiteral("&Cerrar"), m_import);
    m_cerrar->setObjectName(QStringLiteral("Command2"));
    m_cancel = new QCheckBox(QStringLiteral("Cancelar la importación"), m_import);
    m_cancel->setObjectName(QStringLiteral("CancelImport"));
    m_cancel->hide();
    m_progress = new QProgressBar(m_import);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_tiempo = new QLabel(m_import);
    m_tiempo->setObjectName(QStringLiteral("TiempoRest"));
    layout->addWidget(m_fuente);
    layout->addWidget(m_muestraCount);
    layout->addWidget(muestra, 1);
    auto* progress = new QHBoxLayout;
    progress->addWidget(m_progress, 1);
    progress->addWidget(m_tiempo);
    progress->addWidget(m_cancel);
    layout->addLayout(progress);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : { m_ingresar, m_cifras, m_cerrar })
        buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(m_ingresar, &QPushButton::clicked, this, &Frm_Registraciones::Ingresar_Registros);
    connect(m_cifras, &QPushButton::clicked, this, &Frm_Registraciones::Command1_Click);
    connect(m_cerrar, &QPushButton::clicked, this, &Frm_Registraciones::Command2_Click);
    return m_import;
}

void Frm_Registraciones::Importar_Registros()
{
    const QString path = m_chooseFile ? m_chooseFile()
                                      : QFileDialog::getOpenFileName(this, QStringLiteral("Importar datos"),
                                          QString(), QStringLiteral("Archivos de texto (*.txt);;Todos (*)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(msg::archivoIlegible(path));
        return;
    }
    m_filePath = path;
    m_fileBytes = file.readAll();
    const ImportFile parsed = parseImportFile(m_fileBytes);
    m_preview->setRecords(parsed.records);
    m_fuente->setText(msg::origen(path));
    m_muestraCount->setText(msg::muestra(m_preview->rowCount(), parsed.lineCount() >= PreviewRows));
    m_progress->setValue(0);
    m_tiempo->clear();
    enableButtons(false);
    m_import->show();
}

void Frm_Registraciones::Command1_Click()
{
    const ImportFigures f = importFigures(m_fileBytes);
    inform(msg::cifrasArchivo(f.count, f.averageLength, f.size));
}

void Frm_Registraciones::Command2_Click()
{
    m_import->hide();
    m_preview->clear();
    m_fileBytes.clear();
    enableButtons(true);
    VerTabla();
}

void Frm_Registraciones::Ingresar_Registros()
{
    const ImportFile parsed = parseImportFile(m_fileBytes);
    for (QPushButton* b : { m_ingresar, m_cifras, m_cerrar })
        b->setEnabled(false);
    m_cancel->setChecked(false);
    m_cancel->show();
    m_progress->setRange(0, std::max(1, parsed.lineCount()));
    m_progress->setValue(0);
    m_clock.start();
    m_lastShown = -RemainingMs;
    m_lastRepaint = 0;
    m_form.Ingresar_Registros(parsed);
    m_progress->setValue(m_progress->maximum());
    m_cancel->hide();
    for (QPushButton* b : { m_ingresar, m_cifras, m_cerrar })
        b->setEnabled(true);
    VerTabla();
}

bool Frm_Registraciones::importProgress(int done, int total)
{
    const qint64 elapsed = m_clock.elapsed();
    if (elapsed - m_lastShown >= RemainingMs) {
        m_tiempo->setText(remainingTime(elapsed, done, total));
        m_lastShown = elapsed;
    }
    if (done == 0 || elapsed - m_lastRepaint >= RepaintMs) {
        m_lastRepaint = elapsed;
        m_progress->setValue(done);
        QCoreApplication::processEvents();
    }
    return m_cancel->isChecked();
}

}
