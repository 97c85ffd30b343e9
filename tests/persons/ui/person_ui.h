#pragma once

// Helpers of the person page tests: a logged-in window over a unit with one sub-unit, persons
// written straight into the database, typing as the keyboard does and answering modal dialogs.

#include "data/codepage.h"
#include "data/settings.h"
#include "persons/person_repository.h"
#include "support/app_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace personui {

// A valid PESEL from its first ten digits.
inline QString pesel(const QString& ten) {
    static const int w[] = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
    int sum = 0;
    for (int i = 0; i < 10; ++i)
        sum += ten.at(i).digitValue() * w[i];
    return ten + QString::number((10 - sum % 10) % 10);
}

// The unit's settings, a sub-unit KOMP and look-up tables that need no loading; logged in.
inline void przygotuj(AppFixture& f) {
    for (auto [k, v] : {std::pair{"DANE", "T"},
                        {"NRIDENT", "1234567"},
                        {"SKROT", "PKW"},
                        {"NRETATU", "AA 001"},
                        {"WALUTAZALICZKI", "USD"}})
        vexa::Zapis(f.db(), k, v);
    f.db().exec("insert into pododdzial (skrot, nazwa) values ('KOMP', 'KOMPANIA'), "
                "('LOG', 'LOGISTYKA')");
    f.db().exec("insert into urzedy_skarbowe (nazwa, ulica, kod, kod_is) values "
                "('URZĄD SKARBOWY W PUŁTUSKU', 'RYNEK 1', '06-100 PUŁTUSK', '1436')");
    f.db().exec("insert into kody_pocztowe (kod, poczta, gmina, powiat, woj) values "
                "('06-100', 'PUŁTUSK', 'PUŁTUSK', 'pułtuski', 'mazowieckie')");
    QVERIFY(f.show());
    f.login();
}

// A person to write: the surname, then what differs from an active soldier of KOMP.
struct Dane {
    explicit Dane(const QString& n) : nazwisko(n) {}
    Dane& zImieniem(const QString& v) { return imie = v, *this; }
    Dane& zPeselem(const QString& v) { return pesel = v, *this; }
    Dane& pracownik() { return zp = "P", *this; }
    Dane& nieaktywna() { return akt = "N", *this; }
    Dane& wPododdziale(const QString& v) { return pododdzial = v, *this; }
    Dane& dopisana(QDate v) { return dopisany = v, *this; }
    Dane& zZaliczka(double v) { return zaliczka = v, *this; }

    QString nazwisko, imie = "JAN", pesel, zp = "Z", akt = "T", pododdzial = "KOMP";
    QDate dopisany = QDate(2027, 1, 1);
    double zaliczka = 0;
};

// A complete person written without the checks of the page.
inline int osoba(AppFixture& f, const Dane& d) {
    vexa::PersonRepository repo(f.db());
    vexa::Osoba o = repo.nowa(d.zp, d.dopisany);
    o.nazwisko = d.nazwisko;
    o.imie = d.imie;
    o.pesel = d.pesel;
    o.akt = d.akt;
    o.skrotpododdzialu = d.pododdzial;
    o.ste = "KPR.";
    o.nis = "N-" + d.nazwisko;
    o.stanowisko = "STRZELEC";
    o.datanabycia = QDate(2027, 1, 1);
    o.zaliczka = d.zaliczka;
    return repo.dopisz(o);
}

inline QWidget* strona(AppFixture& f, const char* name) {
    return f.window().strona(name);
}

template <class T> T* na(AppFixture& f, const char* page, const char* name) {
    return strona(f, page)->findChild<T*>(QString::fromLatin1(name));
}

// Types over the field's text key by key.
inline void wpisz(QLineEdit* e, const QString& text) {
    e->setFocus();
    e->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(e, Qt::Key_Delete);
        return;
    }
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Runs `what` on the modal dialog of type D as soon as it is shown; *seen tells the test that
// the dialog did open.
template <class D> void naDialogu(std::function<void(D*)> what, bool* seen) {
    *seen = false;
    QTimer::singleShot(0, [what, seen] {
        if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) {
            *seen = true;
            what(d);
        }
    });
}

// The main window active again after a modal dialog. Without a window manager the hidden
// dialog stays the active window, and keys would go to it.
inline void wroc(AppFixture& f) {
    QApplication::setActiveWindow(&f.window());
    QVERIFY(QApplication::activeWindow() == &f.window());
}

inline QString zaz(AppFixture& f, int id) {
    return f.db().scalar("select zaz from osoba where id = ?", {id}).toString();
}

} // namespace personui
