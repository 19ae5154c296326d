#include "common/print/papercheck.h"

#include "common/messages.h"
#include "common/print/printtexts.h"

namespace ventrix::print {

bool acceptPaper(const QSizeF& paperMm)
{
    if (paperMm.width() >= 195 && paperMm.height() >= 290)
        return true;
    if (!askYesNo(texts::notA4Question(), MessageIcon::Critical, false))
        return false;
    inform(texts::notA4Warning());
    return true;
}

bool reportPrintCancelled()
{
    inform(texts::cancelledByUser());
    return false;
}

}
