#include "app/ui/webupdate.h"

#include "app/update/updateflow.h"
#include "data/autobackup.h"
#include "data/backupstore.h"
#include "data/ui/frm_backup.h"

#include <memory>

namespace ventrix::app {

void installWebUpdate(data::Frm_Backup& window, const data::BackupStore& store, UpdateSettings settings)
{
    // The flow under way, so that leaving the window can break off its download.
    auto current = std::make_shared<UpdateFlow*>(nullptr);
    data::Frm_Backup::WebUpdate update;
    update.run
        = [settings = std::move(settings), &store, current](const data::Frm_Backup::WebUpdate::Status& status,
              const data::Frm_Backup::WebUpdate::Connected& connected) {
              UpdateFlow::Hooks hooks;
              hooks.status = status;
              hooks.connected = connected;
              // Started from the start-up without a usable database, there is nothing to copy.
              hooks.backup = [&store]() -> Status {
                  if (!store.databaseOpen())
                      return {};
                  return data::takeAutomaticBackup(*store.database(), data::backupreason::update());
              };
              UpdateFlow flow(settings, hooks);
              *current = &flow;
              const bool updated = flow.Cmd_ActualizarWeb();
              *current = nullptr;
              return updated;
          };
    update.disconnect = [current] {
        if (*current)
            (*current)->Desconectar();
    };
    window.setWebUpdate(std::move(update));
}

}
