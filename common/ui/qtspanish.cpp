#include "common/ui/qtspanish.h"

#include <QApplication>
#include <QDir>
#include <QHash>
#include <QLibraryInfo>
#include <QTranslator>

namespace ventrix {
namespace {

// Texts of Qt's dialogs that its Spanish catalogues do not translate.
class SpanishGaps : public QTranslator
{
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(
        const char* context, const char* sourceText, const char* disambiguation, int n) const override
    {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        static const QHash<QString, QString> texts {
            { QStringLiteral("QPrintSettingsOutput|Pages"), QStringLiteral("Páginas") },
            { QStringLiteral("QPrintSettingsOutput|Double Sided Printing"),
                QStringLiteral("Impresión a doble faz") },
            { QStringLiteral("QPrintSettingsOutput|Off"), QStringLiteral("No") },
            { QStringLiteral("QPrintSettingsOutput|Long side binding"),
                QStringLiteral("Encuadernado por el lado largo") },
            { QStringLiteral("QPrintSettingsOutput|Short side binding"),
                QStringLiteral("Encuadernado por el lado corto") },
        };
        return texts.value(QString::fromUtf8(context) + u'|' + QString::fromUtf8(sourceText));
    }
};

}

void loadQtSpanish(QApplication& app)
{
    const QDir folder(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // qt_es is the catalogue of catalogues; the module ones are loaded too in case it is missing.
    for (const QString& file : folder.entryList({ QStringLiteral("qt*_es.qm") }, QDir::Files, QDir::Name)) {
        auto* translator = new QTranslator(&app);
        if (translator->load(folder.filePath(file)))
            QApplication::installTranslator(translator);
        else
            delete translator;
    }
    QApplication::installTranslator(new SpanishGaps(&app));
}

}
