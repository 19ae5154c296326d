#pragma once

#include <QByteArray>
#include <QString>

namespace ventrix {

// Windows-1252, the code page of the authority's delivery files: Latin-1 except 0x80-0x9F.
// Characters it cannot hold become "?"; the five bytes it leaves undefined map to the
// control characters of the same value, so every byte survives a round trip.
QByteArray toCp1252(QStringView text);
// The same, added at the end of out.
void appendCp1252(QByteArray& out, QStringView text);
QString fromCp1252(const QByteArray& bytes);

}
