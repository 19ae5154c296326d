#pragma once

#include <QString>
#include <QStringList>

namespace ventrix {

// Writes the scrambled delivery files handed to the authority: whole or not at all.
class DeliveryFile
{
public:
    // path: the file in "Archivos"; key: the form or declaration number that scrambles it.
    DeliveryFile(QString path, QString key);

    // Replaces the file with these lines, each scrambled and followed by CR LF.
    bool write(const QStringList& lines);
    // Adds one scrambled line after the lines already in the file (a new file when there is none).
    bool append(const QString& line);

    QString path() const { return m_path; }
    // The system's reason of the last failure.
    QString errorString() const { return m_error; }

private:
    bool save(const QByteArray& bytes);

    QString m_path;
    QString m_key;
    QString m_error;
};

}
