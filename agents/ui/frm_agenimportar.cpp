#include "agents/ui/frm_agenimportar.h"

#include "agents/importmessages.h"
#include "common/help.h"
#include "common/helpids.h"
#include "common/messages.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace ventrix::agents {
namespace {

QPushButton* button(QWidget* parent, const QString& text, const QString& name)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLabel* label(QWidget* parent, const QString& text, const QString& name)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

}

Frm_AgenImportar::Frm_AgenImportar(QSqlDatabase db, const RegisterKind& kind, qint64 cp01Id, QWidget* parent)
    : QDialog(parent)
    , m_db(std::move(db))
    , m_kind(kind)
    , m_cp01Id(cp01Id)
    , m_backupBefore([db = m_db] { return backUpBeforeImport(db); })
{
    setObjectName(QStringLiteral("Frm_AgenImportar"));
    setWindowTitle(msg::importarCaption(kind.which == AgentRegister::Retenciones));
    auto* layout = new QVBoxLayout(this);
    auto* source = new QHBoxLayout;
    source->addWidget(label(this, QStringLiteral("Fuente de Datos: "), QStringLiteral("Lab_Fuente")));
    m_origen = label(this, QStringLiteral("Orígen: "), QStringLiteral("Lab_Origen"));
    source->addWidget(m_origen, 1);
    layout->addLayout(source);
    m_muestra = label(this, QString(), QStringLiteral("Lab_Muestra"));
    layout->addWidget(m_muestra);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("TDBGridMuestra"));
    m_grid->setModel(&m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    layout->addWidget(m_grid, 1);
    auto* status = new QHBoxLayout;
    m_registros = label(this, QStringLiteral("Registros: "), QStringLiteral("Lab_Registros"));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, 1000);
    m_progress->setValue(0);
    m_tiempoRest = label(this, QString(), QStringLiteral("TiempoRest"));
    m_tiempoRest->setMinimumWidth(70);
    status->addWidget(m_registros);
    status->addWidget(m_progress, 1);
    status->addWidget(m_tiempoRest);
    layout->addLayout(status);
    m_cancel = new QCheckBox(QStringLiteral("Cancelar Importación de datos"), this);
    m_cancel->setObjectName(QStringLiteral("CancelImport"));
    layout->addWidget(m_cancel);
    auto* buttons = new QHBoxLayout;
    m_ingresar = button(this, QStringLiteral("&Ingresar Datos"), QStringLiteral("Com_IngresarDatos"));
    m_informacion = button(this, QStringLiteral("&Información"), QStringLiteral("Command1"));
    auto* ayuda = button(this, QStringLiteral("&Ayuda"), QStringLiteral("ComHelpProceso"));
    m_cerrar = button(this, QStringLiteral("&Cerrar"), QStringLiteral("Command2"));
    for (QPushButton* b : { m_ingresar, m_informacion, ayuda, m_cerrar })
        buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(m_ingresar, &QPushButton::clicked, this, &Frm_AgenImportar::Com_IngresarDatos_Click);
    connect(m_informacion, &QPushButton::clicked, this, &Frm_AgenImportar::Command1_Click);
    connect(ayuda, &QPushButton::clicked, this, [] { Ayuda_Contexto(helpid::Agentes); });
    connect(m_cerrar, &QPushButton::clicked, this, &Frm_AgenImportar::reject);
    m_ingresar->setEnabled(false);
    m_informacion->setEnabled(false);
    resize(900, 520);
    if (auto format = ImportFormat::read(m_db, kind))
        m_format = std::move(*format);
}

namespace {

Frm_AgenImportar::FileChooser& fileChooser()
{
    static Frm_AgenImportar::FileChooser chooser;
    return chooser;
}

}

void Frm_AgenImportar::setFileChooser(FileChooser chooser)
{
    fileChooser() = std::move(chooser);
}

bool Frm_AgenImportar::chooseFile()
{
    const QString path = fileChooser()
        ? fileChooser()(this)
        : QFileDialog::getOpenFileName(this, windowTitle(), QString(),
            QStringLiteral("Archivos de texto (*.txt *.csv *.tab);;Todos los archivos (*)"));
    return !path.isEmpty() && Cargar(path);
}

