#pragma once

#include "cp02/cp02printout.h"
#include "drawnnumbers.h"
#include "pagerecorder.h"

namespace ventrix::test {

// A declaration of 2025 of Peña ÁLVAREZ with two activities, two months filled and one exempt
// activity.
inline cp02::Cp02Record sampleDeclaration()
{
    using namespace cp02;
    Cp02Record r;
    r.set(col::Id, 5);
    r.set(col::Periodo, 2025);
    r.set(col::Tramite, Original);
    r.set(col::NumEmpleados, 3);
    r.setMoney(col::Impuesto, Money::fromUnits(150000));
    r.setMoney(col::Retenciones, Money::fromUnits(30000));
    r.setMoney(col::ImpDepos, Money::fromUnits(80000));
    r.setMoney(col::FavorAgt, Money::fromUnits(40000));
    r.setMoney(col::FavorContrib, Money());
    r.set(col::exempt(1, QStringLiteral("Numero")), QStringLiteral("951500"));
    r.set(col::exempt(1, QStringLiteral("NormaLegal")), QStringLiteral("Ley 5.678"));
    r.set(col::exempt(1, QStringLiteral("Año")), 2024);
    r.setMoney(col::exempt(1, QStringLiteral("Porcent")), Money::fromUnits(10000));
    r.set(col::exempt(1, QStringLiteral("FechaIni")), QDate(2024, 3, 5));
    r.setMoney(col::exempt(1, QStringLiteral("ImporAlc")), Money::fromUnits(50000));
    r.activities = { { QStringLiteral("624101"), QStringLiteral("Com1:Almacén"), false,
                         Money::fromUnits(1000000), Rate::fromUnits(350), Money::fromUnits(35000), 3 },
        { QStringLiteral("951500"), QStringLiteral("Com2:Enseñanza"), true, Money::fromUnits(50000), Rate(),
            Money(), 1 } };
    r.months.at(0).fechaPago = QDate(2025, 2, 14);
    r.months.at(0).amounts = { Money::fromUnits(100000), Money::fromUnits(3500), Money::fromUnits(8100),
        Money::fromUnits(8100), Money::fromUnits(1000), Money::fromUnits(7100), Money::fromUnits(7100) };
    r.months.at(1).amounts.retenciones = Money::fromUnits(500);
    r.months.at(1).amounts.saldo = Money::fromUnits(-500);
    return r;
}

inline cp02::TaxpayerData sampleTaxpayer()
{
    cp02::TaxpayerData t;
    const auto set = [&t](const char* column, const QVariant& v) {
        t.fields.insert(QStringLiteral("CP01_") + QString::fromLatin1(column), v);
    };
    set("Contribuyente", QStringLiteral("Peña ÁLVAREZ, José"));
    set("CUIT", QStringLiteral("20-12345678/6"));
    set("IngBrut", QStringLiteral("012-123456/00"));
    set("DomFisc_Domicilio", QStringLiteral("San Martín"));
    set("DomFisc_DomNumero", QStringLiteral("1234"));
    set("DomFisc_Piso", QStringLiteral("2"));
    set("DomFisc_Depto", QStringLiteral("B"));
    set("DomFisc_Localidad", QStringLiteral("Capital"));
    set("DomFisc_Provincia", QStringLiteral("VALDERA"));
    set("DomFisc_CodPostal", QStringLiteral("5000"));
    set("RegPubCom_CondIVA", QStringLiteral("Responsable Inscripto"));
    return t;
}

}
