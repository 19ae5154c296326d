#pragma once

#include <QImage>
#include <QWidget>

class QApplication;
class QLabel;
class QPrinter;

namespace ventrix::print {

// The print-screen watcher: the Print key in any window of the program captures the active window,
// offers to print it on one A4 page and always leaves it on the clipboard. Its own window (capture
// buttons and the picture) exists but stays hidden unless shown on purpose.
class Frm_PrintScreen : public QWidget
{
    Q_OBJECT

public:
    explicit Frm_PrintScreen(QWidget* parent = nullptr);

    QImage picture() const { return m_picture; }

    // The printer choice every print of the program goes through (see print::DialogoImpresora).
    static bool DialogoImpresora(QPrinter& printer, QWidget* parent = nullptr);

    // Captures the active window of the program, asks whether to print it and puts it on the clipboard.
    void capturePrintScreen();
    // Prints the current picture on one A4 page through the printer dialog; false when nothing printed.
    bool printPicture();
    void setPicture(const QImage& image);

    void captureScreen();
    void captureForm();
    void captureClient();
    void captureActiveLater();
    void clearPicture();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_view;
    QImage m_picture;
};

// Installs the watcher for the whole program (called once at start-up); the window stays hidden.
Frm_PrintScreen* installPrintScreenWatcher(QApplication& app);

}
