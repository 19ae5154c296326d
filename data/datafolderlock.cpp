#include "data/datafolderlock.h"

#include <QSysInfo>

#include <cerrno>
#include <csignal>

namespace ventrix::data {
namespace {

// The lock was left by a process of this machine that no longer runs.
bool leftByEndedProcess(const QLockFile& lock)
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (!lock.getLockInfo(&pid, &host, &application))
        return false;
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        return false;
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

}

DataFolderLock::DataFolderLock(QString path)
    : m_path(std::move(path))
{
}

DataFolderLock::~DataFolderLock()
{
    release();
}

DataFolderLock::Result DataFolderLock::acquire()
{
    if (isHeld())
        return Result::Acquired;
    m_lock = std::make_unique<QLockFile>(m_path);
    // Held for the whole session, so age says nothing: only a lock whose process is gone is stale.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return Result::Acquired;
    if (m_lock->error() == QLockFile::LockFailedError && leftByEndedProcess(*m_lock)
        && m_lock->removeStaleLockFile() && m_lock->tryLock(0))
        return Result::Acquired;
    const QLockFile::LockError error = m_lock->error();
    m_lock.reset();
    return error == QLockFile::LockFailedError ? Result::HeldByAnother : Result::Unwritable;
}

void DataFolderLock::release()
{
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
}

bool DataFolderLock::isHeld() const
{
    return m_lock && m_lock->isLocked();
}

}
