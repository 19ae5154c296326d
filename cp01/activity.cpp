#include "cp01/activity.h"

namespace ventrix::cp01 {

int ActivityTable::count() const
{
    int n = 0;
    for (const ActivityRow& r : m_rows)
        n += r.isEmpty() ? 0 : 1;
    return n;
}

int ActivityTable::firstEmpty() const
{
    for (int i = 0; i < Rows; ++i) {
        if (m_rows[i].isEmpty())
            return i;
    }
    return -1;
}

bool ActivityTable::holds(
    const QString& codigo, const std::optional<Rate>& alicuota, const std::optional<Money>& minimo) const
{
    for (const ActivityRow& r : m_rows) {
        if (!r.isEmpty() && r.codigo.trimmed() == codigo.trimmed() && r.alicuota == alicuota
            && r.baseMinimo == minimo)
            return true;
    }
    return false;
}

int ActivityTable::add(const ChosenActivity& activity)
{
    const int i = firstEmpty();
    if (i < 0)
        return -1;
    m_rows[i] = ActivityRow { activity.codigo, activity.denominacion, activity.alicuota, activity.numEmp,
        activity.baseMinimo, {}, {}, false };
    return i;
}

void ActivityTable::remove(int i)
{
    if (i < 0 || i >= Rows)
        return;
    for (int j = i; j + 1 < Rows; ++j)
        m_rows[j] = m_rows[j + 1];
    m_rows[Rows - 1] = {};
}

bool needsArticle183Warning(const QString& codigo)
{
    bool ok = false;
    const int c = codigo.trimmed().toInt(&ok);
    return ok && ((c >= 951110 && c <= 951927) || (c >= 959111 && c <= 959138));
}

}
