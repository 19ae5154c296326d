// The print buttons of the inscription form: the procedure's "&Imprimir" and the openings card's.
#include "common/print/printableform.h"
#include "common/printui/dialogoimpresora.h"
#include "common/printui/printpreview.h"
#include "common/ui/requiredfields.h"
#include "common/ui/timedstatusline.h"
#include "cp01/cp01pages.h"
#include "cp01/cp01printflow.h"
#include "cp01/ui/frm_cp01.h"
#include "data/datafolder.h"

#include <QPrinter>
#include <QTabWidget>

namespace ventrix::cp01 {
namespace {

const QString CancelCaption = QStringLiteral("Cancelar Impresion");

}

QString Frm_CP01::archivosFolder() const
{
    if (!m_archivos.isEmpty())
        return m_archivos;
    return data::DataFolder::ofDatabase(m_store.access().connection().databaseName()).archivosPath();
}

Cp01PrintFlow::Hooks Frm_CP01::printHooks(QPrinter& printer)
{
    Cp01PrintFlow::Hooks hooks;
    hooks.choosePrinter = [this, &printer] { return print::DialogoImpresora(printer, this); };
    hooks.preview = [this, &printer](print::PrintableForm& form) {
        print::PrintPreview preview(form, CancelCaption, &printer, this);
        preview.exec();
        if (preview.printed())
            return PreviewOutcome::Printed;
        return preview.pdfSaved() ? PreviewOutcome::SavedPdf : PreviewOutcome::Dropped;
    };
    hooks.status = [this](const QString& text, int ms) { statusLine()->showNotice(text, ms); };
    return hooks;
}

void Frm_CP01::Cmd_Imprimir_Click()
{
    if (m_form.isSaving())
        return;
    readRecord();
    const std::optional<QDate> presented = m_form.prepararImpresion();
    const bool modified = isModified();
    showRecord();
    setModified(modified && !presented);
    if (!presented)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Formulario CP01"));
    Cp01PrintFlow flow(archivosFolder(), printHooks(printer));
    const Cp01Record record = m_form.record();
    (void)flow.printPages([&record](const QString& receipt) { return procedurePages(record, receipt); });
}

void Frm_CP01::Cmd_ImpAperCom_Click()
{
    if (m_form.isSaving())
        return;
    readRecord();
    readOpenedPremises();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Formulario CP01"));
    Cp01PrintFlow flow(archivosFolder(), printHooks(printer));
    const bool modified = isModified();
    (void)flow.Imprimir_ApertComercio(m_form);
    m_key->setText(m_form.record().id() ? QString::number(m_form.record().id()) : QString());
    fillOpenedList();
    showOpenedPremises();
    setModified(modified);
}

bool Frm_CP01::openedCardComplete()
{
    m_switchingTab = true;
    const bool complete = RequiredFields::check(m_openingsCard);
    m_lastTab = m_tab1->currentIndex();
    m_switchingTab = false;
    return complete;
}

}
