#pragma once

#include "common/randomsource.h"
#include "cp01/cp01record.h"

namespace ventrix::test {

// The number source answering the numbers given, in turn, and remembering the bounds asked.
class ScriptedNumbers : public RandomSource
{
public:
    explicit ScriptedNumbers(QList<quint64> numbers)
        : m_numbers(std::move(numbers))
    {
        RandomSource::install(this);
    }
    ~ScriptedNumbers() override { RandomSource::install(nullptr); }

    QList<std::pair<quint64, quint64>> asked;

protected:
    quint64 draw(quint64 low, quint64 high) override
    {
        asked.append({ low, high });
        return m_numbers.isEmpty() ? low : m_numbers.takeFirst();
    }

private:
    QList<quint64> m_numbers;
};

inline cp01::ActivityRow printedActivity(
    const QString& code, const QString& name, QDate start, QDate cese = {})
{
    cp01::ActivityRow r;
    r.codigo = code;
    r.denominacion = name;
    r.alicuota = Rate::fromUnits(350);
    r.numEmp = 2;
    r.baseMinimo = Money::fromUnits(8100);
    r.fecha = start;
    r.fhCese = cese;
    return r;
}

// A natural person's inscription with every printed field of page 1 filled but a few address parts,
// and two activities in premises 1.
inline cp01::Cp01Record naturalPersonProcedure()
{
    using namespace cp01;
    Cp01Record r;
    const auto set = [&r](const char* column, const QVariant& value) {
        r.set(QStringLiteral("CP01_") + QString::fromUtf8(column), value);
    };
    set("Tramite", QStringLiteral("1 - Inscripción"));
    set("Personas", Fisicas);
    set("Contribuyente", QStringLiteral("Peña ÁLVAREZ, José"));
    set("CUIT", QStringLiteral("20-12345678/6"));
    set("IngBrut", QStringLiteral("901-123456/03"));
    set("PerFis_TipoDoc", QStringLiteral("DNI"));
    set("PerFis_NumDoc", 12345678);
    set("PerFis_Nacionalidad", QStringLiteral("Argentina"));
    set("PerFis_Sexo", QStringLiteral("M"));
    set("PerFis_FhNacim", QDate(1970, 3, 5));
    set("PerFis_EstadoCivil", QStringLiteral("Casado"));
    set("RegPubCom_Numero", 1234);
    set("RegPubCom_Folio", QStringLiteral("56"));
    set("RegPubCom_Tomo", QStringLiteral("7"));
    set("RegPubCom_CondIVA", QStringLiteral("Responsable Inscripto"));
    set("RegPubCom_Año", 2001);
    set("RegPubCom_Fecha", QDate(2001, 6, 15));
    set("RegPubCom_FechaCierre", QStringLiteral("31/12"));
    set("DomFisc_Domicilio", QStringLiteral("Belgrano"));
    set("DomFisc_DomNumero", QStringLiteral("123"));
    set("DomFisc_Piso", QStringLiteral("2"));
    set("DomFisc_Depto", QStringLiteral("B"));
    set("DomFisc_Telefono", QStringLiteral("4221234"));
    set("DomFisc_Localidad", QStringLiteral("Capital"));
    set("DomFisc_CodPostal", QStringLiteral("5000"));
    set("DomFisc_Provincia", QStringLiteral("VALDERA"));
    set("DomFisc_Email", QStringLiteral("pena@example.com"));
    set("Activ_ComerNum", 1);
    set("Activ_FhInicio", QDate(2003, 2, 1));
    set("Activ_Nombre", QStringLiteral("Almacén Peña"));
    set("Activ_Telefono", QStringLiteral("4225678"));
    set("Activ_Domicilio", QStringLiteral("San Martín"));
    set("Activ_DomicNumero", QStringLiteral("450"));
    set("Activ_Localidad", QStringLiteral("Capital"));
    set("Activ_Te_Caract", QStringLiteral("0381"));
    set("Activ_CodPostal", QStringLiteral("5000"));
    r.premisesActivities(1).row(0) = printedActivity(
        QStringLiteral("621013"), QStringLiteral("Venta al por menor en almacenes"), QDate(2003, 2, 1));
    r.premisesActivities(1).row(1) = printedActivity(QStringLiteral("624101"),
        QStringLiteral("Venta al por menor de carnes"), QDate(2003, 3, 5), QDate(2005, 12, 31));
    return r;
}

// A company with two responsible persons and a second and third premises.
inline cp01::Cp01Record legalPersonProcedure()
{
    using namespace cp01;
    Cp01Record r = naturalPersonProcedure();
    const auto set = [&r](const QString& column, const QVariant& value) { r.set(column, value); };
    set(col::Tramite, QStringLiteral("5 - Alta/Baja Actividades"));
    set(col::Personas, Juridicas);
    set(col::Contribuyente, QStringLiteral("La Esquina S.R.L."));
    set(QStringLiteral("CP01_PerJur_DuracionAños"), 99);
    set(QStringLiteral("CP01_PerJur_Nat_Juridica"),
        QStringLiteral("2 - Sociedad de Responsabilidad Limitada"));
    set(col::Firma, QStringLiteral("Conjunta"));
    const auto resp = [&](int n, const char* item, const QVariant& value) {
        set(col::responsible(n, QString::fromUtf8(item)), value);
    };
    resp(1, "ApellidoNombre", QStringLiteral("Núñez Carlos"));
    resp(1, "Domicilio", QStringLiteral("Mitre"));
    resp(1, "DomNumero", QStringLiteral("77"));
    resp(1, "TipoDoc", QStringLiteral("DNI"));
    resp(1, "NumDoc", 20111222);
    resp(1, "Cargo", QStringLiteral("Socio Gerente"));
    resp(1, "Piso", QStringLiteral("1"));
    resp(1, "Localidad", QStringLiteral("Capital"));
    resp(1, "Provincia", QStringLiteral("VALDERA"));
    resp(1, "CUIT", QStringLiteral("20-20111222/1"));
    resp(3, "ApellidoNombre", QStringLiteral("Gómez Ana"));
    resp(3, "Domicilio", QStringLiteral("Sarmiento"));
    resp(3, "TipoDoc", QStringLiteral("LC"));
    resp(3, "NumDoc", 4555666);
    resp(2, "Cargo", QStringLiteral("nadie")); // no name: the second person is not printed
    set(col::premises(3, QStringLiteral("Nombre")), QStringLiteral("Depósito"));
    set(col::premises(3, QStringLiteral("ComerNum")), 3);
    set(col::premises(3, QStringLiteral("FhInicio")), QDate(2010, 1, 4));
    r.premisesActivities(3).row(0) = printedActivity(
        QStringLiteral("711000"), QStringLiteral("Transporte de cargas"), QDate(2010, 1, 4));
    return r;
}

}
