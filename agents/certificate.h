#pragma once

#include "agents/agentoperation.h"
#include "agents/operationstore.h"
#include "common/print/printableform.h"

#include <QList>
#include <QString>

namespace ventrix::agents {

// One printed line of a certificate section: its label and the value that follows it.
struct CertificateItem
{
    QString label;
    QString value;
    bool operator==(const CertificateItem&) const = default;
};

// What the withholding certificate prints, every value as the screen shows it.
struct CertificateData
{
    QString numero; // "0012345", drawn for this print only
    QList<CertificateItem> agente; // "DATOS  REFERENCIALES  DEL  AGENTE  DE  RETENCION"
    QList<CertificateItem> retenido; // "DATOS  DEL CONTRIBUYENTE SUJETO A RETENCION"
    QList<CertificateItem> operacion; // "DATOS DE LA OPERACION"
    QString sonPesos;
    QString lugarYFecha;
};

CertificateData certificateData(const AgentData& agent, const AgentOperation& op, const QString& numero);

// A certificate number: a whole number from 1 to 9999999 with seven digits. It is printed only.
QString drawCertificateNumber();

// The withholding certificate ("Constancia de Retención"): one A4 portrait page.
class ConstanciaRetencion : public print::PrintableForm
{
public:
    explicit ConstanciaRetencion(CertificateData data);

    QString documentName() const override;
    int pageCount() const override { return 1; }
    void paintPage(int page, print::PageCanvas& canvas) override;

    const CertificateData& data() const { return m_data; }

private:
    void paintHeader(print::PageCanvas& canvas) const;
    void paintSection(
        print::PageCanvas& canvas, qreal y, const QString& title, const QList<CertificateItem>& items) const;
    void paintOperation(print::PageCanvas& canvas) const;

    CertificateData m_data;
};

}
