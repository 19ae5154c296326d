#pragma once

#include "app/update/updatesettings.h"

namespace ventrix::data {
class BackupStore;
class Frm_Backup;
}

namespace ventrix::app {

// Gives the backup window its online update: the update flow over the given settings, with an
// automatic backup of the open database before the program's files are replaced. The store
// must outlive the window.
void installWebUpdate(data::Frm_Backup& window, const data::BackupStore& store,
    UpdateSettings settings = UpdateSettings::load());

}
