#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace ventrix::data {

// One writer at a time on a data folder: the program holds it for its whole session, and every
// command of the command-line tool that writes (init, rates add, restore) for its run. A lock
// left by a process that ended without releasing it (a crash, a power cut) is taken over.
class DataFolderLock
{
public:
    enum class Result { Acquired, HeldByAnother, Unwritable };

    explicit DataFolderLock(QString path);
    ~DataFolderLock();

    Result acquire();
    void release();
    bool isHeld() const;
    QString path() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

}
