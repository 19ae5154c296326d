#include "cp01/cp01record.h"

namespace ventrix::cp01 {

QString col::responsible(int n, const QString& item)
{
    const QString stem = (n == 2 && item == QStringLiteral("Cargo")) ? QStringLiteral("CP01_PerJur_Res")
                                                                     : QStringLiteral("CP01_PerJur_Resp");
    return stem + QString::number(n) + u'_' + item;
}

QString col::premises(int n, const QString& item)
{
    return QStringLiteral("CP01_Activ_") + item + (n > 1 ? QString::number(n) : QString());
}

qint64 Cp01Record::id() const
{
    return fields.value(col::Id).toLongLong();
}

QString Cp01Record::text(const QString& column) const
{
    return fields.value(column).toString();
}

QDate Cp01Record::date(const QString& column) const
{
    return fields.value(column).toDate();
}

Cp01Record Cp01Record::derived(const QString& tramite) const
{
    Cp01Record next = *this;
    next.fields.remove(col::Id);
    next.fields.remove(col::FechaPres);
    next.fields.remove(col::TrigerIngreso);
    next.fields.remove(col::FormCp01);
    next.set(col::Tramite, tramite);
    return next;
}

void Cp01Record::setPersonType(const QString& personas)
{
    set(col::Personas, personas);
    if (personas == Juridicas && text(col::Firma).trimmed().isEmpty())
        set(col::Firma, QStringLiteral("Individual"));
}

}
