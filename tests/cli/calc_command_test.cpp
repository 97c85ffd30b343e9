#include "data/numbers.h"
#include "data/validators.h"
#include "lists/calculation.h"
#include "lists/records.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <clocale>
#include <string>

using namespace vexa;

namespace {

struct Wynik {
    int kod = -1;
    QByteArray out;
    QString err;
    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
    QJsonObject pozycja() const { return json().value("pozycja").toObject(); }
    QJsonObject znaczniki() const { return json().value("znaczniki").toObject(); }
};

Wynik uruchom(const QByteArray& wejscie, const QProcessEnvironment& env =
                                              QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VEXA_BIN_DIR "/vexa-cli"), {QStringLiteral("calc")});
    if (!p.waitForStarted()) return {};
    p.write(wejscie);
    p.closeWriteChannel();
    p.waitForFinished(30000);
    return {p.exitCode(), p.readAllStandardOutput(), QString::fromUtf8(p.readAllStandardError())};
}

// Every column of a struct as JSON, through the same column tables the program uses.
template <class S> QJsonObject doJson(const S& s) {
    QJsonObject o;
    for (const Kolumna<S>& c : S::kolumny()) {
        const QVariant v = c.get(s);
        if (v.isNull())
            o.insert(c.name, QJsonValue::Null);
        else if (v.metaType().id() == QMetaType::Double)
            o.insert(c.name, v.toDouble());
        else if (v.metaType().id() == QMetaType::Int)
            o.insert(c.name, v.toInt());
        else
            o.insert(c.name, v.toString());
    }
    return o;
}

Lista lista() {
    Lista l;
    l.typ = "U";
    l.miesiacrok = "04/2027";
    l.uposazenie = 4567.89;
    l.zwnaleznmon = 10;
    l.czy_dod_wojenny = "T";
    l.dodatekwojenny = 1.3;
    l.rozm = 0.7;
    l.osobnosrhigieny = "N";
    l.czy_podatek = "T";
    l.podatekproc = 0;
    l.podatek_dieta = 31;
    l.podatek_kurs = 4.3217;
    l.kurszaliczki = 3.9871;
    l.kursrach = 4.3217;
    l.walutarach = "EUR";
    return l;
}

Pozycja pozycja() {
    Pozycja p;
    p.pesel = "80010112340";
    p.nazwisko = "ŻÓŁKIEWSKA";
    p.datanabycia = QDate(2027, 4, 10);
    p.datautraty = DATA_BEZ_KONCA;
    p.dni_wolne_u = 2;
    p.kddw = "T";
    p.mnoznik = 2.37;
    p.zwnaleznlekarzproc = 150;
    p.iloscdnirozm = 4;
    p.zaliczkawaluta = 333.33;
    p.nrachunek1 = "11 1111 1111 1111 1111 1111 1111";
    p.rachunek1czywaluta = "T";
    p.rachunek2czywaluta = "N";
    p.rachunek2 = 1000;
    p.niepobranewkasie = "W";
    return p;
}

QByteArray wejscie(const Lista& l, const Pozycja& p, const QJsonValue& focus = QJsonValue::Null) {
    QJsonObject o{{"lista", doJson(l)},
                  {"pozycja", doJson(p)},
                  {"dane", QJsonObject{{"SRHIGIENYM", "9554"}, {"SRHIGIENYK", "9609"}}},
                  {"focus", focus}};
    return QJsonDocument(o).toJson();
}

// The program's output must hold the very doubles the function computes in process.
void porownajPozycje(const QJsonObject& got, const Pozycja& expected) {
    const QJsonObject want = doJson(expected);
    QCOMPARE(got.keys(), want.keys());
    for (const QString& k : want.keys()) {
        if (want[k].isDouble())
            QVERIFY2(got[k].toDouble() == want[k].toDouble(),
                     qPrintable(k + ": " + QString::number(got[k].toDouble(), 'g', 17) +
                                " != " + QString::number(want[k].toDouble(), 'g', 17)));
        else
            QVERIFY2(got[k] == want[k], qPrintable(k));
    }
}

} // namespace

class CalcCommandTest : public QObject {
    Q_OBJECT
private slots:
    void fullPositionMatchesTheEngineBitForBit();
    void shortPosition();
    void advanceWithEitherFocus_data();
    void advanceWithEitherFocus();
    void badInputExitsWithTwo_data();
    void badInputExitsWithTwo();
    void rateThatCannotDivideFails();
    void polishLocaleStillWritesValidJson();
};

