#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace ventrix {

// Keeps a second copy of the program from working on the same data folder. A lock left by a
// copy that ended without releasing it (a crash, a power cut) is taken over.
class InstanceLock
{
public:
    enum class Result { Acquired, HeldByAnother, Unwritable };

    explicit InstanceLock(QString path);
    ~InstanceLock();

    Result acquire();
    void release();
    bool isHeld() const;
    QString path() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

}
