#pragma once

class QObject;

namespace ventrix {

// The help viewer, reached from every screen by F1 or its help button; the desktop program
// installs the real viewer, tests and the command-line tool leave the silent default.
class HelpService
{
public:
    virtual ~HelpService() = default;
    virtual void openContext(int contextId) = 0;
    virtual void openIndex() = 0;
    virtual void close() = 0;

    static HelpService& instance();
    static void install(HelpService* service);
};

void Ayuda_Contexto(int contextId);
void Ayuda_Indice();
void Ayuda_Cerrar();

}
