#pragma once

class QWidget;

namespace vexa {

struct AppContext;

// What the person list runs each time it is rebuilt: fills the empty tax-office and
// postal-code tables from us.txt and kp.txt in the program's folder, with the information
// before and after each load and a progress window when a load takes longer than a moment.
void UzupelnijUrzedyIKodyZPostepem(AppContext& ctx, QWidget* parent);

} // namespace vexa
