#include "common/print/printfonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QMutex>

namespace ventrix::print {
namespace {

struct Mapping
{
    const char16_t* formName;
    const char16_t* family;
    const char16_t* filePrefix;
};

constexpr Mapping kMappings[] = {
    { u"arial", u"Liberation Sans", u"LiberationSans" },
    { u"helvetica", u"Liberation Sans", u"LiberationSans" },
    { u"times new roman", u"Liberation Serif", u"LiberationSerif" },
    { u"courier new", u"Liberation Mono", u"LiberationMono" },
};

const QStringList& fontFolders()
{
    static const QStringList folders { QStringLiteral("/usr/share/fonts/truetype/liberation2"),
        QStringLiteral("/usr/share/fonts/truetype/liberation") };
    return folders;
}

// Without fontconfig (offscreen runs, minimal systems) the family may be unknown: load its files.
void ensureLoaded(const Mapping& m)
{
    static QMutex mutex;
    static QStringList loaded;
    const QString family = QString::fromUtf16(m.family);
    QMutexLocker lock(&mutex);
    if (loaded.contains(family))
        return;
    loaded << family;
    if (QFontDatabase::families().contains(family))
        return;
    for (const QString& folder : fontFolders()) {
        const QDir dir(folder);
        const QStringList files
            = dir.entryList({ QString::fromUtf16(m.filePrefix) + QStringLiteral("-*.ttf") }, QDir::Files);
        for (const QString& file : files)
            QFontDatabase::addApplicationFont(dir.filePath(file));
        if (!files.isEmpty())
            return;
    }
}

}

QString PrintFonts::family(const QString& formName)
{
    const QString key = formName.trimmed().toLower();
    for (const Mapping& m : kMappings) {
        if (key == QString::fromUtf16(m.formName)) {
            ensureLoaded(m);
            return QString::fromUtf16(m.family);
        }
    }
    return formName;
}

QFont PrintFonts::font(const QString& formName, qreal points, bool bold)
{
    QFont f(family(formName));
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferOutline);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

}
