#pragma once

class QLineEdit;
class QWidget;

namespace vexa {

// What the user types into the field is turned into upper case as it is typed.
void WielkieLitery(QLineEdit* edit);

// Places a page's panel in the middle of the main window's client area: Left = (width −
// panel width) / 2, Top = (height − (panel height + 74)) / 2, never off the page.
void CentrujPanel(QWidget* panel);

} // namespace vexa
