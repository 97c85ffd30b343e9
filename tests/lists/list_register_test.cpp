#include "lists/list_register.h"
#include "lists/list_repository.h"
#include "support/test_db.h"

#include <QtTest>

using namespace vexa;

namespace {

struct Fixture {
    TestDb t;
    ListRepository repo{t.db()};
    int add(const char* nr, const char* month, const char* status = "O", const char* typ = "P",
            const char* zp = "Z", const char* pkw = "PKW A", QDate made = QDate(2027, 3, 31),
            double razem = 100) {
        Lista l;
        l.nr = nr;
        l.miesiacrok = month;
        l.status = status;
        l.typ = typ;
        l.zp = zp;
        l.skrotpkw = pkw;
        l.datawykonania = made;
        l.razem = razem;
        return repo.dopiszListe(l);
    }
    QStringList numbers(const FiltrRejestru& f) {
        QStringList out;
        for (const Lista& l : Rejestr(t.db(), f))
            out << l.nr;
        return out;
    }
};

} // namespace

class ListRegisterTest : public QObject {
    Q_OBJECT
private slots:
    void checkBoxPairsNarrowOnlyWhenOneIsTicked();
    void yearsMonthsAndContingents();
    void sortingByMonthInterleavesYears();
    void filterValuesAreWrittenSoTheDatabaseAcceptsThem();
    void yearAndContingentDialogTexts();
    void listMarksToggle();
};

void ListRegisterTest::checkBoxPairsNarrowOnlyWhenOneIsTicked() {
    Fixture f;
    f.add("1", "01/2027", "O", "P", "Z");
    f.add("2", "02/2027", "Z", "D", "P");
    FiltrRejestru flt;
    QCOMPARE(f.numbers(flt).size(), 2);
    flt.otwarte = flt.zamkniete = false; // neither ticked shows all, like both
    QCOMPARE(f.numbers(flt).size(), 2);
    flt.zamkniete = true;
    QCOMPARE(f.numbers(flt), QStringList{"2"});
    flt = {};
    flt.dodatkowe = false;
    QCOMPARE(f.numbers(flt), QStringList{"1"});
    flt = {};
    flt.zolnierze = false;
    QCOMPARE(f.numbers(flt), QStringList{"2"});
}

void ListRegisterTest::yearsMonthsAndContingents() {
    Fixture f;
    f.add("a", "03/2009");
    f.add("b", "03/2010", "O", "P", "Z", "PKW B");
    f.add("c", "07/2011", "O", "P", "Z", "O'PKW");
    f.add("d", "03/2012");
    f.add("e", "03/2013");
    FiltrRejestru flt;
    flt.rok = "2010-2012";
    QCOMPARE(f.numbers(flt), (QStringList{"b", "d", "c"}));
    flt.miesiac = 3;
    QCOMPARE(f.numbers(flt), (QStringList{"b", "d"}));
    flt.rok = "2013";
    QCOMPARE(f.numbers(flt), QStringList{"e"});
    flt = {};
    flt.pkw = "O'PKW";
    QCOMPARE(f.numbers(flt), QStringList{"c"});
    flt.pkw = GRUPA;
    flt.mpkw = QStringList{"PKW B", "O'PKW"};
    QCOMPARE(f.numbers(flt), (QStringList{"b", "c"}));
    flt.mpkw.clear(); // an empty group shows nothing rather than failing
    QCOMPARE(f.numbers(flt), QStringList{});
    QCOMPARE(KodyPkw(f.t.db()), (QStringList{"O'PKW", "PKW A", "PKW B"}));
}

void ListRegisterTest::sortingByMonthInterleavesYears() {
    Fixture f;
    f.add("x", "02/2028");
    f.add("y", "01/2027");
    f.add("z", "03/2027");
    FiltrRejestru flt;
    QCOMPARE(f.numbers(flt), (QStringList{"y", "x", "z"}));
    flt.sort = "nr";
    QCOMPARE(f.numbers(flt), (QStringList{"x", "y", "z"}));
    flt.sort = "razem desc; delete from lista"; // not a column: the month order is kept
    QCOMPARE(f.numbers(flt), (QStringList{"y", "x", "z"}));
}

void ListRegisterTest::filterValuesAreWrittenSoTheDatabaseAcceptsThem() {
    Fixture f;
    f.add("1/O'K", "03/2027", "O", "P", "Z", "PKW A", QDate(2027, 3, 15), 1234.56);
    f.add("2", "03/2027", "O", "P", "Z", "PKW A", QDate(2027, 3, 16), 99);
    FiltrRejestru flt;
    flt.filtr = WarunekFiltruListy("nr", "1/O'K", TypKolumnyListy("nr"));
    QCOMPARE(f.numbers(flt), QStringList{"1/O'K"});
    flt.filtr = WarunekFiltruListy("datawykonania", "2027-03-16", TypKolumnyListy("DATAWYKONANIA"));
    QCOMPARE(flt.filtr, "(datawykonania=#03/16/2027#)");
    QCOMPARE(f.numbers(flt), QStringList{"2"});
    flt.filtr = WarunekFiltruListy("razem", 1234.56, TypKolumnyListy("razem"));
    QCOMPARE(flt.filtr, "(razem=1234.5599999999999)");
    QCOMPARE(f.numbers(flt), QStringList{"1/O'K"});
    QCOMPARE(TypKolumnyListy("nie_ma"), 0);
}

void ListRegisterTest::yearAndContingentDialogTexts() {
    QCOMPARE(*TekstRoku(0, 2027, 2027), WSZYSTKIE);
    QCOMPARE(*TekstRoku(1, 2027, 1990), "2027");
    QCOMPARE(*TekstRoku(2, 2010, 2012), "2010-2012");
    QCOMPARE(*TekstRoku(2, 2012, 2012), "2012");
    QVERIFY(!TekstRoku(2, 2012, 2010));

    QStringList group;
    const QStringList all{"A", "B", "C"};
    QCOMPARE(TekstPkw(all, all, group), WSZYSTKIE);
    QCOMPARE(TekstPkw(all, {"B"}, group), "B");
    QCOMPARE(TekstPkw(all, {"A", "C"}, group), GRUPA);
    QCOMPARE(group, (QStringList{"A", "C"}));
}

void ListRegisterTest::listMarksToggle() {
    Fixture f;
    const int id = f.add("1", "03/2027");
    PrzelaczZaznaczenieListy(f.t.db(), id);
    QCOMPARE(f.repo.lista(id).zaz, QString(QChar(0x00A8))); // empty becomes unmarked
    PrzelaczZaznaczenieListy(f.t.db(), id);
    QCOMPARE(f.repo.lista(id).zaz, QString(QChar(0x0163)));
    OdznaczWszystkieListy(f.t.db());
    QCOMPARE(f.repo.lista(id).zaz, QString(QChar(0x00A8)));
}

QTEST_GUILESS_MAIN(ListRegisterTest)
#include "list_register_test.moc"
