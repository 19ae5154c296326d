#include "common/ui/moduleregistry.h"

#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace ventrix {
namespace {

// Ends a local event loop when the watched window is hidden or closed.
class HideWatcher : public QObject
{
public:
    explicit HideWatcher(QEventLoop* loop)
        : m_loop(loop)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide || event->type() == QEvent::Close)
            m_loop->quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop* m_loop;
};

}

ModuleRegistry& ModuleRegistry::instance()
{
    static ModuleRegistry registry;
    return registry;
}

void ModuleRegistry::add(const QString& key, Factory factory)
{
    m_factories.insert(key, std::move(factory));
}

void ModuleRegistry::remove(const QString& key)
{
    m_factories.remove(key);
}

bool ModuleRegistry::contains(const QString& key) const
{
    return m_factories.contains(key);
}

bool ModuleRegistry::runModal(const QString& key, const ModuleLaunch& launch, QWidget* parent) const
{
    const auto it = m_factories.constFind(key);
    if (it == m_factories.constEnd())
        return false;
    QPointer<QWidget> window = (*it)(launch, parent);
    if (!window)
        return false;
    if (auto* dialog = qobject_cast<QDialog*>(window.data())) {
        dialog->exec();
    } else {
        window->setWindowFlag(Qt::Window);
        window->setWindowModality(Qt::ApplicationModal);
        QEventLoop loop;
        HideWatcher watcher(&loop);
        window->installEventFilter(&watcher);
        QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
        window->show();
        loop.exec();
        if (window)
            window->removeEventFilter(&watcher);
    }
    delete window.data();
    return true;
}

}
