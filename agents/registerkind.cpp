#include "agents/registerkind.h"

#include "agents/agentsmessages.h"

namespace ventrix::agents {

const RegisterKind& RegisterKind::retenciones()
{
    static const RegisterKind kind { AgentRegister::Retenciones, QStringLiteral("Form_AgentRetencion"),
        QStringLiteral("AgRet"), QStringLiteral("AgRet_ID"), QStringLiteral("AgRet_NumAgReten"),
        QStringLiteral("CMD_NumAgenteRetencion"), QStringLiteral("AgRet_NumRecibo"),
        QStringLiteral("AgRet_Fecha_Retencion"), QStringLiteral("AgRet_Imp_Retenido"),
        QStringLiteral("Retención"), QStringLiteral("retención"), true };
    return kind;
}

const RegisterKind& RegisterKind::percepciones()
{
    static const RegisterKind kind { AgentRegister::Percepciones, QStringLiteral("Form_AgentPercepcion"),
        QStringLiteral("AgPer"), QStringLiteral("AgPer_ID"), QStringLiteral("AgPer_NumAgPercep"),
        QStringLiteral("CMD_NumAgentePercepcion"), QStringLiteral("AgPer_NumFactura"),
        QStringLiteral("AgPer_Fecha_Percepcion"), QStringLiteral("AgPer_Imp_Percibido"),
        QStringLiteral("Percepción"), QStringLiteral("percepción"), false };
    return kind;
}

const RegisterKind& RegisterKind::of(AgentRegister which)
{
    return which == AgentRegister::Retenciones ? retenciones() : percepciones();
}

QString RegisterKind::incompleteMessage() const
{
    return which == AgentRegister::Retenciones ? msg::incompletoRetencion() : msg::incompletoPercepcion();
}

QString RegisterKind::selfOperationMessage() const
{
    return which == AgentRegister::Retenciones ? msg::autoretencion() : msg::autopercepcion();
}

QString RegisterKind::numberLookupError() const
{
    return which == AgentRegister::Retenciones ? msg::errorNumAgenteRetencion()
                                               : msg::errorNumAgentePercepcion();
}

}
