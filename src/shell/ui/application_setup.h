#pragma once

class QApplication;

namespace kalmira {

// Process-wide settings both programs share: Hungarian locale and Qt's own
// Hungarian texts, the title, the hint colour, the program's icon.
void setUpApplication(QApplication &app, const char *title);

} // namespace kalmira
