// The main window with a document, rendered to a picture (the README's screenshot, and a look at
// the window on a machine without a display).
#pragma once

#include <QString>

namespace kesto::app {

class MainWindow;

// Opens `document` (a new document when empty), calculates every page, shows the window at a
// fixed size and writes it with its caption, the message window over its lower right corner,
// to `picture` (PNG).
bool saveScreenshot(MainWindow& window, const QString& document, const QString& picture);

}  // namespace kesto::app