void CalcCommandTest::fullPositionMatchesTheEngineBitForBit() {
    const Lista l = lista();
    const Pozycja p = pozycja();
    const Wynik w = uruchom(wejscie(l, p));
    QCOMPARE(w.kod, 0);
    QVERIFY2(w.err.isEmpty(), qPrintable(w.err));

    Pozycja oczekiwana = p;
    const ZnacznikiPozycji z = przeliczpozycje(l, oczekiwana, DaneNaliczenia{95.54, 96.09});
    const QJsonObject out = w.json();
    porownajPozycje(out["pozycja"].toObject(), oczekiwana);
    // 10..30 April = 21 days; 4567.89 × 2.37 / 30 = 360.86331 → 360.86; × 21 = 7578.06
    QCOMPARE(out["pozycja"]["iloscdni"].toInt(), 21);
    QCOMPARE(out["pozycja"]["naleznosc"].toDouble(), 7578.06);
    QVERIFY(out["pozycja"]["iloscdnirozm"].toInt() == 4);
    // The unrounded share of account 1 is written in full, not cut to the grosz.
    QVERIFY(oczekiwana.rachunek1bz != zaokraglij(oczekiwana.rachunek1bz));
    QVERIFY(w.out.contains(LiczbaDokladna(oczekiwana.rachunek1bz).toLatin1()));

    const QJsonObject m = out["znaczniki"].toObject();
    QCOMPARE(m["lrachunek1waluta"].toString(), "EUR");
    QCOMPARE(m["lrachunek2waluta"].toString(), "PLN");
    QCOMPARE(m["wrachunek1czywaluta"].toBool(), true);
    QCOMPARE(m["lbrakrachunku"].toBool(), z.lbrakrachunku);
    QCOMPARE(m["wiloscdni"].toBool(), false);
    QCOMPARE(m.keys().size(), 14);
}

void CalcCommandTest::shortPosition() {
    Lista l = lista();
    l.typ = "D";
    l.rodzaj = "SH";
    l.czy_podatek = "N";
    Pozycja p = pozycja();
    p.razem = 1234.56;
    p.rachunek2 = 0;
    p.zaliczkawaluta = 0;
    const Wynik w = uruchom(wejscie(l, p));
    QCOMPARE(w.kod, 0);
    Pozycja oczekiwana = p;
    przeliczpozycjeskrocona(l, oczekiwana, {});
    porownajPozycje(w.pozycja(), oczekiwana);
    // 1234.56 / 4.3217 = 285.6654… → 285.67 EUR on account 1
    QCOMPARE(w.pozycja()["rachunek1"].toDouble(), 285.67);
    QCOMPARE(w.pozycja()["iloscdni"].toInt(), 0);
    QCOMPARE(w.znaczniki()["lbrakrachunku2"].toBool(), false);
    QCOMPARE(w.znaczniki()["lrachunek1waluta_4"].toString(), "EUR");
}

void CalcCommandTest::advanceWithEitherFocus_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<double>("razem");
    QTest::addColumn<double>("zaliczkawaluta");
    // Total 1000, advance 300 at 3.9871
    QTest::newRow("ezkrazem: 1000 / 3.9871 = 250.8088… → 250.81") << "ezkrazem" << 1000.0 << 250.81;
    QTest::newRow("ezkzaliczka: 300 × 3.9871 = 1196.13") << "ezkzaliczka" << 1196.13 << 300.0;
    QTest::newRow("no focus") << "" << 1000.0 << 300.0;
}

void CalcCommandTest::advanceWithEitherFocus() {
    QFETCH(QString, focus);
    QFETCH(double, razem);
    QFETCH(double, zaliczkawaluta);
    Lista l = lista();
    l.typ = "D";
    l.rodzaj = "ZK";
    Pozycja p = pozycja();
    p.razem = 1000;
    p.zaliczkawaluta = 300;
    const Wynik w = uruchom(wejscie(l, p, focus.isEmpty() ? QJsonValue() : QJsonValue(focus)));
    QCOMPARE(w.kod, 0);
    const QJsonObject o = w.pozycja();
    QCOMPARE(o["razem"].toDouble(), razem);
    QCOMPARE(o["zaliczkawaluta"].toDouble(), zaliczkawaluta);
    QCOMPARE(o["zaliczkapln"].toDouble(), razem);
    QCOMPARE(o["rachunek2"].toDouble(), 0.0);
    QVERIFY(w.znaczniki()["lbrakrachunku2"].isNull());
}

