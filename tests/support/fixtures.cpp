#include "fixtures.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace ventrix::test {

QString fixturePath(const QString& relative)
{
    return QDir(QStringLiteral(VENTRIX_FIXTURES_DIR)).filePath(relative);
}

QByteArray fixtureBytes(const QString& relative)
{
    QFile file(fixturePath(relative));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "missing fixture " << relative.toStdString();
        return {};
    }
    return file.readAll();
}

}
