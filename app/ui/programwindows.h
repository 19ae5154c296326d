#pragma once

class QWidget;

namespace ventrix::data {
class Database;
class DataFolder;
}

namespace ventrix::app {


// Registers every module window the main window's buttons open.
void registerModuleWindows();

// The main window over the open database, with its "Archivo" menu for backups.
QWidget* createProgramMainWindow(data::Database& database, const data::DataFolder& folder);

}
