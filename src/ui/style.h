#pragma once

class QApplication;

namespace vexa {

// The program's look: one style sheet for every window, fonts with every Polish letter.
void UstawWyglad(QApplication& app);

// Qt's own Polish texts (file, print and message dialogs, context menus), whatever the system's
// locale: the program speaks Polish everywhere. False when the translation is not installed.
bool ZaladujTlumaczeniaQt(QApplication& app);

} // namespace vexa
