#include "common/deliverycopier.h"
#include "common/removablevolumes.h"

#include "scriptedmessages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ventrix;

namespace {

const QString Name = QStringLiteral("CP03SID3_000123456.txt");

QString notice()
{
    return QStringLiteral("Por favor ingrese el disquette o la memoria USB en la unidad que corresponda; "
                          "en caso de tener más de una unidad el sistema explorará las unidades en orden\n"
                          "En la primera unidad disponible se hará la copia...");
}

QString question(const QString& root)
{
    return QStringLiteral("Está seguro que desea copiar en el disco ubicado en el drive \"") + root
        + QStringLiteral("/\"...");
}

QString declined(const QString& root)
{
    return QStringLiteral("Copia en disco ") + root + QStringLiteral("/ cancelada...");
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

class Copier : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(m_base.path()).mkpath(QStringLiteral("Archivos")));
        m_archivos = m_base.filePath(QStringLiteral("Archivos"));
        for (const char16_t* v : { u"usb1", u"usb2" }) {
            ASSERT_TRUE(QDir(m_base.path()).mkpath(QString::fromUtf16(v)));
            m_volumes << m_base.filePath(QString::fromUtf16(v));
        }
        m_contents.resize(300 * 1024);
        for (qsizetype i = 0; i < m_contents.size(); ++i)
            m_contents[i] = static_cast<char>(i * 7 % 251);
        QFile f(QDir(m_archivos).filePath(Name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(m_contents);
    }

    QString closing() const
    {
        return QStringLiteral("No se realizó la copia a disquette...\nUd. puede hacer la copia del arhivo ")
            + Name + QStringLiteral(" ubicado en ") + m_archivos
            + QStringLiteral(
                " y entregarlo en la AGT junto con el formulario impreso.\nVerifique que el número "
                "que acompaña al nombre del archivo coincida con el número de formulario que va a "
                "presentar...");
    }

    QByteArray copyOn(const QString& volume) const
    {
        QFile f(QDir(volume).filePath(Name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void expectSourceIntact() const
    {
        QFile f(QDir(m_archivos).filePath(Name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), m_contents);
    }

    QTemporaryDir m_base;
    QString m_archivos;
    QStringList m_volumes;
    QByteArray m_contents;
    test::ScriptedMessages m_messages;
};

}

TEST_F(Copier, NoVolumeGivesTheClosingMessage)
{
    DeliveryCopier copier(m_archivos);
    copier.setRoots({ m_base.filePath(QStringLiteral("not-mounted")) });
    EXPECT_EQ(copier.Copia_Diskette(Name), DeliveryCopier::Outcome::NotCopied);
    EXPECT_EQ(m_messages.texts(), (QStringList { notice(), closing() }));
}

TEST_F(Copier, DecliningTheFirstVolumeOffersTheNext)
{
    DeliveryCopier copier(m_archivos);
    copier.setRoots(m_volumes);
    m_messages.answer(Answer::No);
    m_messages.answer(Answer::Yes);
    EXPECT_EQ(copier.Copia_Diskette(Name), DeliveryCopier::Outcome::Copied);
    EXPECT_EQ(m_messages.texts(),
        (QStringList { notice(), question(m_volumes[0]), declined(m_volumes[0]), question(m_volumes[1]),
            QStringLiteral("Copia finalizada...") }));
    EXPECT_EQ(m_messages.shown()[1].icon, MessageIcon::Question);
    EXPECT_EQ(m_messages.shown()[1].buttons, MessageButtons::YesNo);
    EXPECT_EQ(entries(m_volumes[0]), QStringList {});
    EXPECT_EQ(entries(m_volumes[1]), QStringList { Name });
    EXPECT_EQ(copyOn(m_volumes[1]), m_contents);
}

TEST_F(Copier, AllDeclinedGivesTheClosingMessage)
{
    DeliveryCopier copier(m_archivos);
    copier.setRoots(m_volumes);
    m_messages.answer(Answer::No);
    m_messages.answer(Answer::No);
    EXPECT_EQ(copier.Copia_Diskette(Name), DeliveryCopier::Outcome::NotCopied);
    EXPECT_EQ(m_messages.texts(),
        (QStringList { notice(), question(m_volumes[0]), declined(m_volumes[0]), question(m_volumes[1]),
            declined(m_volumes[1]), closing() }));
}

TEST_F(Copier, AnOlderCopyIsReplaced)
{
    QFile old(QDir(m_volumes[0]).filePath(Name));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("older and different");
    old.close();
    DeliveryCopier copier(m_archivos);
    copier.setRoots(m_volumes);
    m_messages.answer(Answer::Yes);
    EXPECT_EQ(copier.Copia_Diskette(Name), DeliveryCopier::Outcome::Copied);
    EXPECT_EQ(copyOn(m_volumes[0]), m_contents);
    EXPECT_EQ(entries(m_volumes[0]), QStringList { Name });
}

TEST_F(Copier, AVolumeThatVanishesMidCopyIsReported)
{
    DeliveryCopier copier(m_archivos);
    copier.setRoots(m_volumes);
    int blocks = 0;
    copier.setProgress([&](qint64 copied, qint64 total) {
        EXPECT_EQ(total, m_contents.size());
        if (++blocks == 1 && copied < total)
            QDir(m_volumes[0]).removeRecursively();
    });
    m_messages.answer(Answer::Yes);
    EXPECT_EQ(copier.Copia_Diskette(Name), DeliveryCopier::Outcome::Failed);
    ASSERT_EQ(m_messages.shown().size(), 3);
    const Message& error = m_messages.shown().back();
    EXPECT_EQ(error.icon, MessageIcon::Critical);
    EXPECT_TRUE(error.text.startsWith(QStringLiteral("Error al realizar la copia en disquette ")
        + m_volumes[0] + QStringLiteral("/...\n")));
    EXPECT_TRUE(error.text.endsWith(QStringLiteral(
        "\n\nVerifique que el disco esté con Formato DOS/Windows, que tenga espacio disponible y que no esté "
        "protegido contra escritura...")));
    EXPECT_FALSE(QDir(m_volumes[0]).exists());
    EXPECT_EQ(entries(m_volumes[1]), QStringList {}); // the copy ends there: the next volume is not offered
    expectSourceIntact();
}

TEST_F(Copier, AFailedCopyLeavesNothingOnTheVolume)
{
    // The name is taken on the volume by a folder: the finished copy cannot be put in place.
    ASSERT_TRUE(QDir(m_volumes[0]).mkpath(Name + QStringLiteral("/inside")));
    QString error;
    EXPECT_FALSE(
        DeliveryCopier::copyVerified(QDir(m_archivos).filePath(Name), m_volumes[0], Name, {}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(entries(m_volumes[0]), QStringList { Name });
    EXPECT_TRUE(QFileInfo(QDir(m_volumes[0]).filePath(Name)).isDir());

    EXPECT_FALSE(DeliveryCopier::copyVerified(
        QDir(m_archivos).filePath(QStringLiteral("missing.txt")), m_volumes[1], Name, {}, &error));
    EXPECT_EQ(entries(m_volumes[1]), QStringList {});
    expectSourceIntact();
}

TEST_F(Copier, ConfiguredRootsReplaceTheProbe)
{
    qputenv("VENTRIX_REMOVABLE_ROOTS", (m_volumes[1] + u':' + m_volumes[0]).toLocal8Bit());
    EXPECT_EQ(removableVolumes(), (QStringList { m_volumes[1], m_volumes[0] }));
    DeliveryCopier copier(m_archivos); // default roots
    m_messages.answer(Answer::Yes);
    EXPECT_EQ(copier.Copia_Diskette(Name), DeliveryCopier::Outcome::Copied);
    qunsetenv("VENTRIX_REMOVABLE_ROOTS");
    EXPECT_EQ(m_messages.shown()[1].text, question(m_volumes[1]));
    EXPECT_EQ(copyOn(m_volumes[1]), m_contents);
    EXPECT_EQ(volumeDisplayPath(QStringLiteral("/media/ana/USB/")), QStringLiteral("/media/ana/USB/"));
}
