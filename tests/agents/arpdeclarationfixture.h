#pragma once

#include "agents/declarationform.h"
#include "agentsfixture.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QTextItem>

namespace ventrix::test {

// A text painted on a page: where its baseline starts, in millimetres, and its font size.
struct PlacedText
{
    QString text;
    QPointF mm;
};

// A page of A4 at 300 dpi that keeps the texts painted on it with their places and draws nothing.
class PlacedTextRecorder : public QPaintDevice
{
public:
    QList<PlacedText> texts;

    QPaintEngine* paintEngine() const override { return &m_engine; }

    QStringList plain() const
    {
        QStringList out;
        for (const PlacedText& t : texts)
            out << t.text;
        return out;
    }
    const PlacedText* find(const QString& text) const
    {
        for (const PlacedText& t : texts)
            if (t.text == text)
                return &t;
        return nullptr;
    }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
            return 2480;
        case PdmHeight:
            return 3508;
        case PdmWidthMM:
            return 210;
        case PdmHeightMM:
            return 297;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 300;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 0x7fffffff;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    class Engine : public QPaintEngine
    {
    public:
        explicit Engine(QList<PlacedText>& texts)
            : QPaintEngine(AllFeatures)
            , m_texts(texts)
        {
        }
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState& changed) override
        {
            if (changed.state() & DirtyTransform)
                m_transform = changed.transform();
        }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { }
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override { }
        void drawPath(const QPainterPath&) override { }
        void drawRects(const QRectF*, int) override { }
        void drawLines(const QLineF*, int) override { }
        void drawTextItem(const QPointF& p, const QTextItem& item) override
        {
            const QPointF device = m_transform.map(p);
            m_texts.append({ item.text(), device * 25.4 / 300.0 });
        }
        Type type() const override { return User; }

    private:
        QList<PlacedText>& m_texts;
        QTransform m_transform;
    };
    mutable Engine m_engine { texts };
};

// An agent with withholdings and perceptions to declare.
struct ArpDeclarationFixture : AgentsFixture
{
    qint64 withholding(const QString& who, const QString& cuit, const QString& ib, const QString& recibo,
        QDate fecha, qint64 base, qint64 alicuota, qint64 importe)
    {
        return execInsert(t.db(),
            QStringLiteral("INSERT INTO Form_AgentRetencion (CP01_ID, AgRet_Contribuyente, AgRet_CUIT, "
                           "AgRet_IBrutos, AgRet_NumRecibo, AgRet_Fecha_Retencion, AgRet_BaseImp, "
                           "AgRet_Alicuota, AgRet_Imp_Retenido) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            { cp01Id, who, cuit, ib, recibo, fecha.toString(Qt::ISODate), base, alicuota, importe })
            .toLongLong();
    }
    qint64 perception(const QString& who, const QString& cuit, const QString& ib, const QString& factura,
        QDate fecha, qint64 base, qint64 alicuota, qint64 importe)
    {
        return execInsert(t.db(),
            QStringLiteral("INSERT INTO Form_AgentPercepcion (CP01_ID, AgPer_Contribuyente, AgPer_CUIT, "
                           "AgPer_IBrutos, AgPer_NumFactura, AgPer_Fecha_Percepcion, AgPer_BaseImp, "
                           "AgPer_Alicuota, AgPer_Imp_Percibido) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            { cp01Id, who, cuit, ib, factura, fecha.toString(Qt::ISODate), base, alicuota, importe })
            .toLongLong();
    }
    qint64 deposit(
        const QString& operacion, const agents::ArpPeriod& p, QDate pago, const QString& form, qint64 cents)
    {
        return execInsert(t.db(),
            QStringLiteral(
                "INSERT INTO Form_ARP (CP01_ID, Arp_Operacion, Arp_Desde, Arp_Hasta, Arp_FechaPago, "
                "Arp_NumFormulario, Arp_Importe_Depositado) VALUES (?, ?, ?, ?, ?, ?, ?)"),
            { cp01Id, operacion, p.desde.toString(Qt::ISODate), p.hasta.toString(Qt::ISODate),
                pago.toString(Qt::ISODate), form, cents })
            .toLongLong();
    }
    // Marks the month as declared with the number, as the declaration does.
    agents::MonthlyDeclaration declare(
        agents::AgentRegister which, const agents::ArpPeriod& p, const QString& numero, QDate today)
    {
        agents::DeclarationStore store(access, agents::RegisterKind::of(which));
        const auto stored = store.AlmacenarDDJJ(cmdId, p, numero, today);
        if (!stored)
            ADD_FAILURE() << stored.error().toStdString();
        return { which, p, numero, today };
    }
};

// The authority's scrambling written out on its own: byte i (1-based) plus key byte
// ((i mod key length) + 1) plus 50, modulo 256; CR LF after each record, unscrambled.
inline QByteArray scrambledFile(const QList<QByteArray>& records, const QByteArray& key)
{
    QByteArray out;
    for (const QByteArray& r : records) {
        for (int i = 1; i <= r.size(); ++i) {
            const int k = (i % key.size()) + 1;
            out.append(char((quint8(r.at(i - 1)) + quint8(key.at(k - 1)) + 50) % 256));
        }
        out.append("\r\n");
    }
    return out;
}

}
