#include "lists/ui/list_file_actions.h"

#include "ui/app_context.h"
#include "data/clock.h"
#include "data/error.h"
#include "data/messages.h"
#include "data/output_file.h"
#include "lists/list_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vexa {

namespace {

const QString kFiltr = QStringLiteral("Lista należności zagranicznych (*.lnz)");

QString folderList(const AppContext& ctx) {
    return QDir(ctx.programFolder).filePath(QStringLiteral("Listy"));
}

} // namespace

bool ZapiszListeDoPliku(AppContext& ctx, int idlisty, KolejnoscPozycji kolejnosc) {
    if (idlisty == 0) return false;
    ListRepository(ctx.db).wymaganaLista(idlisty);
    const QString plik = ctx.files.saveFileName(QStringLiteral("Export listy należności do pliku"),
                                                folderList(ctx), kFiltr, QStringLiteral("lnz"),
                                                PytanieONadpisanie::BezPytania); // asked below
    if (plik.isEmpty()) return false;
    if (QFileInfo::exists(plik) &&
        ctx.messages.Komunikat(KOMUNIKAT_PYTANIE,
                               QStringLiteral("Plik o taniej nazwie już istnieje!\r\rCzy chcesz "
                                              "go nadpisać?")) != TAK)
        return false;
    ZapiszPlik(plik, PlikListy(ctx.db, idlisty, kolejnosc, ctx.clock.today()));
    const QFileInfo info(plik);
    ctx.messages.Komunikat(
        KOMUNIKAT_INFORMACJA,
        QStringLiteral("Lista należności zagranicznych została zapisana do pliku.\r\rFolder: ") +
            QDir::toNativeSeparators(info.absolutePath()) + QStringLiteral("\rPlik: ") +
            info.fileName());
    return true;
}

int WczytajListeZPliku(AppContext& ctx) {
    const QString plik = ctx.files.openFileName(
        QStringLiteral("Import listy należności zagranicznych"), folderList(ctx), kFiltr);
    if (plik.isEmpty()) return 0;
    QFile f(plik);
    if (!f.open(QIODevice::ReadOnly))
        throw VexaError(QStringLiteral("Nie można odczytać pliku:\r") +
                        QDir::toNativeSeparators(plik) + QStringLiteral("\r\r") + f.errorString());
    const ListaZPliku lista = CzytajPlikListy(ctx.db, f.readAll());
    if (ctx.messages.Komunikat(KOMUNIKAT_PYTANIE, lista.pytanie()) != TAK) return 0;
    return ZaimportujListe(ctx.db, lista);
}

} // namespace vexa
