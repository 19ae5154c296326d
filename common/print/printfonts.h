#pragma once

#include <QFont>
#include <QString>

namespace ventrix::print {

// Resolves the font names the forms use ("Arial", "times new roman") to installed metric-compatible
// families, loading the Liberation files directly when the system font list does not offer them.
class PrintFonts
{
public:
    static QString family(const QString& formName);
    static QFont font(const QString& formName, qreal points, bool bold = false);
};

}
