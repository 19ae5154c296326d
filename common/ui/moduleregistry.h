#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QString>

#include <functional>

class QWidget;

namespace ventrix {

// What a module window receives when the main window opens it.
struct ModuleLaunch
{
    QSqlDatabase db;
    qint64 cmdId = 0; // the selected taxpayer
    qint64 cp01Id = 0; // its newest CP01, 0 when the module was opened without one
};

// The module windows the main window can open, by module key (common/modulekeys.h). Each module
// library registers its windows; the main window tells the user when a module is not there yet.
class ModuleRegistry
{
public:
    // Builds the module's window; nullptr when the module decides not to open (it has already
    // told the user why).
    using Factory = std::function<QWidget*(const ModuleLaunch& launch, QWidget* parent)>;

    static ModuleRegistry& instance();

    void add(const QString& key, Factory factory);
    void remove(const QString& key);
    bool contains(const QString& key) const;

    // Shows the module's window modally and returns when it is closed; false when nothing opened.
    bool runModal(const QString& key, const ModuleLaunch& launch, QWidget* parent) const;

private:
    QHash<QString, Factory> m_factories;
};

}
