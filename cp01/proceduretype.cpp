#include "cp01/proceduretype.h"

namespace ventrix::cp01 {

QString procedureText(ProcedureType type)
{
    switch (type) {
    case ProcedureType::Inscripcion:
        return QStringLiteral("1 - Inscripción");
    case ProcedureType::Reinscripcion:
        return QStringLiteral("2 - Reinscripción");
    case ProcedureType::ModificarDatos:
        return QStringLiteral("3 - Modificar Datos");
    case ProcedureType::AperturaComercio:
        return QStringLiteral("4 - Apertura Comercio");
    case ProcedureType::AltaBajaActividades:
        return QStringLiteral("5 - Alta/Baja Actividades");
    case ProcedureType::CeseTotal:
        return QStringLiteral("6 - Cese Total");
    }
    return {};
}

int procedureNumber(const QString& tramite)
{
    const QString t = tramite.trimmed();
    if (t.isEmpty() || t.at(0) < u'1' || t.at(0) > u'6')
        return 0;
    return t.at(0).digitValue();
}

bool isProcedure(const QString& tramite, ProcedureType type)
{
    return procedureNumber(tramite) == static_cast<int>(type);
}

QString sectionCaption(Section section)
{
    switch (section) {
    case Section::RazonSocial:
        return QStringLiteral("Razón Social");
    case Section::OtrosDatos:
        return QStringLiteral("Otros Datos");
    case Section::Domicilio:
        return QStringLiteral("Domicilio");
    case Section::Actividades:
        return QStringLiteral("Actividades");
    }
    return {};
}

QString modificationText(const QList<Section>& sections)
{
    QStringList parts { procedureText(ProcedureType::ModificarDatos) };
    for (Section s : sections)
        parts << sectionCaption(s);
    return parts.join(QStringLiteral(" - "));
}

namespace {

// Words that must appear in this order in the procedure text; the check box says "Otros Datos"
// while the authority's pattern reads "Otros datos", so case is not significant.
bool containsInOrder(const QString& text, const QStringList& words)
{
    qsizetype from = 0;
    for (const QString& w : words) {
        from = text.indexOf(w, from, Qt::CaseInsensitive);
        if (from < 0)
            return false;
        from += w.size();
    }
    return true;
}

QStringList wordsOf(FormTab tab)
{
    switch (tab) {
    case FormTab::Persona:
        return { QStringLiteral("Razón"), QStringLiteral("Social") };
    case FormTab::InfComplementaria:
        return { QStringLiteral("Otros"), QStringLiteral("datos") };
    case FormTab::DomicilioFiscal:
        return { QStringLiteral("Domicilio") };
    case FormTab::Actividades:
        return { QStringLiteral("Actividades") };
    }
    return {};
}

}

bool tabUnlocked(const QString& tramite, FormTab tab)
{
    if (!isProcedure(tramite, ProcedureType::ModificarDatos))
        return true;
    return containsInOrder(tramite, wordsOf(tab));
}

}
