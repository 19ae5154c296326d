#pragma once

class QWidget;
class QString;

namespace ventrix::test {

// Saves a picture of the widget as NAME.png into the folder named by VENTRIX_SCREENSHOT_DIR, so
// a person can look at the screens a test drove; does nothing when the variable is not set.
void saveScreenshot(QWidget* widget, const QString& name);

}
