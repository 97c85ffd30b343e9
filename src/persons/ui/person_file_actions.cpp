#include "persons/ui/person_file_actions.h"

#include "ui/app_context.h"
#include "data/error.h"
#include "data/messages.h"
#include "data/output_file.h"
#include "persons/person_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vexa {

namespace {

const QString kBrakZaznaczonych = QStringLiteral("Nie zaznaczono żadnej osoby w kartotece!");

QString folder(const AppContext& ctx, const char* name) {
    return QDir(ctx.programFolder).filePath(QString::fromLatin1(name));
}

} // namespace

void ZapiszOsobyDoPliku(AppContext& ctx, const QList<int>& listowane) {
    int ile = 0;
    const QByteArray bytes = PlikOsob(ctx.db, listowane, &ile);
    if (ile == 0) {
        ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, kBrakZaznaczonych);
        return;
    }
    const QString plik =
        ctx.files.saveFileName(QStringLiteral("Wprowadź nazwę pliku"), folder(ctx, "Osoby"),
                               QStringLiteral("Pliki z osobami (*.os)"), QStringLiteral("os"),
                               PytanieONadpisanie::BezPytania); // an existing file is overwritten
    if (plik.isEmpty()) return;
    ZapiszPlik(plik, bytes);
    ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA,
                           QStringLiteral("Plik został wygenerowany...\r\rLiczba osób: ") +
                               QString::number(ile));
}

bool WczytajOsobyZPliku(AppContext& ctx, const QSet<QString>& listowanePesele) {
    const QString plik =
        ctx.files.openFileName(QStringLiteral("Wybierz plik"), folder(ctx, "Osoby"),
                               QStringLiteral("Pliki z osobami (*.os)"));
    if (plik.isEmpty()) return false;
    QFile f(plik);
    if (!f.open(QIODevice::ReadOnly))
        throw VexaError(QStringLiteral("Nie można odczytać pliku:\r") +
                        QDir::toNativeSeparators(plik) + QStringLiteral("\r\r") + f.errorString());
    const int ile = DopiszOsobyZPliku(ctx.db, CzytajPlikOsob(ctx.db, f.readAll()), listowanePesele);
    ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA,
                           QStringLiteral("Osoby z pliku zostały dopisane...\r\rLiczba osób: ") +
                               QString::number(ile));
    return ile > 0;
}

void GenerujPlikOsobZwsi(AppContext& ctx, const QList<int>& listowane) {
    if (listowane.isEmpty()) return;
    if (IluZaznaczonych(ctx.db, listowane) == 0) {
        ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, kBrakZaznaczonych);
        return;
    }
    const QString plik = ctx.files.saveFileName(
        QStringLiteral("Wprowadź nazwę pliku"), QDir(folder(ctx, "Listy")).filePath("osoby"),
        QStringLiteral("Pliki tekstowe (*.txt)"), QStringLiteral("txt"),
        PytanieONadpisanie::BezPytania); // asked below
    if (plik.isEmpty()) return;
    if (QFileInfo::exists(plik) &&
        ctx.messages.Komunikat(KOMUNIKAT_PYTANIE,
                               QStringLiteral("Plik o takiej nazwie już istnieje!\r\rCzy chcesz "
                                              "go nadpisać?")) != TAK)
        return;
    QList<int> wyslane;
    ZapiszPlik(plik, PlikOsobZwsi(ctx.db, listowane, &wyslane));
    OznaczWyslaneDoZwsi(ctx.db, wyslane);
    ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, QStringLiteral("Plik został wygenerowany..."));
}

} // namespace vexa
