#pragma once

class QWidget;

namespace ventrix {

class Database;
class DataFolder;

// Registers every module window the main window's buttons open.
void registerModuleWindows();

// The main window over the open database, with its "Archivo" menu for backups.
QWidget* createProgramMainWindow(Database& database, const DataFolder& folder);

}
