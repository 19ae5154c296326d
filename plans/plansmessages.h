#pragma once

#include <QString>

// Every text the payment plan screens show, as the program words them.
namespace ventrix::plans::msg {

inline QString cargandoDatos()
{
    return QStringLiteral("Cargando Datos...");
}
inline QString errorAcceso()
{
    return QStringLiteral("Error al acceder a la base de datos...");
}

// The plans register.
inline QString tituloPlanes(const QString& taxpayer)
{
    return QStringLiteral("Plan Facilidades de Pago ") + taxpayer;
}
inline QString completeCampos()
{
    return QStringLiteral("Complete todos los campos...");
}
inline QString sinPlanesParaBorrar()
{
    return QStringLiteral("No se encontraron planes para borrar...");
}
inline QString seleccionePlan()
{
    return QStringLiteral("Seleccione el plan que desea borrar...");
}
inline QString confirmaBorrarPlanDeFecha(const QString& fechaAprob)
{
    return QStringLiteral("Está seguro que desea borrar el plan de fecha ") + fechaAprob
        + QStringLiteral("...");
}
inline QString registroBorrado()
{
    return QStringLiteral("Registro borrado...");
}
inline QString errorBorrar()
{
    return QStringLiteral("Error al borrar el registro...");
}
inline QString operacionCancelada()
{
    return QStringLiteral("Operación cancelada por el operador...");
}
inline QString registrarPlan()
{
    return QStringLiteral("Ud. necesita registrar el Plan de Pagos...\nDesea registrarlo ahora...");
}

// The instalment slip.
inline QString tituloCuotas(const QString& taxpayer)
{
    return QStringLiteral("Formulario de Pago ") + taxpayer;
}
inline QString cantidadCuotas()
{
    return QStringLiteral("N° Ctas =");
}
inline QString confirmaBorrarPlan(const QString& plan)
{
    return QStringLiteral("Está seguro que desea borrar el plan ") + plan + QStringLiteral("...");
}
// Shown when the due date typed differs from the one proposed, whose day of the month is given.
inline QString recuerdeVencimiento(int day)
{
    return QStringLiteral(
               "Recuerde que ud. está completando un Plan de Facilidades de Pago y la fecha de "
               "vencimiento debe coincidir con la que Ud. se comprometió con la A.G.T., que se fijó "
               "para el día ")
        + QString::number(day)
        + QStringLiteral(" de cada mes salvo los días Sábados, Domingos y Feriados...");
}
inline QString soloDiaVencimiento()
{
    return QStringLiteral("Ud. solo puede modificar el día de vencimiento.\nLa modificación de la fecha es "
                          "aceptada si el día propuesto por el sistema es feriado...");
}
inline QString completeCuota()
{
    return QStringLiteral("Para poder almacenar los datos es necesario tener completo todos los campos...");
}
inline QString documento()
{
    return QStringLiteral("Formulario IB08");
}

// The numeric line of the slip.
inline QString valorNoCabe(const QString& label, int digits, int width)
{
    return QStringLiteral("El valor de \"%1\" tiene %2 dígitos y el formulario admite %3.\nNo se imprimió el "
                          "formulario.")
        .arg(label)
        .arg(digits)
        .arg(width);
}
inline QString valorNegativo(const QString& label)
{
    return QStringLiteral(
        "El valor de \"%1\" es negativo y el formulario no admite signo.\nNo se imprimió el "
        "formulario.")
        .arg(label);
}

}
