#pragma once

// Helpers of the list page tests: a logged-in window over a configured unit, lists made through
// the repository or the generation, the grids clicked where a user clicks, and modal dialogs
// answered while they are shown.

#include "data/codepage.h"
#include "data/settings.h"
#include "lists/generation.h"
#include "persons/person_repository.h"
#include "support/app_fixture.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace listui {

// The unit of the list tests: grade kpr. (multiplier 1.5), base pay 4000, hygiene 90 / 100,
// cash in USD, accounts in PLN; logged in.
inline void przygotuj(AppFixture& f) {
    for (auto [k, v] : {std::pair{"DANE", "T"},
                        {"NRIDENT", "1234567"},
                        {"SKROT", "PKW"},
                        {"NAZWA1", "JW"},
                        {"DOWODCA1", "DOWÓDCA"},
                        {"WALUTAZALICZKI", "USD"},
                        {"WALUTARACHUNEK", "PLN"}})
        vexa::Zapis(f.db(), k, v);
    vexa::ZapisSetne(f.db(), "UPOSAZENIE", 4000);
    vexa::ZapisSetne(f.db(), "ZWNALMON", 10.2);
    vexa::ZapisSetne(f.db(), "SRHIGIENYM", 90);
    vexa::ZapisSetne(f.db(), "SRHIGIENYK", 100);
    f.db().exec("insert into ste (skrot, nazwa, mnoznik) values ('kpr.', 'KAPRAL', 1.5)");
    QVERIFY(f.show());
    f.login();
}

// A soldier of sub-unit KOMP with grade kpr.
inline int osoba(AppFixture& f, const QString& surname, const QString& pesel,
                 QDate start = QDate(2027, 1, 1)) {
    vexa::PersonRepository repo(f.db());
    vexa::Osoba o = repo.nowa("Z", QDate(2027, 1, 1));
    o.nazwisko = surname;
    o.imie = "JAN";
    o.pesel = pesel;
    o.ste = "kpr.";
    o.nis = "N-" + surname;
    o.skrotpododdzialu = "KOMP";
    o.datanabycia = start;
    o.datautraty = QDate(2999, 1, 1);
    return repo.dopisz(o);
}

// A full (or additional) list of March 2027 generated for the persons there are, with a header
// that passes every check.
inline int lista(AppFixture& f, bool dodatkowa = false, const QString& rodzaj = QString()) {
    vexa::NowaLista n;
    n.miesiac = 3;
    n.rok = 2027;
    n.nr = "1/2027 A";
    n.kurszaliczki = 4;
    n.kursrach = 1;
    n.dodatkowa = dodatkowa;
    n.rodzaj = rodzaj;
    vexa::BrakKomunikatow quiet;
    const int id = vexa::UtworzListe(f.db(), quiet, n, QDate(2027, 3, 31));
    vexa::ListRepository repo(f.db());
    vexa::Lista l = repo.lista(id);
    l.datawykonania = QDate(2027, 3, 31);
    l.dowodca3 = "płk A. B.";
    l.zgodnoscetatowa = "kpt. C. D.";
    l.wykonal = "st. chor. E. F.";
    l.finansista = "mjr G. H.";
    l.tabelazaliczki = "001/A/NBP/2027";
    repo.zapiszListe(l);
    return id;
}

inline QWidget* strona(AppFixture& f, const char* name) {
    return f.window().strona(name);
}

template <class T> T* na(AppFixture& f, const char* page, const char* name) {
    return strona(f, page)->findChild<T*>(QString::fromLatin1(name));
}

inline void klik(AppFixture& f, const char* page, const char* button) {
    auto* b = na<QAbstractButton>(f, page, button);
    QVERIFY2(b, button);
    b->click();
}

// A click on a cell of a grid, where the mouse would press it.
inline void klikKomorke(QTableView* grid, int row, int column) {
    const QModelIndex index = grid->model()->index(row, column);
    grid->scrollTo(index);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                      grid->visualRect(index).center());
}

inline void klikTytul(QTableView* grid, int column) {
    QHeaderView* h = grid->horizontalHeader();
    QTest::mouseClick(
        h->viewport(), Qt::LeftButton, Qt::NoModifier,
        QPoint(h->sectionViewportPosition(column) + h->sectionSize(column) / 2, h->height() / 2));
}

inline QString komorka(QTableView* grid, int row, int column) {
    return grid->model()->index(row, column).data().toString();
}

// Types over the field's text key by key, as the keyboard does.
inline void wpisz(QLineEdit* e, const QString& text) {
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Runs `what` on the modal dialog of type D as soon as it is shown; *seen tells the test that the
// dialog did open.
template <class D> void naDialogu(std::function<void(D*)> what, bool* seen) {
    *seen = false;
    QTimer::singleShot(0, [what, seen] {
        if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) {
            *seen = true;
            what(d);
        }
    });
}

inline QString zaz(AppFixture& f, const char* table, int id) {
    return f.db().scalar(QString("select zaz from %1 where id = ?").arg(table), {id}).toString();
}

inline const QString ZAZ = QString(vexa::ZAZ_ZAZNACZONY);
inline const QString NIEZAZ = QString(vexa::ZAZ_NIEZAZNACZONY);

} // namespace listui
