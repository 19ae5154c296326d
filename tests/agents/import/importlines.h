#pragma once

#include <QByteArray>
#include <QList>

#include <map>

namespace ventrix::test {

// The fields of a good perception line, in the register's order; overrides replace fields by index.
inline QByteArray perceptionLine(const std::map<int, QByteArray>& overrides = {})
{
    QList<QByteArray> fields { "4321/5", "Cliente SA", "20-11111111/2", "001-123456/00", "San Martín", "123",
        "", "", "", "", "", "5000", "Capital", "Valdera", "0351", "4000000", "0001-00001234", "10/03/2026",
        "1000", "3", "30" };
    for (const auto& [index, value] : overrides)
        fields[index] = value;
    return fields.join('\t');
}

// Field positions in a perception line.
enum PerceptionField {
    NumAgente = 0,
    Contribuyente = 1,
    Cuit = 2,
    IBrutos = 3,
    Domicilio = 4,
    Fecha = 17,
    Base = 18,
    Alicuota = 19,
    Importe = 20
};

}
