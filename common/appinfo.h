#pragma once

#include <QString>

namespace ventrix {

// The product's name as the user sees it in captions and message titles.
QString productName();

// "Ventrix - Versión 1.0.0 -": the main window's caption.
QString mainCaption();

}
