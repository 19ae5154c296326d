#include "cp01/cp01delivery.h"

#include "common/cp1252.h"
#include "common/deliveryfile.h"
#include "common/scrambler.h"
#include "cp01/cp01pagerecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace ventrix::cp01 {
namespace {

constexpr int MaxPages = 2;
constexpr int LeadingValues = 4;

const QRegularExpression& fileNamePattern()
{
    static const QRegularExpression re(QStringLiteral("^CP01_(\\d{9,10})\\.txt$"));
    return re;
}

// A closed record: "...|V1.0||OK" under the limit, or 2,700 characters then "|FDatV1.0|".
std::optional<Cp01DeliveryPage> readClosed(const QString& text)
{
    static const QRegularExpression ok(
        QStringLiteral("^(.*)(V\\d+\\.\\d+)\\|\\|OK$"), QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cut(
        QStringLiteral("^(.*)\\|FDat(V\\d+\\.\\d+)\\|$"), QRegularExpression::DotMatchesEverythingOption);
    Cp01DeliveryPage page;
    page.record = text;
    QString body;
    if (const auto m = ok.match(text); m.hasMatch() && m.capturedLength(1) < PageRecordLimit) {
        body = m.captured(1);
        page.version = m.captured(2);
        if (!body.isEmpty() && !body.endsWith(u'|'))
            return std::nullopt;
        body.chop(1);
    } else if (const auto c = cut.match(text); c.hasMatch() && c.capturedLength(1) == PageRecordLimit) {
        body = c.captured(1);
        page.version = c.captured(2);
        page.cut = true;
    } else {
        return std::nullopt;
    }
    page.values = body.split(u'|');
    return page;
}

QString error(const QString& path, const QString& reason)
{
    return QStringLiteral("El archivo %1 no es un archivo de entrega del CP01 válido: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

// Splits the scrambled bytes into lines. A scrambled character may itself be a CR followed by an
// LF, so a line ends at the first CR LF where what comes before unscrambles to a closed record.
Result<QList<Cp01DeliveryPage>> readLines(const QByteArray& bytes, const QByteArray& key)
{
    QList<Cp01DeliveryPage> pages;
    qsizetype start = 0;
    while (start < bytes.size()) {
        std::optional<Cp01DeliveryPage> page;
        qsizetype end = start;
        while ((end = bytes.indexOf("\r\n", end)) >= 0) {
            page = readClosed(fromCp1252(Desencripta(bytes.mid(start, end - start), key)));
            if (page)
                break;
            ++end;
        }
        if (!page)
            return Error { QStringLiteral("la línea %1 no es un registro completo").arg(pages.size() + 1) };
        pages.append(*page);
        start = end + 2;
    }
    return pages;
}

Status checkPages(const QList<Cp01DeliveryPage>& pages, const QString& receipt)
{
    if (pages.isEmpty())
        return Error { QStringLiteral("está vacío") };
    if (pages.size() > MaxPages)
        return Error {
            QStringLiteral("tiene %1 líneas y el formulario tiene a lo sumo 2 páginas").arg(pages.size())
        };
    for (int i = 0; i < pages.size(); ++i) {
        const Cp01DeliveryPage& p = pages[i];
        if (p.values.size() < LeadingValues && !p.cut)
            return Error { QStringLiteral("la página %1 no tiene los datos del encabezado").arg(i + 1) };
        if (p.values.first() != receipt)
            return Error { QStringLiteral(
                "el comprobante de la página %1 no coincide con el nombre del archivo")
                               .arg(i + 1) };
        if (p.values.mid(0, LeadingValues) != pages.first().values.mid(0, LeadingValues))
            return Error { QStringLiteral("las páginas no son del mismo trámite") };
    }
    return {};
}

}

QString deliveryFileName(const QString& receipt)
{
    return QStringLiteral("CP01_") + receipt + QStringLiteral(".txt");
}

Result<QString> Diskette_CP01(
    const QString& archivos, const QString& receipt, const QStringList& closedRecords)
{
    if (!QDir().mkpath(archivos))
        return Error { QStringLiteral("No se pudo crear la carpeta ") + QDir::toNativeSeparators(archivos) };
    DeliveryFile file(QDir(archivos).filePath(deliveryFileName(receipt)), receipt);
    if (!file.write(closedRecords))
        return Error { QStringLiteral("No se pudo escribir el archivo ")
            + QDir::toNativeSeparators(file.path()) + QStringLiteral("...\n") + file.errorString() };
    return file.path();
}

Result<Cp01Delivery> readCp01Delivery(const QByteArray& bytes, const QString& receipt)
{
    if (!bytes.endsWith("\r\n"))
        return Error { QStringLiteral("no termina en un fin de línea") };
    Cp01Delivery delivery;
    delivery.receipt = receipt;
    auto pages = readLines(bytes, toCp1252(delivery.receipt));
    if (!pages)
        return Error { pages.error() };
    if (auto s = checkPages(*pages, delivery.receipt); !s)
        return Error { s.error() };
    delivery.pages = *pages;
    return delivery;
}

Result<Cp01Delivery> checkCp01Delivery(const QString& path)
{
    const auto name = fileNamePattern().match(QFileInfo(path).fileName());
    if (!name.hasMatch())
        return Error { error(
            path, QStringLiteral("su nombre no es CP01_ seguido del número de comprobante y .txt")) };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error { QStringLiteral("No se pudo leer el archivo ") + QDir::toNativeSeparators(path)
            + QStringLiteral(": ") + file.errorString() };
    auto delivery = readCp01Delivery(file.readAll(), name.captured(1));
    if (!delivery)
        return Error { error(path, delivery.error()) };
    return delivery;
}

QStringList describeCp01Delivery(const Cp01Delivery& delivery)
{
    const QStringList& head = delivery.pages.first().values;
    QStringList lines { QStringLiteral("Formulario CP01, comprobante N° ") + delivery.receipt,
        QStringLiteral("Trámite: ") + head.value(1), QStringLiteral("C.U.I.T.: ") + head.value(2),
        QStringLiteral("N° de I.S.I.B.: ") + head.value(3),
        QStringLiteral("Páginas: ") + QString::number(delivery.pages.size()) };
    for (int i = 0; i < delivery.pages.size(); ++i) {
        const Cp01DeliveryPage& p = delivery.pages[i];
        lines << QStringLiteral("Página %1 (%2, %3 datos%4):")
                     .arg(i + 1)
                     .arg(p.version)
                     .arg(p.values.size())
                     .arg(p.cut ? QStringLiteral(", cortada en 2700 caracteres") : QString());
        lines << QStringLiteral("  ") + p.values.join(QStringLiteral(" | "));
    }
    return lines;
}

}
