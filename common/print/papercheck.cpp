#include "common/print/papercheck.h"

#include "common/messages.h"
#include "common/print/printtexts.h"

namespace ventrix::print {

bool acceptPaper(const QSizeF& paperMm)
{
    if (paperMm.width() >= 195 && paperMm.height() >= 290)
        return true;
    if (!askYesNo(msg::notA4Question(), MessageIcon::Critical, false))
        return false;
    inform(msg::notA4Warning());
    return true;
}

bool reportPrintCancelled()
{
    inform(msg::cancelledByUser());
    return false;
}

}