bool Frm_AgenImportar::Cargar(const QString& path)
{
    if (!m_format) {
        fail(msg::errorAccesoBaseDatos());
        return false;
    }
    const auto preview = readPreview(path, *m_format);
    if (!preview) {
        fail(preview.error());
        return false;
    }
    m_path = path;
    m_origen->setText(QStringLiteral("Orígen: ") + QDir::toNativeSeparators(path));
    m_muestra->setText(msg::primerosRegistros(preview->rows.size())
        + msg::archivoActualizado(preview->modified.date().toString(QStringLiteral("dd/MM/yyyy"))));
    m_model.setPreview(*preview);
    m_grid->resizeColumnsToContents();
    m_ingresar->setEnabled(true);
    m_informacion->setEnabled(true);
    return true;
}

void Frm_AgenImportar::Command1_Click()
{
    const auto facts = readFileFacts(m_path);
    if (!facts) {
        fail(facts.error());
        return;
    }
    inform(msg::informacion(facts->records, facts->averageLength, facts->size));
}

void Frm_AgenImportar::setImporting(bool on)
{
    m_importing = on;
    m_ingresar->setEnabled(!on);
    m_informacion->setEnabled(!on);
    m_cerrar->setEnabled(!on);
    if (on)
        m_cancel->setChecked(false);
}

void Frm_AgenImportar::showProgress(const ImportProgress& p)
{
    m_progress->setValue(p.bytesTotal > 0 ? static_cast<int>(p.bytesRead * 1000 / p.bytesTotal) : 1000);
    m_registros->setText(QStringLiteral("Registros: ") + QString::number(p.recordsRead));
    m_tiempoRest->setText(msg::segundosRestantes(remainingSeconds(p)));
    // The import runs on the window's own thread: letting pending events run keeps the window
    // painted and the cancel box answering.
    QCoreApplication::processEvents();
}

RejectAnswer Frm_AgenImportar::askToContinue(qint64 line, const QStringList& reasons)
{
    const Message question { msg::registroNoValido(line, reasons), QString(), MessageIcon::Question,
        MessageButtons::YesToAllNo, Answer::Yes, 0 };
    switch (MessageService::instance().show(question)) {
    case Answer::YesToAll:
        return RejectAnswer::ContinueAll;
    case Answer::Yes:
        return RejectAnswer::Continue;
    default:
        return RejectAnswer::Stop;
    }
}

void Frm_AgenImportar::Com_IngresarDatos_Click()
{
    if (m_importing || m_path.isEmpty())
        return;
    ImportHooks hooks;
    hooks.backupBefore = m_backupBefore;
    hooks.rejected = [this](qint64 line, const QStringList& reasons) { return askToContinue(line, reasons); };
    hooks.progress = [this](const ImportProgress& p) { showProgress(p); };
    hooks.cancelled = [this] { return m_cancel->isChecked(); };
    ImportRun run(m_db, m_kind, m_cp01Id, hooks);
    setImporting(true);
    const auto summary = run.run(m_path);
    if (!summary)
        fail(summary.error());
    else
        finish(run, *summary);
    setImporting(false);
}

void Frm_AgenImportar::finish(ImportRun& run, const ImportSummary& summary)
{
    if (summary.outcome == ImportSummary::Outcome::Cancelled) {
        inform(msg::lecturaCancelada());
        return;
    }
    if (summary.outcome == ImportSummary::Outcome::Stopped) {
        inform(msg::transferenciaCancelada());
        return;
    }
    if (summary.rejected > 0)
        warn(msg::rechazados(summary.rejected, summary.read), msg::erroresDetectados());
    else
        inform(msg::lecturaFinalizada());
    if (summary.accepted == 0) {
        run.rollback();
        return;
    }
    if (!askYesNo(msg::confirmarIncorporar(summary.accepted), MessageIcon::Question, false, 0,
            msg::confirmarTitulo())) {
        run.rollback();
        inform(msg::transferenciaCancelada());
        return;
    }
    if (const Status committed = run.commit(); !committed) {
        fail(committed.error());
        return;
    }
    inform(msg::datosIncorporados());
}

void Frm_AgenImportar::reject()
{
    // While importing, closing the window asks the import to stop (and undo) first.
    if (m_importing) {
        m_cancel->setChecked(true);
        return;
    }
    QDialog::reject();
}

}
