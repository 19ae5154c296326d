#include "agents/externaldeclarationfile.h"

#include "agents/agentsmessages.h"
#include "agents/arpdeclarationfile.h"
#include "common/scrambler.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

namespace ventrix::agents {

QString numberInPlainFile(const QByteArray& plain)
{
    const qsizetype end = plain.indexOf('\n');
    const QString first = QString::fromLatin1(end < 0 ? plain : plain.left(end));
    const QString number = first.mid(5, 7);
    static const QRegularExpression digits(QStringLiteral("^[0-9]{7}$"));
    return digits.match(number).hasMatch() ? number : QString();
}

std::optional<QString> declarationNumber(const QString& typed)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,7}$"));
    const QString t = typed.trimmed();
    if (!digits.match(t).hasMatch() || t.toInt() == 0)
        return std::nullopt;
    return t.rightJustified(7, u'0');
}

Result<QString> encryptExternalFile(
    const QString& plainPath, const QString& archivos, AgentRegister which, const QString& numero)
{
    QFile in(plainPath);
    if (!in.open(QIODevice::ReadOnly))
        return Error { msg::archivoExternoIlegible(QDir::toNativeSeparators(plainPath), in.errorString()) };
    const QByteArray plain = in.readAll();
    if (plain.trimmed().isEmpty())
        return Error { msg::archivoExternoVacio(QDir::toNativeSeparators(plainPath)) };
    if (!QDir().mkpath(archivos))
        return Error { msg::errorArchivoDDJJ(QDir::toNativeSeparators(archivos), QString()) };
    QSaveFile out(QDir(archivos).filePath(declarationFileName(which, numero)));
    if (!out.open(QIODevice::WriteOnly) || out.write(scrambleText(plain, numero.toLatin1())) < 0
        || !out.commit())
        return Error { msg::errorArchivoDDJJ(QDir::toNativeSeparators(out.fileName()), out.errorString()) };
    return out.fileName();
}

}
