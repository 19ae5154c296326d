#include "common/scrambler.h"

#include "common/cp1252.h"

namespace ventrix {
namespace {

const QByteArray LineEnd("\r\n");

// Each byte of in, output to to, with the key from its second byte on.
template <typename Step>
void transformInto(const char* in, char* to, qsizetype size, const QByteArray& key, Step step)
{
    qsizetype k = 1 % key.size();
    for (qsizetype i = 0; i < size; ++i) {
        to[i] = static_cast<char>(static_cast<unsigned char>(
            step(static_cast<unsigned char>(in[i]), static_cast<unsigned char>(key.constData()[k]))));
        if (++k == key.size())
            k = 0;
    }
}

template <typename Step> QByteArray transform(const QByteArray& text, const QByteArray& key, Step step)
{
    if (key.isEmpty())
        return text;
    QByteArray out(text.size(), Qt::Uninitialized);
    transformInto(text.constData(), out.data(), text.size(), key, step);
    return out;
}

int scrambleStep(int t, int k)
{
    return (t + k + 50) % 256;
}

}

QByteArray Encripta(const QByteArray& text, const QByteArray& key)
{
    return transform(text, key, scrambleStep);
}

QByteArray Encripta(QStringView text, QStringView key)
{
    return Encripta(toCp1252(text), toCp1252(key));
}

QByteArray Desencripta(const QByteArray& scrambled, const QByteArray& key)
{
    return transform(scrambled, key, [](int s, int k) { return ((s - k - 50) % 256 + 256) % 256; });
}

QByteArray scrambleLines(const QList<QByteArray>& lines, const QByteArray& key)
{
    qsizetype size = 0;
    for (const QByteArray& line : lines)
        size += line.size() + LineEnd.size();
    QByteArray out;
    out.reserve(size);
    for (const QByteArray& line : lines) {
        out += Encripta(line, key);
        out += LineEnd;
    }
    return out;
}

QByteArray scrambleTextLines(const QStringList& lines, const QByteArray& key)
{
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + LineEnd.size();
    QByteArray out;
    out.reserve(size);
    for (const QString& line : lines) {
        const qsizetype start = out.size();
        appendCp1252(out, line);
        if (!key.isEmpty())
            transformInto(out.constData() + start, out.data() + start, out.size() - start, key, scrambleStep);
        out += LineEnd;
    }
    return out;
}

QByteArray scrambleText(const QByteArray& plain, const QByteArray& key)
{
    QList<QByteArray> lines = plain.split('\n');
    // A final line end leaves an empty piece behind: it is no line.
    if (!lines.isEmpty() && (plain.isEmpty() || plain.endsWith('\n')))
        lines.removeLast();
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return scrambleLines(lines, key);
}

QByteArray unscrambleText(const QByteArray& scrambled, const QByteArray& key)
{
    QByteArray out;
    qsizetype from = 0;
    while (from <= scrambled.size()) {
        qsizetype end = scrambled.indexOf(LineEnd, from);
        if (end < 0)
            end = scrambled.size();
        out += Desencripta(scrambled.mid(from, end - from), key);
        if (end < scrambled.size())
            out += LineEnd;
        from = end + LineEnd.size();
    }
    return out;
}

}
