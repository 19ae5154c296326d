#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace ventrix {

// The authority's scrambling of delivery files, byte for byte: output byte i (1-based) is
// (text byte i + key byte ((i mod key length) + 1) + 50) mod 256, so the key is used cyclically
// from its second byte. An empty key leaves the text as it is.
QByteArray Encripta(const QByteArray& text, const QByteArray& key);
// The same on texts, both taken as Windows-1252.
QByteArray Encripta(QStringView text, QStringView key);
// The inverse of Encripta with the same key.
QByteArray Desencripta(const QByteArray& scrambled, const QByteArray& key);

// A delivery file's bytes: each line scrambled on its own and followed by CR LF (not scrambled).
QByteArray scrambleLines(const QList<QByteArray>& lines, const QByteArray& key);
// The same on texts taken as Windows-1252, written straight into one buffer.
QByteArray scrambleTextLines(const QStringList& lines, const QByteArray& key);
// A plain text file (lines ending in LF or CR LF) scrambled line by line into delivery bytes;
// every line of the result ends in CR LF.
QByteArray scrambleText(const QByteArray& plain, const QByteArray& key);
// The plain bytes of a delivery file: each CR LF-separated piece unscrambled, CR LF kept.
QByteArray unscrambleText(const QByteArray& scrambled, const QByteArray& key);

}
