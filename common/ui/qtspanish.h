#pragma once

class QApplication;

namespace ventrix {

// Loads every Spanish catalogue Qt ships (standard buttons, file, print and preview dialogs)
// and the program's own Spanish for the few texts those catalogues leave in English.
void loadQtSpanish(QApplication& app);

}
