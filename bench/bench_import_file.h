#pragma once

// Writes an import file of valid perceptions: identifiers with right check digits, amounts that
// agree with rate x base / 100, dates of real days.
#include "common/fixed.h"
#include "common/identifiers.h"

#include <QDate>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>

namespace ventrix::bench {

// Identifiers drawn at random and kept when their check digits hold.
inline QStringList validIdentifiers(IdentifierKind kind, int count, QRandomGenerator& random)
{
    QStringList out;
    while (out.size() < count) {
        QString digits;
        for (int i = 0; i < 11; ++i)
            digits += QChar(u'0' + static_cast<char16_t>(random.bounded(10)));
        if (kind == IdentifierKind::Cuit)
            digits.replace(0, 2, QStringLiteral("20"));
        const IdentifierCheck check = validateIdentifier(kind, shapeIdentifierDigits(kind, digits));
        if (check.valid && !check.text.isEmpty())
            out << check.text;
    }
    return out;
}

// One TAB-separated perception line per row, ended by CRLF as the agents' systems write them.
inline bool writePerceptionsFile(const QString& path, int rows, quint32 seed = 7)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QRandomGenerator random(seed);
    const QStringList cuits = validIdentifiers(IdentifierKind::Cuit, 997, random);
    const QStringList brutos = validIdentifiers(IdentifierKind::IngBrutos, 991, random);
    const QDate first(2026, 1, 1);
    QByteArray chunk;
    for (int i = 0; i < rows; ++i) {
        const Money base = Money::fromUnits(100 + static_cast<qint64>(random.bounded(10000000)));
        const Fixed<4> rate = Fixed<4>::fromUnits(static_cast<qint64>(random.bounded(50000)));
        const Money amount = base.percent(rate);
        const QString line
            = QStringList { QStringLiteral("4321/5"), QStringLiteral("Cliente Nº %1 S.A.").arg(i % 5000),
                  cuits.at(i % cuits.size()), brutos.at(i % brutos.size()), QStringLiteral("Av. San Martín"),
                  QString::number(i % 3000), QString(), QString(), QString(), QString(), QString(),
                  QStringLiteral("5000"), QStringLiteral("Capital"), QStringLiteral("Valdera"),
                  QStringLiteral("0351"), QStringLiteral("4%1").arg(i % 1000000, 6, 10, QChar(u'0')),
                  QStringLiteral("0001-%1").arg(i % 100000000, 8, 10, QChar(u'0')),
                  first.addDays(i % 28).toString(QStringLiteral("dd/MM/yyyy")), base.toPlain(),
                  rate.toPlain(), amount.toPlain() }
                  .join(u'\t');
        chunk += line.toUtf8() + "\r\n";
        if (chunk.size() > (1 << 20)) {
            file.write(chunk);
            chunk.clear();
        }
    }
    return file.write(chunk) == chunk.size() && file.flush();
}

}