void CalcCommandTest::badInputExitsWithTwo_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("message");
    const QJsonObject ok = QJsonDocument::fromJson(wejscie(lista(), pozycja())).object();
    auto bez = [&](const char* obj, const char* key) {
        QJsonObject o = ok;
        QJsonObject inner = o[obj].toObject();
        inner.remove(key);
        o[obj] = inner;
        return QJsonDocument(o).toJson();
    };
    auto z = [&](const char* obj, const char* key, const QJsonValue& v) {
        QJsonObject o = ok;
        QJsonObject inner = o[obj].toObject();
        inner[key] = v;
        o[obj] = inner;
        return QJsonDocument(o).toJson();
    };
    QTest::newRow("not JSON") << QByteArray("{\"lista\": ") << "Niepoprawny JSON";
    QTest::newRow("empty input") << QByteArray() << "Niepoprawny JSON";
    QTest::newRow("array") << QByteArray("[1]") << "jednego obiektu";
    QTest::newRow("no position") << QByteArray("{\"lista\": {}}") << "„pozycja”";
    QTest::newRow("missing rate") << bez("lista", "kursrach") << "„lista.kursrach”";
    QTest::newRow("missing day count") << bez("pozycja", "iloscdni") << "„pozycja.iloscdni”";
    QTest::newRow("missing hygiene setting") << bez("dane", "SRHIGIENYK") << "„dane.SRHIGIENYK”";
    QTest::newRow("unknown field") << z("pozycja", "iloscdnii", 3) << "„pozycja.iloscdnii”";
    QTest::newRow("text for a number") << z("lista", "uposazenie", "4567") << "„lista.uposazenie”";
    QTest::newRow("fraction of a day") << z("pozycja", "iloscdni", 2.5) << "„pozycja.iloscdni”";
    QTest::newRow("impossible date")
        << z("pozycja", "datanabycia", "2027-02-30") << "„pozycja.datanabycia”";
    QTest::newRow("unknown kind") << z("lista", "typ", "X") << "„lista.typ”";
    QTest::newRow("bad month") << z("lista", "miesiacrok", "13/2027") << "13/2027";
    QTest::newRow("setting not in hundredths")
        << z("dane", "SRHIGIENYM", "95,54") << "„dane.SRHIGIENYM”";
    QJsonObject f = ok;
    f["focus"] = "erazem";
    QTest::newRow("bad focus") << QJsonDocument(f).toJson() << "„focus”";
}

void CalcCommandTest::badInputExitsWithTwo() {
    QFETCH(QByteArray, input);
    QFETCH(QString, message);
    const Wynik w = uruchom(input);
    QCOMPARE(w.kod, 2);
    QVERIFY2(w.err.contains(message), qPrintable(w.err));
    QVERIFY(w.out.isEmpty());
}

void CalcCommandTest::rateThatCannotDivideFails() {
    Lista l = lista();
    l.kurszaliczki = 0;
    Pozycja p = pozycja();
    p.nrachunek1.clear();
    const Wynik w = uruchom(wejscie(l, p));
    QCOMPARE(w.kod, 1);
    QVERIFY2(w.err.contains("Kurs waluty wypłacanej w kasie"), qPrintable(w.err));
    QVERIFY(w.out.isEmpty());
}

// The C library of a Polish system writes a decimal comma; the JSON must not follow it.
void CalcCommandTest::polishLocaleStillWritesValidJson() {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    const bool available = std::setlocale(LC_ALL, "pl_PL.UTF-8") != nullptr;
    std::setlocale(LC_ALL, before.c_str());
    if (!available)
        QSKIP("the locale pl_PL.UTF-8 is not installed (scripts/install-deps.sh makes it)");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANG"), QStringLiteral("pl_PL.UTF-8"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("pl_PL.UTF-8"));

    const Lista l = lista();
    Pozycja p = pozycja();
    p.mnoznik = 1.35;
    const Wynik w = uruchom(wejscie(l, p), env);
    QCOMPARE(w.kod, 0);
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(w.out, &err);
    QVERIFY2(err.error == QJsonParseError::NoError, qPrintable(err.errorString()));
    QVERIFY(w.out.contains("\"mnoznik\": 1.35,"));
    Pozycja oczekiwana = p;
    przeliczpozycje(l, oczekiwana, DaneNaliczenia{95.54, 96.09});
    porownajPozycje(doc.object()["pozycja"].toObject(), oczekiwana);
}

QTEST_GUILESS_MAIN(CalcCommandTest)
#include "calc_command_test.moc"
