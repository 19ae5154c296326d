#include "common/print/authorityheader.h"

#include "common/print/pagecanvas.h"

namespace ventrix::print {
namespace {

AuthorityHeader& stored()
{
    static AuthorityHeader header;
    return header;
}

}

QStringList AuthorityHeader::lines() const
{
    return { ministry1, ministry2, undersecretariat, QStringLiteral("AGENCIA GENERAL TRIBUTARIA"),
        QStringLiteral("PROVINCIA DEL VALDERA") };
}

AuthorityHeader AuthorityHeader::current()
{
    return stored();
}

void AuthorityHeader::setCurrent(const AuthorityHeader& header)
{
    stored() = header;
}

void AuthorityHeader::draw(PageCanvas& canvas, qreal left, qreal width, qreal y, qreal lineStep) const
{
    const QStringList all = lines();
    for (int i = 0; i < all.size(); ++i)
        canvas.alineaString(left, y + i * lineStep, width, all[i], ColumnAlign::Centre);
}

}
