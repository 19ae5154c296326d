#include "app/textfold.h"

#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

namespace ventrix {
namespace {

QString argumentText(sqlite3_value* value)
{
    const auto* data = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return QString::fromUtf8(data, sqlite3_value_bytes(value));
}

void resultText(sqlite3_context* context, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text(context, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

template <QString (*Fold)(const QString&)>
void sqlFold(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    resultText(context, Fold(argumentText(argv[0])));
}

bool addFunction(sqlite3* handle, const char* name, void (*function)(sqlite3_context*, int, sqlite3_value**))
{
    return sqlite3_create_function_v2(handle, name, 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, function,
                                      nullptr, nullptr, nullptr)
        == SQLITE_OK;
}

}

QString foldIdentification(const QString& text)
{
    return text.toUpper();
}

QString sortKey(const QString& text)
{
    const QString decomposed = text.toUpper().normalized(QString::NormalizationForm_D);
    QString key;
    key.reserve(decomposed.size());
    for (qsizetype i = 0; i < decomposed.size(); ++i) {
        const QChar c = decomposed.at(i);
        if (c.category() != QChar::Mark_NonSpacing) {
            key.append(c);
            continue;
        }
        // A tilde over N makes the Spanish letter Ñ, which sorts between N and O.
        if (c == QChar(0x0303) && !key.isEmpty() && key.back() == u'N')
            key.append(QChar(0xFFEE));
    }
    return key;
}

bool registerTextFunctions(QSqlDatabase db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    auto* sqlite = *static_cast<sqlite3* const*>(handle.data());
    if (!sqlite)
        return false;
    return addFunction(sqlite, "vx_upper", sqlFold<foldIdentification>)
        && addFunction(sqlite, "vx_sortkey", sqlFold<sortKey>);
}

}
