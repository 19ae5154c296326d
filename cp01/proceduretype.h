#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace ventrix::cp01 {

// The kinds of CP01 procedure; the number is the first character of the stored text.
enum class ProcedureType {
    Inscripcion = 1,
    Reinscripcion = 2,
    ModificarDatos = 3,
    AperturaComercio = 4,
    AltaBajaActividades = 5,
    CeseTotal = 6,
};

// "1 - Inscripción" ... "6 - Cese Total", as stored in CP01_Tramite.
QString procedureText(ProcedureType type);
// The type a stored procedure text begins with; 0 when it begins with none.
int procedureNumber(const QString& tramite);
bool isProcedure(const QString& tramite, ProcedureType type);

// The sections a data modification may change; each unlocks one tab of the form.
enum class Section { RazonSocial, OtrosDatos, Domicilio, Actividades };
enum class FormTab { Persona = 0, InfComplementaria = 1, DomicilioFiscal = 2, Actividades = 3 };

// The caption of the section's check box.
QString sectionCaption(Section section);
// "3 - Modificar Datos - Domicilio - Actividades": the stored text of a modification.
QString modificationText(const QList<Section>& sections);
// Whether a procedure of this text lets the user into the tab: every tab, except for a data
// modification, which unlocks only the tabs of the sections its text names.
bool tabUnlocked(const QString& tramite, FormTab tab);

}
