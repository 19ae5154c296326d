#pragma once

#include "common/help.h"

#include <QWidget>

class QTextBrowser;

namespace ventrix {

// The help window: the program's own Spanish pages, one per screen, opened at a context id.
class HelpViewer : public QWidget
{
    Q_OBJECT

public:
    explicit HelpViewer(QWidget* parent = nullptr);

    void showContext(int contextId);
    void showIndex();

    // The page shown for a context id; the contents page for an id without its own page.
    static QString pageFor(int contextId);
    QString currentPage() const;

private:
    void showPage(const QString& page);

    QTextBrowser* m_browser = nullptr;
};

// The dynamic property a window (or any widget) carries with its help context id; F1 opens
// the help at the nearest one from the focused widget up.
inline constexpr char HelpContextProperty[] = "helpContext";

// Creates the help window, installs it as the help service and makes F1 open it.
void Ayuda_Iniciar();

}
