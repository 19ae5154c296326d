#include "agents/certificate.h"

#include "agents/agentsmessages.h"
#include "common/print/authorityheader.h"
#include "common/print/pagecanvas.h"
#include "common/randomsource.h"
#include "common/regional.h"

namespace ventrix::agents {
namespace {

using print::PageCanvas;

const QString Arial = QStringLiteral("Arial");
constexpr qreal Radius = 1.5; // "0.15cm"
constexpr qreal Pen = 0.1; // "0.01cm"
constexpr qreal Width = 185;

QString telefono(const QString& caract, const QString& numero)
{
    return caract + u'-' + numero;
}

QString date(QDate d)
{
    return d.isValid() ? regional::formatDate(d) : QString();
}

template <typename T> QString shown(const std::optional<T>& v)
{
    return v ? v->toDisplay() : QString();
}

// Where each item of a section's rows starts: label and value placed left to right.
struct Slot
{
    int row;
    qreal x;
};
const Slot Slots[] = { { 0, 0 }, { 1, 0 }, { 1, 110 }, { 2, 0 }, { 2, 110 }, { 2, 140 }, { 2, 162 }, { 3, 0 },
    { 3, 80 }, { 3, 140 } };

}

CertificateData certificateData(const AgentData& a, const AgentOperation& op, const QString& numero)
{
    const Counterpart& c = op.counterpart;
    CertificateData d;
    d.numero = numero;
    const QString name = QStringLiteral("Apellido y Nombre / Razón Social :");
    d.agente = { { name, a.text(QStringLiteral("CP01_Contribuyente")) },
        { QStringLiteral("Número de Agente de Retención:"), a.numAgente },
        { QStringLiteral("C.U.I.T.:"), a.text(QStringLiteral("CP01_CUIT")) },
        { QStringLiteral("Domicilio (calle):"), a.text(QStringLiteral("CP01_DomFisc_Domicilio")) },
        { QStringLiteral("Número :"), a.text(QStringLiteral("CP01_DomFisc_DomNumero")) },
        { QStringLiteral("Piso :"), a.text(QStringLiteral("CP01_DomFisc_Piso")) },
        { QStringLiteral("Dpto :"), a.text(QStringLiteral("CP01_DomFisc_Depto")) },
        { QStringLiteral("Localidad:"), a.text(QStringLiteral("CP01_DomFisc_Localidad")) },
        { QStringLiteral("Provincia:"), a.text(QStringLiteral("CP01_DomFisc_Provincia")) },
        { QStringLiteral("Te.:"),
            telefono(a.text(QStringLiteral("CP01_DomFisc_Te_Caract")),
                a.text(QStringLiteral("CP01_DomFisc_Telefono"))) } };
    d.retenido
        = { { name, c.contribuyente }, { QStringLiteral("Número de Inscripción de I.S.I.B.:"), c.iBrutos },
              { QStringLiteral("C.U.I.T.:"), c.cuit }, { QStringLiteral("Domicilio (calle):"), c.domicilio },
              { QStringLiteral("Número :"), c.domNumero }, { QStringLiteral("Piso :"), c.piso },
              { QStringLiteral("Dpto :"), c.depto }, { QStringLiteral("Localidad:"), c.localidad },
              { QStringLiteral("Provincia:"), c.provincia },
              { QStringLiteral("Te.:"), telefono(c.teCaract, c.telefono) } };
    d.operacion = { { QStringLiteral("Fecha de Retención (Pago):"), date(op.fecha) },
        { QStringLiteral("Base Imponible = $"), shown(op.base) },
        { QStringLiteral("Alícuota (%) = "), shown(op.alicuota) },
        { QStringLiteral("Importe Retenido = $"), shown(op.importe) } };
    d.sonPesos = shown(op.importe);
    d.lugarYFecha = op.lugar + u' ' + date(op.lugarFecha);
    return d;
}

QString drawCertificateNumber()
{
    return QStringLiteral("%1").arg(RandomSource::bounded(1, 9999999), 7, 10, QLatin1Char('0'));
}

ConstanciaRetencion::ConstanciaRetencion(CertificateData data)
    : m_data(std::move(data))
{
}

QString ConstanciaRetencion::documentName() const
{
    return msg::trabajoImpresion();
}

void ConstanciaRetencion::paintPage(int, PageCanvas& canvas)
{
    canvas.setOrigin(QPointF(5, 1));
    canvas.setPenWidth(Pen);
    paintHeader(canvas);
    canvas.setFont(Arial, 12, true);
    canvas.text(62, 41, QStringLiteral("CONSTANCIA  DE  RETENCION"));
    paintSection(
        canvas, 51, QStringLiteral("DATOS  REFERENCIALES  DEL  AGENTE  DE  RETENCION"), m_data.agente);
    paintSection(canvas, 84, QStringLiteral("DATOS  DEL CONTRIBUYENTE SUJETO A RETENCION"), m_data.retenido);
    paintOperation(canvas);
}

void ConstanciaRetencion::paintHeader(PageCanvas& canvas) const
{
    canvas.roundedFrame(QRectF(0, 3, Width, 35), Radius);
    QStringList lines = print::AuthorityHeader::current().lines();
    // This certificate names the province without the article.
    lines.last() = QStringLiteral("PROVINCIA DE VALDERA");
    const qreal sizes[] = { 8, 8, 8, 10, 12 };
    qreal y = 6;
    for (int i = 0; i < lines.size(); ++i) {
        canvas.setFont(Arial, sizes[i], true);
        canvas.text(QRectF(2, y, 100, 6), lines[i], Qt::AlignHCenter | Qt::AlignTop);
        y += sizes[i] >= 10 ? 6 : 4.5;
    }
    canvas.setFont(Arial, 12);
    canvas.text(112, 6, QStringLiteral("Comprobante Nº ") + m_data.numero);
    canvas.setFont(Arial, 10, true);
    canvas.text(112, 14, QStringLiteral("IMPUESTO S/LOS INGRESOS BRUTOS"));
    canvas.setFont(Arial, 14);
    canvas.text(112, 21, QStringLiteral("SECTOR DE AGENTES DE"));
    canvas.setFont(Arial, 14, true);
    canvas.text(112, 28, QStringLiteral("RETENCION"));
}

void ConstanciaRetencion::paintSection(
    PageCanvas& canvas, qreal y, const QString& title, const QList<CertificateItem>& items) const
{
    canvas.roundedFrame(QRectF(0, y - 2, Width, 30), Radius);
    canvas.setFont(Arial, 10, true);
    canvas.text(3, y, title);
    canvas.setFont(Arial, 10);
    for (qsizetype i = 0; i < items.size() && i < qsizetype(std::size(Slots)); ++i) {
        const Slot& s = Slots[i];
        const qreal x = 3 + s.x;
        const qreal rowY = y + 6 + s.row * 5.5;
        canvas.text(x, rowY, items[i].label);
        const qreal valueX = x + canvas.textWidth(items[i].label) + 1;
        // The value ends before the next item of the row, or the frame.
        const qreal next = (i + 1 < qsizetype(std::size(Slots)) && Slots[i + 1].row == s.row)
            ? 3 + Slots[i + 1].x - 1
            : Width - 2;
        canvas.alineaString(valueX, rowY, next - valueX, items[i].value, print::ColumnAlign::Left);
    }
}

void ConstanciaRetencion::paintOperation(PageCanvas& canvas) const
{
    canvas.roundedFrame(QRectF(0, 120, Width, 65), Radius);
    canvas.setFont(Arial, 10, true);
    canvas.text(3, 122, QStringLiteral("DATOS DE LA OPERACION"));
    canvas.setFont(Arial, 10);
    // Four lines between the title and "Son Pesos:", which must not run into each other.
    qreal y = 127;
    for (const CertificateItem& item : m_data.operacion) {
        const QString gap = item.label.endsWith(u':') ? QStringLiteral(" ") : QString();
        canvas.text(3, y, item.label + gap + item.value);
        y += 4.5;
    }
    canvas.text(3, 147, QStringLiteral("Son Pesos: ") + m_data.sonPesos);
    canvas.text(3, 160, QStringLiteral("Lugar y Fecha: ") + m_data.lugarYFecha);
    canvas.text(100, 170, QStringLiteral("Firma:____________________________________"));
    canvas.text(100, 176, QStringLiteral("Aclaración:________________________________"));
}

}
