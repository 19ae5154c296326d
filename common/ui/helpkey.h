#pragma once

class QWidget;

namespace ventrix {

// The dynamic property a window (or any widget) carries with its help context id.
inline constexpr char HelpContextProperty[] = "helpContext";

void setHelpContext(QWidget* widget, int contextId);
// The context of the widget or of its nearest parent that has one; 0 when none has.
int helpContextOf(const QWidget* widget);

// Makes F1 in any window of the program open the help at the context of the focused widget
// (the contents when it has none). Installing it again does nothing.
void installHelpKey();

}
