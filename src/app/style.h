#pragma once

class QApplication;

namespace vexa {

// The program's look: one style sheet for every window, fonts with every Polish letter.
void UstawWyglad(QApplication& app);

} // namespace vexa
