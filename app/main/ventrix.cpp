#include "app/ui/programwindows.h"
#include "app/ui/startupflow.h"
#include "common/appinfo.h"
#include "common/help.h"
#include "common/printui/frm_printscreen.h"
#include "common/ui/dialogmessageservice.h"

#include <QApplication>
#include <QProcess>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(ventrix::productName());
    ventrix::app::loadSpanishTranslations(app);
    ventrix::DialogMessageService messages;
    messages.setHelpHandler([](int context) { ventrix::Ayuda_Contexto(context); });
    ventrix::MessageService::install(&messages);

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    QStringList rest = arguments;
    const ventrix::data::DataFolder folder = ventrix::data::DataFolder::resolve(rest);

    ventrix::app::registerModuleWindows();
    ventrix::app::StartupHooks hooks;
    hooks.createMainWindow = ventrix::app::createProgramMainWindow;
    hooks.installPrintScreenWatcher = [&app] { ventrix::print::installPrintScreenWatcher(app); };

    ventrix::app::StartupFlow flow({ QApplication::applicationFilePath(), arguments, folder }, hooks);
    const bool running = flow.start([](const QString& program, const QStringList& args) {
        return QProcess::startDetached(program, args);
    });
    if (!running)
        return 0;
    const int code = QApplication::exec();
    flow.backUpOnLeaving();
    ventrix::Ayuda_Cerrar();
    ventrix::MessageService::install(nullptr);
    return code;
}
