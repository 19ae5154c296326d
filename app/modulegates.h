#pragma once

#include "app/register/passwordcheck.h"
#include "app/register/taxpayers.h"
#include "common/modulekeys.h"

#include <QSqlDatabase>
#include <QString>

namespace ventrix::app {

enum class Module { Cp01, Sid3, Cp02, Arp, Pfp, Ib08, Tasas };

// What the main window does after a module button's checks.
struct GateOutcome
{
    bool open = false;
    QString moduleKey; // the window to open when open is true
    qint64 cp01Id = 0; // the taxpayer's newest CP01 handed to the module, 0 when none

    static GateOutcome stop() { return {}; }
    static GateOutcome openModule(QString key, qint64 cp01 = 0) { return { true, std::move(key), cp01 }; }
};

// The checks each module button runs before its window opens, in the authority's order: access
// password, the CP01 warning, a selected taxpayer, the current month's rate, the taxpayer's row,
// the agent numbers and a newest CP01 with CUIT and I.S.I.B. number. The first failing check shows
// its message and stops; a missing rate sends the user to the rates screen instead.
class ModuleGates
{
public:
    ModuleGates(QSqlDatabase db, PasswordPrompt prompt);

    GateOutcome run(Module module, qint64 cmdId);

private:
    bool rateOfCurrentMonth(Module module, GateOutcome* outcome);
    bool taxpayerSelected(qint64 cmdId);
    bool taxpayerRowExists(qint64 cmdId);
    std::optional<GateOutcome> agentSetUp(qint64 cmdId);
    std::optional<qint64> newestCp01WithIdentifiers(Module module, qint64 cmdId);

    QSqlDatabase m_db;
    TaxpayerRegister m_taxpayers;
    PasswordPrompt m_prompt;
};

QString moduleKeyOf(Module module);

}
