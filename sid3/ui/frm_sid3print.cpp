// The declaration's "&Imprimir": the print flow of the core with the printer choice, the preview
// and the copy of the delivery file filled in by the screen.
#include "common/deliverycopier.h"
#include "common/messages.h"
#include "common/printui/dialogoimpresora.h"
#include "common/printui/printpreview.h"
#include "common/ui/timedstatusline.h"
#include "data/datafolder.h"
#include "sid3/sid3messages.h"
#include "sid3/sid3printflow.h"
#include "sid3/ui/frm_sid3.h"

#include <QPrinter>

namespace ventrix::sid3 {
namespace {

const QString CancelCaption = QStringLiteral("Cancelar Impresion");

}

QString Frm_SID3::archivosFolder() const
{
    if (!m_archivos.isEmpty())
        return m_archivos;
    return data::DataFolder::ofDatabase(m_access.connection().databaseName()).archivosPath();
}

void Frm_SID3::Cmd_Imprimir_Click()
{
    if (m_busy)
        return;
    if (!m_form.declaration().hasPeriod()) {
        fail(msg::debeIngresarPeriodo());
        return;
    }
    const Declaration& shown = m_form.declaration();
    PrintRequest request;
    request.cmdId = m_cmdId;
    request.ratesIncompatible = m_form.ratesIncompatible();
    request.importeDepositado = shown.importePagado;
    request.fechaPago = shown.fechaPago;
    request.totalDepositar = shown.totalDepositar;

    QPrinter printer(QPrinter::HighResolution);
    const QString archivos = archivosFolder();
    Sid3PrintFlow::Hooks hooks;
    hooks.store = [this]() -> Result<qint64> {
        if (!m_form.Guardar())
            return Error { QString() };
        return m_form.declaration().id;
    };
    hooks.choosePrinter = [this, &printer] { return print::DialogoImpresora(printer, this); };
    hooks.preview = [this, &printer](Sid3PrintForm& form) {
        print::PrintPreview preview(form, CancelCaption, &printer, this);
        preview.setWindowTitle(QStringLiteral("Formulario CP03"));
        preview.exec();
        return preview.printed() || preview.pdfSaved();
    };
    hooks.copy = [archivos](const QString& name) { (void)DeliveryCopier(archivos).Copia_Diskette(name); };
    hooks.status = [this](const QString& text) {
        if (text.isEmpty())
            statusLine()->clearText();
        else
            statusLine()->showHover(text);
    };

    m_busy = true;
    Sid3PrintFlow flow(m_access, archivos, hooks);
    const bool printed = flow.Imprimir(request).ok();
    m_busy = false;
    if (printed) {
        BorrarTabla();
        Cargar_List_FormSid3();
    } else {
        // The declaration stays on screen, stored or not, for another try.
        showDeclaration();
    }
}

}
