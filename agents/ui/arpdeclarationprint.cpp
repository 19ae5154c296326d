#include "agents/ui/arpdeclarationprint.h"

#include "agents/arpdeclarationprintflow.h"
#include "agents/ui/agentsuimessages.h"
#include "common/deliverycopier.h"
#include "common/messages.h"
#include "common/printui/dialogoimpresora.h"
#include "common/printui/printpreview.h"
#include "data/datafolder.h"

#include <QPrinter>

namespace ventrix::agents {

bool printArpDeclaration(
    QWidget* parent, const ModuleLaunch& launch, const MonthlyDeclaration& declaration, QPrinter* printer)
{
    QPrinter own(QPrinter::HighResolution);
    QPrinter* chosen = printer ? printer : &own;
    const QString archivos = data::DataFolder::ofDatabase(launch.db.databaseName()).archivosPath();
    data::AccesoDatos access(launch.db);
    ArpDeclarationPrintFlow::Hooks hooks;
    if (!printer)
        hooks.choosePrinter = [parent, chosen] { return print::DialogoImpresora(*chosen, parent); };
    hooks.output = [parent, chosen](ArpDeclarationPages& pages) {
        chosen->setDocName(pages.documentName());
        print::PrintPreview preview(pages, msg::cancelarImpresion(), chosen, parent);
        preview.setWindowTitle(pages.documentName());
        preview.exec();
        return preview.printed() || preview.pdfSaved();
    };
    hooks.copy = [archivos](const QString& name) { (void)DeliveryCopier(archivos).Copia_Diskette(name); };
    ArpDeclarationPrintFlow flow(access, archivos, hooks);
    const auto written = flow.Imprimir(launch.cmdId, declaration);
    if (!written && !written.error().isEmpty())
        fail(written.error());
    return written.ok();
}

}
