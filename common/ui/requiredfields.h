#pragma once

#include <QString>

class QWidget;

namespace ventrix {

// The check that a screen's required fields (dynamic property "required" = true) are filled.
class RequiredFields
{
public:
    static void mark(QWidget* field, bool required = true);

    // The first required field left empty, in focus order; hidden and disabled ones are skipped,
    // except those on a page that is not the current one.
    static QWidget* firstMissing(QWidget* container);
    // Its accessible name, else the text of the label that is its buddy, else its object name.
    static QString fieldName(const QWidget* field);
    static bool isEmpty(const QWidget* field);

    // false, with a message naming the first missing field, its page shown and the focus on it.
    static bool check(QWidget* container);
    static QString missingMessage(const QString& fieldName);
};

}
