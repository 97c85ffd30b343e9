#include "persons/ui/lookup_loading.h"

#include "ui/app_context.h"
#include "data/error.h"
#include "data/messages.h"
#include "persons/lookups.h"

#include <QProgressDialog>

namespace vexa {

void UzupelnijUrzedyIKodyZPostepem(AppContext& ctx, QWidget* parent) {
    QProgressDialog postep(QStringLiteral("Ładowanie danych..."), QString(), 0, 1000, parent);
    postep.setObjectName(QStringLiteral("ppostep"));
    postep.setWindowTitle(QStringLiteral("VEXA-F"));
    postep.setWindowModality(Qt::WindowModal);
    postep.setMinimumDuration(400);
    postep.setAutoClose(false);
    postep.setAutoReset(false);
    postep.reset(); // nothing is shown until a load runs long enough
    try {
        UzupelnijUrzedyIKody(ctx.db, ctx.messages, ctx.programFolder,
                             [&postep](qint64 wczytano, qint64 razem) {
                                 postep.setValue(razem > 0 ? int(wczytano * 1000 / razem) : 1000);
                             });
    } catch (const VexaError& e) {
        ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, e.message());
    }
    postep.reset();
}

} // namespace vexa
