#pragma once

#include "agents/arpdeclarationpages.h"

#include <functional>

namespace ventrix::agents {

// Prints a declaration already stored (its marks written): reads its deposits, totals and register
// rows, lays out its pages, sends them out and only then writes the delivery file "IB16_"/"AP02_" +
// number + ".txt" and offers its copy. The screen and the command line fill the hooks.
class ArpDeclarationPrintFlow
{
public:
    struct Hooks
    {
        // The printer choice (DialogoImpresora); false: cancelled, nothing printed, no file. Empty
        // when the printer was chosen before the marks were written, or there is none.
        std::function<bool()> choosePrinter;
        // Shows or sends the pages; true when they were printed or saved as PDF.
        std::function<bool(ArpDeclarationPages& pages)> output;
        // Offers the finished file of the folder to a removable volume (Copia_Diskette).
        std::function<void(const QString& fileName)> copy;
        // The message line ("Generando Disquette...").
        std::function<void(const QString&)> status;
    };

    // archivos: the folder the delivery files are written to.
    ArpDeclarationPrintFlow(data::AccesoDatos& db, QString archivos, Hooks hooks);

    // The print of the taxpayer's declaration; the path of the delivery file written, or why nothing
    // was delivered (an empty error when the user cancelled or the pages did not go out).
    Result<QString> Imprimir(qint64 cmdId, const MonthlyDeclaration& declaration);

private:
    void setStatus(const QString& text) const;

    data::AccesoDatos& m_db;
    QString m_archivos;
    Hooks m_hooks;
};

}
