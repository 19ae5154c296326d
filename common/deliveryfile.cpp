#include "common/deliveryfile.h"

#include "common/cp1252.h"
#include "common/scrambler.h"

#include <QFile>
#include <QSaveFile>

namespace ventrix {

DeliveryFile::DeliveryFile(QString path, QString key)
    : m_path(std::move(path))
    , m_key(std::move(key))
{
}

bool DeliveryFile::write(const QStringList& lines)
{
    return save(scrambleTextLines(lines, toCp1252(m_key)));
}

bool DeliveryFile::append(const QString& line)
{
    QByteArray existing;
    QFile current(m_path);
    if (current.exists()) {
        if (!current.open(QIODevice::ReadOnly)) {
            m_error = current.errorString();
            return false;
        }
        existing = current.readAll();
    }
    return save(existing + scrambleLines({ toCp1252(line) }, toCp1252(m_key)));
}

bool DeliveryFile::save(const QByteArray& bytes)
{
    QSaveFile file(m_path);
    // The taxpayer's data are the user's alone, whatever the umask; a narrower mode of the file
    // being replaced is kept.
    constexpr auto OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (!file.open(QIODevice::WriteOnly)
        || !file.setPermissions(QFile::exists(m_path) ? QFile::permissions(m_path) & OwnerOnly : OwnerOnly)
        || file.write(bytes) != bytes.size() || !file.commit()) {
        m_error = file.errorString();
        return false;
    }
    m_error.clear();
    return true;
}

}
