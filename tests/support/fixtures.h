#pragma once

#include <QByteArray>
#include <QString>

namespace ventrix::test {

// The path of a file under tests/fixtures, as "scramble/plano_cp1252.txt".
QString fixturePath(const QString& relative);
// Its bytes; the test fails when the file is missing.
QByteArray fixtureBytes(const QString& relative);

}
