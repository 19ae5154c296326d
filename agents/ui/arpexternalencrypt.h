#pragma once

#include "agents/registerkind.h"
#include "common/ui/moduleregistry.h"

#include <functional>

class QWidget;

namespace ventrix::agents {

// "&Encriptar IB16 Externo" / "&Encriptar AP02 Externo": the user picks a plain declaration file
// made by an earlier version, confirms its declaration number (proposed from the file), and it is
// written scrambled into "Archivos" as the declaration's delivery file.
void encryptDeclarationExternally(QWidget* parent, const ModuleLaunch& launch, AgentRegister which);

// Replaces the file dialog (tests): gets the dialog title, answers the path ("" cancels).
void setExternalFileChooser(std::function<QString(QWidget* parent, const QString& title)> chooser);

}
