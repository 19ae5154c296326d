#include "agents/certificate.h"

#include "agentsfixture.h"
#include "common/print/pagecanvas.h"
#include "common/randomsource.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::agents;

namespace {

class Scripted : public RandomSource
{
public:
    QList<quint64> next;
    std::pair<quint64, quint64> asked;

protected:
    quint64 draw(quint64 low, quint64 high) override
    {
        asked = { low, high };
        return next.takeFirst();
    }
};

AgentData agent()
{
    AgentData a;
    a.numAgente = QStringLiteral("1234/1");
    a.cp01.insert(QStringLiteral("CP01_Contribuyente"), QStringLiteral("Agente SA"));
    a.cp01.insert(QStringLiteral("CP01_CUIT"), QStringLiteral("20-12345678/6"));
    a.cp01.insert(QStringLiteral("CP01_DomFisc_Domicilio"), QStringLiteral("Belgrano"));
    a.cp01.insert(QStringLiteral("CP01_DomFisc_Te_Caract"), QStringLiteral("0351"));
    a.cp01.insert(QStringLiteral("CP01_DomFisc_Telefono"), QStringLiteral("4222222"));
    return a;
}

// The page at 100 dpi, and where its ink lies in millimetres.
struct RenderedPage
{
    QImage image { 827, 1170, QImage::Format_RGB32 };
    explicit RenderedPage(ConstanciaRetencion& form)
    {
        image.fill(Qt::white);
        image.setDotsPerMeterX(3937);
        image.setDotsPerMeterY(3937);
        QPainter painter(&image);
        print::PageCanvas canvas(painter);
        form.paintPage(0, canvas);
    }
    bool inkIn(const QRectF& mm) const
    {
        const QRect px(int(mm.left() / 25.4 * 100), int(mm.top() / 25.4 * 100),
            int(mm.width() / 25.4 * 100) + 1, int(mm.height() / 25.4 * 100) + 1);
        for (int y = px.top(); y <= px.bottom() && y < image.height(); ++y)
            for (int x = px.left(); x <= px.right() && x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 160)
                    return true;
        return false;
    }
};

}

TEST(Certificate, DataAsTheScreenShowsIt)
{
    AgentOperation op = test::sampleOperation(QStringLiteral("Peña \"El Ñandú\""));
    const CertificateData d = certificateData(agent(), op, QStringLiteral("0000042"));
    EXPECT_EQ(d.numero, QStringLiteral("0000042"));
    ASSERT_EQ(d.agente.size(), 10);
    EXPECT_EQ(d.agente[0],
        (CertificateItem {
            QStringLiteral("Apellido y Nombre / Razón Social :"), QStringLiteral("Agente SA") }));
    EXPECT_EQ(d.agente[1],
        (CertificateItem { QStringLiteral("Número de Agente de Retención:"), QStringLiteral("1234/1") }));
    EXPECT_EQ(d.agente[9], (CertificateItem { QStringLiteral("Te.:"), QStringLiteral("0351-4222222") }));
    ASSERT_EQ(d.retenido.size(), 10);
    EXPECT_EQ(d.retenido[0].value, QStringLiteral("Peña \"El Ñandú\""));
    EXPECT_EQ(d.retenido[1],
        (CertificateItem {
            QStringLiteral("Número de Inscripción de I.S.I.B.:"), QStringLiteral("001-123456/00") }));
    const QList<CertificateItem> operacion { { QStringLiteral("Fecha de Retención (Pago):"),
                                                 QStringLiteral("10/03/2005") },
        { QStringLiteral("Base Imponible = $"), QStringLiteral("1.000,00") },
        { QStringLiteral("Alícuota (%) = "), QStringLiteral("2,5000") },
        { QStringLiteral("Importe Retenido = $"), QStringLiteral("25,00") } };
    EXPECT_EQ(d.operacion, operacion);
    EXPECT_EQ(d.sonPesos, QStringLiteral("25,00"));
    EXPECT_EQ(d.lugarYFecha, QStringLiteral("Capital 11/03/2005"));
}

TEST(Certificate, NumberHasSevenDigitsAndIsDrawnEachTime)
{
    Scripted scripted;
    scripted.next = { 42, 9999999 };
    RandomSource::install(&scripted);
    EXPECT_EQ(drawCertificateNumber(), QStringLiteral("0000042"));
    EXPECT_EQ(scripted.asked, (std::pair<quint64, quint64>(1, 9999999)));
    EXPECT_EQ(drawCertificateNumber(), QStringLiteral("9999999"));
    RandomSource::install(nullptr);
    // Printing twice gives two different numbers.
    EXPECT_NE(drawCertificateNumber(), drawCertificateNumber());
}

TEST(Certificate, PageStaysInsideItsFramesWithLongValues)
{
    AgentOperation op = test::sampleOperation(QString(100, QChar(u'W')));
    op.counterpart.domicilio = QString(100, QChar(u'M'));
    ConstanciaRetencion form(certificateData(agent(), op, QStringLiteral("1234567")));
    EXPECT_EQ(form.documentName(), QStringLiteral("Form Agente Retencion"));
    EXPECT_EQ(form.pageCount(), 1);
    RenderedPage page(form);
    // Frames from 5 mm to 190 mm across; nothing right of them nor below the signature.
    EXPECT_TRUE(page.inkIn(QRectF(4.5, 3.5, 1.5, 36)));
    EXPECT_TRUE(page.inkIn(QRectF(189.5, 3.5, 1.5, 36)));
    EXPECT_FALSE(page.inkIn(QRectF(191.5, 0, 18, 296)));
    EXPECT_FALSE(page.inkIn(QRectF(0, 188, 210, 108)));
    // The title, the section titles and the signature line where the authority puts them.
    EXPECT_TRUE(page.inkIn(QRectF(67, 42, 60, 4)));
    EXPECT_FALSE(page.inkIn(QRectF(40, 42, 25, 4)));
    EXPECT_TRUE(page.inkIn(QRectF(8, 52.5, 60, 3)));
    EXPECT_TRUE(page.inkIn(QRectF(8, 85.5, 60, 3)));
    EXPECT_TRUE(page.inkIn(QRectF(105, 172, 60, 3)));
    // The amount withheld and "Son Pesos:" on lines of their own.
    EXPECT_TRUE(page.inkIn(QRectF(8, 142, 40, 2)));
    EXPECT_FALSE(page.inkIn(QRectF(8, 145.6, 60, 2)));
    EXPECT_TRUE(page.inkIn(QRectF(8, 148.5, 20, 2)));
}
