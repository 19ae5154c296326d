#pragma once

#include "common/regional.h"

#include <QDate>
#include <QString>

// Every text the rates screen and the command-line tool show, as the program words them.
namespace ventrix::rates::msg {

// "octubre 2026".
inline QString monthYear(QDate day)
{
    return regional::monthName(day.month()) + u' ' + QString::number(day.year());
}

// "octubre de 2026".
inline QString monthDeYear(QDate day)
{
    return regional::monthName(day.month()) + QStringLiteral(" de ") + QString::number(day.year());
}

inline QString windowTitle()
{
    return QStringLiteral("Actualización de Indices");
}

inline QString databaseError()
{
    return QStringLiteral("Error al acceder a la base de datos...");
}

inline QString newestReadError()
{
    return QStringLiteral("Error al acceder a la base...");
}

inline QString emptyHistory()
{
    return QStringLiteral("Error en el histórico de tasas... ") + u'\n'
        + QStringLiteral("Comuníquese con el proveedor del programa...");
}

inline QString notPublished()
{
    return QStringLiteral("Según la fecha de su sistema Ud. está tratando de actualizar el índice de un més "
                          "que aún no se ha publicado...");
}

inline QString missingMonth(QDate firstMissingDay)
{
    return QStringLiteral("Falta ingresar la tasa del mes ") + monthYear(firstMissingDay);
}

inline QString recomputeQuestion(QDate firstDay)
{
    return QStringLiteral("Desea calcular nuevamente la tasa del mes ") + monthYear(firstDay)
        + QStringLiteral(" y todos los posteriores...");
}

// Deleting from the oldest month on would leave no index to continue from.
inline QString beforeHistory(QDate oldestDay)
{
    return QStringLiteral("No se puede calcular nuevamente la tasa de ese mes: el histórico de tasas "
                          "comienza el ")
        + regional::formatDate(oldestDay) + QStringLiteral("...");
}

inline QString pendingUpdate(QDate firstDay)
{
    return QStringLiteral("Ud. necesita actualizar el índice correspondinte a ") + monthDeYear(firstDay)
        + u'\n'
        + QStringLiteral(
            "Para ello debe ingresar la tasa correspondiente al período y luego hacer click en el "
            "botón \"Actualizar\"");
}

inline QString leaveQuestion(QDate firstDay)
{
    return pendingUpdate(firstDay) + u'\n'
        + QStringLiteral("Desea comenzar el proceso de actualización ahora...");
}

inline QString leaveQueryError()
{
    return QStringLiteral("Se ha producido un error en la consulta de índices...");
}

inline QString incompleteFields()
{
    return QStringLiteral("Ingrese la tasa, el mes y el año del período a actualizar...");
}

inline QString rateOutOfRange()
{
    return QStringLiteral("La tasa mensual debe estar entre 0,00 y 100,00 %...");
}

inline QString monthAppended(QDate firstDay)
{
    return QStringLiteral("Índices de ") + monthDeYear(firstDay) + QStringLiteral(" actualizados.");
}

}
