#include "common/deliverycopier.h"

#include "common/messages.h"
#include "common/removablevolumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace ventrix {
namespace {

constexpr qint64 BlockSize = 64 * 1024;

QString insertNotice()
{
    return QStringLiteral("Por favor ingrese el disquette o la memoria USB en la unidad que corresponda; "
                          "en caso de tener más de una unidad el sistema explorará las unidades en orden\n"
                          "En la primera unidad disponible se hará la copia...");
}

QString confirmQuestion(const QString& volume)
{
    return QStringLiteral("Está seguro que desea copiar en el disco ubicado en el drive \"") + volume
        + QStringLiteral("\"...");
}

QString copyFailed(const QString& volume, const QString& reason)
{
    return QStringLiteral("Error al realizar la copia en disquette ") + volume + QStringLiteral("...\n")
        + reason
        + QStringLiteral(
            "\n\nVerifique que el disco esté con Formato DOS/Windows, que tenga espacio disponible "
            "y que no esté protegido contra escritura...");
}

QString copyDeclined(const QString& volume)
{
    return QStringLiteral("Copia en disco ") + volume + QStringLiteral(" cancelada...");
}

QString notCopied(const QString& name, const QString& archivos)
{
    return QStringLiteral("No se realizó la copia a disquette...\nUd. puede hacer la copia del arhivo ")
        + name + QStringLiteral(" ubicado en ") + QDir::toNativeSeparators(archivos)
        + QStringLiteral(" y entregarlo en la AGT junto con el formulario impreso.\n"
                         "Verifique que el número que acompaña al nombre del archivo coincida con el número "
                         "de formulario que va a presentar...");
}

bool isReadableFolder(const QString& root)
{
    const QFileInfo info(root);
    return info.isDir() && info.isReadable() && QDir(root).exists();
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool writeAll(QFile& in, QFile& out, const DeliveryCopier::Progress& progress, QString* error)
{
    const qint64 total = in.size();
    qint64 copied = 0;
    while (!in.atEnd()) {
        const QByteArray block = in.read(BlockSize);
        if (block.isEmpty() && in.error() != QFileDevice::NoError) {
            *error = in.errorString();
            return false;
        }
        if (out.write(block) != block.size()) {
            *error = out.errorString();
            return false;
        }
        copied += block.size();
        if (progress)
            progress(copied, total);
    }
    if (!out.flush()) {
        *error = out.errorString();
        return false;
    }
    // The medium may be pulled right after the last message: the data must be on it by then.
    if (::fsync(out.handle()) != 0) {
        *error = systemError();
        return false;
    }
    return true;
}

bool sameContents(QFile& a, const QString& copyPath, QString* error)
{
    QFile b(copyPath);
    if (!a.seek(0) || !b.open(QIODevice::ReadOnly)) {
        *error = b.errorString();
        return false;
    }
    if (a.size() != b.size()) {
        *error = QStringLiteral("La copia no coincide con el archivo original.");
        return false;
    }
    while (!a.atEnd()) {
        const QByteArray mine = a.read(BlockSize);
        if (mine != b.read(mine.size())) {
            *error = QStringLiteral("La copia no coincide con el archivo original.");
            return false;
        }
    }
    return true;
}

}

DeliveryCopier::DeliveryCopier(QString archivosFolder)
    : m_archivos(std::move(archivosFolder))
    , m_roots(removableVolumes)
{
}

void DeliveryCopier::setRoots(const QStringList& roots)
{
    m_roots = [roots] { return roots; };
}

DeliveryCopier::Outcome DeliveryCopier::Copia_Diskette(const QString& name)
{
    inform(insertNotice());
    const QString source = QDir(m_archivos).filePath(name);
    for (const QString& root : m_roots()) {
        if (!isReadableFolder(root))
            continue;
        const QString volume = volumeDisplayPath(root);
        if (!askYesNo(confirmQuestion(volume), MessageIcon::Question, true)) {
            inform(copyDeclined(volume));
            continue;
        }
        QString error;
        if (!copyVerified(source, root, name, m_progress, &error)) {
            fail(copyFailed(volume, error));
            return Outcome::Failed;
        }
        inform(QStringLiteral("Copia finalizada..."));
        return Outcome::Copied;
    }
    inform(notCopied(name, m_archivos));
    return Outcome::NotCopied;
}

bool DeliveryCopier::copyVerified(const QString& source, const QString& folder, const QString& name,
    const Progress& progress, QString* error)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = in.errorString();
        return false;
    }
    const QString target = QDir(folder).filePath(name);
    const QString temporary = QDir(folder).filePath(u'.' + name + QStringLiteral(".part"));
    QFile out(temporary);
    bool ok = out.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (!ok)
        *error = out.errorString();
    ok = ok && writeAll(in, out, progress, error);
    out.close();
    ok = ok && sameContents(in, temporary, error);
    // rename() replaces an older copy of the same name in one step.
    if (ok
        && std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData())
            != 0) {
        *error = systemError();
        ok = false;
    }
    if (!ok)
        QFile::remove(temporary);
    return ok;
}

}
