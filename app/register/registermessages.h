#pragma once

#include <QString>

// The Spanish texts of the taxpayer register, the main window and the module gates, kept
// together so they can be read side by side.
namespace ventrix::app::taxpayers::msg {

inline const QString NoHayRegistros = QStringLiteral("  No hay registros...");
inline const QString ErrorBase = QStringLiteral("Error al acceder a la base de datos...");
inline const QString ErrorBaseSinPuntos = QStringLiteral("Error al acceder a la base de datos");
inline const QString ErrorAcceso = QStringLiteral("Error en el acceso a la base...");
inline const QString ErrorGuardar = QStringLiteral("Error al guardar los datos...");
inline const QString ErrorBorrar = QStringLiteral("Error al borrar el registro...");
inline const QString SeleccioneContribuyente = QStringLiteral("Seleccione el contribuyente ...");
inline const QString DatosBorrados = QStringLiteral(" datos borrados...");
inline const QString ClaveInvalida = QStringLiteral("La clave ingresada es inválida...");

inline const QString YaExisteIdentificador = QStringLiteral("Ya existe un identificador con éste nombre...");
inline const QString FaltaIdentificador
    = QStringLiteral("Para almacenar los datos es necesario tener ingresado el identificador...");
inline const QString ConfirmeClaveTitulo = QStringLiteral("Confirme la clave");
inline const QString ConfirmeClavePregunta
    = QStringLiteral("Reingrese la clave de acceso.\n\nSi desea anular la clave deje el campo en blanco...");
inline const QString ClaveNoCoincide = QStringLiteral("La reconfirmación de clave no coincide...");
inline const QString AvisoUsoExclusivo = QStringLiteral(
    "Los datos ingresados en éste formulario están destinados al uso exclusivo del usuario, estos datos "
    "no son utilizados por la A.G.T. del  Valdera.");
inline const QString PasswordHint = QStringLiteral(
    "Ingrese una palabra clave para limitar el acceso o deje el campo Password en blanco para trabajar "
    "sin clave.");

inline QString preguntaBorrar(const QString& contribuyente)
{
    return QStringLiteral("Está seguro que desea borrar a ") + contribuyente
        + QStringLiteral(
            "\nEsta operación destruirá toda la información relacionada con el contribuyente y no "
            "podrá ser recuperada.\nDesea continuar de igual modo ...");
}

inline const QString AdvertenciaCp01 = QStringLiteral(
    "Esta opción es solamente para contribuyentes del\nImpuesto sobre los Ingresos Brutos Directos de "
    "Valdera...\n\nSi Ud. es Agente de Retención/Percepción y pertenece al régimen de Convenio Multilateral "
    "o es Exento al Impuesto Sobre los Ingresos Brutos debe ingresar directamente en ARP...\n\nDesea "
    "continuar...");
inline const QString DebeSeleccionar = QStringLiteral("Debe seleccionar o ingresar un contribuyente...");
inline const QString TasaSid3
    = QStringLiteral("Ud. no puede ingresar al CP03 sin tener ingresada la tasa actualizada del mes de ");
inline const QString TasaArp = QStringLiteral(
    "Ud. no puede ingresar al módulo de Agentes de Retención/Percepción sin tener ingresada la tasa "
    "actualizada del mes de ");
inline const QString TasaPfp = QStringLiteral("Ud. no puede ingresar al Plan de Facilidades de Pago sin "
                                              "tener ingresada la tasa actualizada del mes de ");
inline const QString ModuloNoDisponible
    = QStringLiteral("Este módulo todavía no está disponible en esta versión...");
inline const QString ContribuyenteNoEncontrado = QStringLiteral("Contribuyente no encontrado...");
inline const QString DebePresentarCp01
    = QStringLiteral("Debe completar y presentar el CP01 (Formulario de Inscripción)");
inline const QString ErrorBuscarCp01 = QStringLiteral("Error al buscar formulario CP01...");
inline const QString AgenteNoValido
    = QStringLiteral("Número de Agente de Retención no válido o error al buscar formulario CP01...");
inline const QString FaltaCuit = QStringLiteral(
    "Falta ingresar el N° de CUIT y/o Ing. Brutos\nIngrese en el último formulario CP01 tarjeta "
    "Información Complementaria...");
inline const QString PreguntaConvenio = QStringLiteral(
    "Es Ud. Contribuyente del Impuesto sobre los Ingresos Brutos\nde Convenio Multilateral o es Exento?...");
inline const QString DebeCp01Directo = QStringLiteral(
    "Ud. es un Contribuyente del Impuesto sobre los Ingresos Brutos Directos y debe completar y presentar "
    "el CP01 (Formulario de Inscripción)");

// Status line texts shown while the pointer is over a button of the main window.
inline const QString AyudaAlta
    = QStringLiteral("  Ingresar un nuevo Nick en el programa - Presione F1 para ayuda...");
inline const QString AyudaModif = QStringLiteral("  Modificar el Nick seleccionado en la grilla....");
inline const QString AyudaBaja
    = QStringLiteral("  Borrar el Nick seleccionado en la grilla y todos sus registros....");
inline const QString AyudaIndices
    = QStringLiteral("  Ingresar las Tasas publicadas por la A.G.T. - Presione F1 para ayuda...");
inline const QString AyudaSid3
    = QStringLiteral("  Ingresar a la Declaración Mensual de Ingresos Brutos - Presione F1 para ayuda...");
inline const QString AyudaCp01
    = QStringLiteral("  Inscripción - Modificación de I.S.I.B. - Presione F1 para ayuda...");
inline const QString AyudaCp02 = QStringLiteral(
    "  Ingresar a la Declaración Jurada Anual de Ingresos Brutos - Presione F1 para ayuda...");
inline const QString AyudaPfp
    = QStringLiteral("  Solicitud de plan de facilidades de pago - Presione F1 para ayuda...");
inline const QString AyudaArp
    = QStringLiteral("  Formulario de Agente Retención/Percepción - Presione F1 para ayuda...");
inline const QString AyudaGeneral = QStringLiteral("  Ingresar a la ayuda - Presione F1 ...");
inline const QString AyudaSalir = QStringLiteral("  Salir del Programa...");

}
