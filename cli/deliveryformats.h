#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QString>

#include <functional>

namespace ventrix::cli {

// One value of a delivery file as check-delivery prints it.
struct DeliveryField
{
    QString label;
    QString value;
};

// A kind of delivery file the authority receives: how its name looks (the first capture is the key
// that scrambles it) and how its bytes are read back into fields.
struct DeliveryFormat
{
    QString title; // "CP03/SID3"
    QRegularExpression fileName;
    std::function<Result<QList<DeliveryField>>(const QByteArray& bytes, const QString& key)> read;
};

// Every delivery file check-delivery knows.
const QList<DeliveryFormat>& deliveryFormats();

}
