#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace ventrix {

// Offers a finished delivery file of "Archivos" to the removable volumes one after the other,
// copies it to the first one the user accepts and checks the copy; every step is told through
// the message service.
class DeliveryCopier
{
public:
    enum class Outcome { Copied, Failed, NotCopied };
    using RootsProvider = std::function<QStringList()>;
    using Progress = std::function<void(qint64 copied, qint64 total)>;

    // archivosFolder: where the delivery files are written.
    explicit DeliveryCopier(QString archivosFolder);

    // The volumes probed, asked for after the user has been told to insert the medium;
    // by default the removable volumes mounted for the user.
    void setRootsProvider(RootsProvider provider) { m_roots = std::move(provider); }
    void setRoots(const QStringList& roots);
    // Called after every block written to the volume.
    void setProgress(Progress progress) { m_progress = std::move(progress); }

    // Copies "Archivos"/name to a volume with the user's consent.
    Outcome Copia_Diskette(const QString& name);

    // Copies source into folder as name through a temporary file, checks the copy byte for
    // byte and only then gives it its name; on failure nothing is left in folder.
    static bool copyVerified(const QString& source, const QString& folder, const QString& name,
        const Progress& progress, QString* error);

private:
    QString m_archivos;
    RootsProvider m_roots;
    Progress m_progress;
};

}
