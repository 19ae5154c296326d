#pragma once

#include <QString>
#include <QStringList>

namespace ventrix::print {

class PageCanvas;

// The five centred lines at the top of every form: the two ministry lines and the undersecretariat
// line (configurable), then the authority and the province.
struct AuthorityHeader
{
    QString ministry1 = QStringLiteral("GOBIERNO DE LA PROVINCIA DEL VALDERA");
    QString ministry2 = QStringLiteral("MINISTERIO DE ECONOMIA Y HACIENDA");
    QString undersecretariat = QStringLiteral("SUBSECRETARIA DE INGRESOS PUBLICOS");

    QStringList lines() const;

    // The header of this installation (the defaults until configuration changes them).
    static AuthorityHeader current();
    static void setCurrent(const AuthorityHeader& header);

    // Draws the lines centred on the column [left, left + width], the first at y and each next one
    // lineStep below, in the canvas's current font.
    void draw(PageCanvas& canvas, qreal left, qreal width, qreal y, qreal lineStep) const;
};

}
