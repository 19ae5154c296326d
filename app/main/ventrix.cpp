#include "common/appinfo.h"
#include "common/ui/dialogmessageservice.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(ventrix::productName());
    ventrix::DialogMessageService messages;
    ventrix::MessageService::install(&messages);
    QMainWindow window;
    window.setWindowTitle(ventrix::mainCaption());
    window.resize(900, 600);
    window.show();
    return QApplication::exec();
}
