#include "agents/ui/arpexternalencrypt.h"

#include "agents/agentsmessages.h"
#include "agents/externaldeclarationfile.h"
#include "common/messages.h"
#include "data/datafolder.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>

namespace ventrix::agents {
namespace {

std::function<QString(QWidget*, const QString&)>& chooser()
{
    static std::function<QString(QWidget*, const QString&)> current;
    return current;
}

QString chooseFile(QWidget* parent, const QString& title)
{
    if (chooser())
        return chooser()(parent, title);
    return QFileDialog::getOpenFileName(
        parent, title, QString(), QStringLiteral("Archivos de texto (*.txt);;Todos (*)"));
}

QString proposedNumber(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? numberInPlainFile(file.read(4096)) : QString();
}

}

void setExternalFileChooser(std::function<QString(QWidget*, const QString&)> c)
{
    chooser() = std::move(c);
}

void encryptDeclarationExternally(QWidget* parent, const ModuleLaunch& launch, AgentRegister which)
{
    const QString title = which == AgentRegister::Retenciones ? QStringLiteral("Encriptar IB16")
                                                              : QStringLiteral("Encriptar Ap02");
    const QString path = chooseFile(parent, title);
    if (path.isEmpty())
        return;
    const auto typed = askText(title, msg::numeroDDJJExterno(), proposedNumber(path));
    if (!typed)
        return;
    const auto numero = declarationNumber(*typed);
    if (!numero) {
        fail(msg::numeroDDJJInvalido());
        return;
    }
    const QString archivos = data::DataFolder::ofDatabase(launch.db.databaseName()).archivosPath();
    const auto written = encryptExternalFile(path, archivos, which, *numero);
    if (!written) {
        fail(written.error());
        return;
    }
    inform(msg::archivoEncriptado(QDir::toNativeSeparators(*written)));
}

}
