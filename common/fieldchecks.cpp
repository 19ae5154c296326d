#include "common/fieldchecks.h"

#include "common/regional.h"

namespace ventrix {

std::optional<QDate> dateWithinLimits(QStringView text)
{
    const auto date = regional::parseDate(text);
    if (!date || *date < earliestDate() || *date > latestDate())
        return std::nullopt;
    return date;
}

bool isDateWithinLimits(QStringView text)
{
    return dateWithinLimits(text).has_value();
}

QDate monthEnd(QDate date)
{
    if (!date.isValid())
        return {};
    return QDate(date.year(), date.month(), date.daysInMonth());
}

QString digitsOnly(QStringView text)
{
    QString out;
    for (QChar c : text) {
        if (c >= u'0' && c <= u'9')
            out += c;
    }
    return out;
}

QString likeEscape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == u'%' || c == u'_' || c == u'\\')
            out += u'\\';
        out += c;
    }
    return out;
}

QString likePattern(QStringView text, LikeMatch match, bool blanksMatchAnything)
{
    QString pattern;
    if (blanksMatchAnything) {
        const auto words = text.split(u' ', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < words.size(); ++i)
            pattern += (i > 0 ? QStringLiteral("%") : QString()) + likeEscape(words[i]);
    } else {
        pattern = likeEscape(text.trimmed());
    }
    if (match == LikeMatch::Contains)
        pattern.prepend(u'%');
    return pattern + u'%';
}

}
