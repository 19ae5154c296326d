#include "app/instancelock.h"

namespace ventrix {

InstanceLock::InstanceLock(QString path) : m_path(std::move(path)) {}

InstanceLock::~InstanceLock()
{
    release();
}

InstanceLock::Result InstanceLock::acquire()
{
    if (isHeld())
        return Result::Acquired;
    m_lock = std::make_unique<QLockFile>(m_path);
    // Held for the whole session: only a lock whose process is gone counts as stale.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return Result::Acquired;
    const QLockFile::LockError error = m_lock->error();
    m_lock.reset();
    return error == QLockFile::LockFailedError ? Result::HeldByAnother : Result::Unwritable;
}

void InstanceLock::release()
{
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
}

bool InstanceLock::isHeld() const
{
    return m_lock && m_lock->isLocked();
}

}
