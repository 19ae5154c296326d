#pragma once

#include "common/help.h"
#include "common/ui/helpkey.h"

#include <QWidget>

class QTextBrowser;

namespace ventrix::app {

// The help window: the program's own Spanish pages, one per screen, opened at a context id.
// Opened from a modal window it comes up modal over it, so it can be read, scrolled and closed
// (Escape closes it) while that window waits.
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

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void showPage(const QString& page);
    void showOverActiveWindow();

    QTextBrowser* m_browser = nullptr;
};

// Creates the help window, installs it as the help service and makes F1 open it.
void Ayuda_Iniciar();

}
