// Every user action runs through one guard: an error of the database (a file held by another
// program) or of the program is shown as a message, what was open is rolled back, and the
// program and its page stay as they were.
#include "ui/action_guard.h"
#include "data/error.h"
#include "data/transaction.h"
#include "lists/list_repository.h"
#include "lists/ui/list_editor_page.h"
#include "lists/ui/list_register_page.h"
#include "lists/ui/list_ui.h"
#include "support/app_fixture.h"

#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <sqlite3.h>
#include <stdexcept>

using namespace vexa;

namespace {

// A second program that holds the database file: while it lives nobody else reads or writes.
class Blokada {
public:
    explicit Blokada(const QString& path) {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READWRITE,
                        nullptr);
        sqlite3_busy_timeout(m_db, 5000);
        m_rc = sqlite3_exec(m_db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
    }
    ~Blokada() { zwolnij(); }
    bool trzyma() const { return m_rc == SQLITE_OK; }
    void zwolnij() {
        if (m_db) {
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(m_db);
            m_db = nullptr;
        }
    }

private:
    sqlite3* m_db = nullptr;
    int m_rc = SQLITE_ERROR;
};

int ilosc(Database& db, const char* table) {
    return db.scalar(QStringLiteral("select count(*) from ") + QString::fromLatin1(table)).toInt();
}

class Nadawca : public QObject {
    Q_OBJECT
signals:
    void wartosc(int value, const QString& text);
};

} // namespace

class ActionGuardTest : public QObject {
    Q_OBJECT
private slots:
    void slotErrorsBecomeMessagesAndRollBack();
    void busyDatabaseOnPasswordNewListAndListConfirmation();
    void newListOpensByIdWhateverTheFiltersShow();
};

void ActionGuardTest::slotErrorsBecomeMessagesAndRollBack() {
    TestDb t;
    ScriptedMessages msg;
    ActionGuard::install(&msg, &t.db());
    Nadawca n;
    int got = 0;
    // A slot that takes fewer arguments than the signal passes gets the first ones.
    QObject::connect(&n, &Nadawca::wartosc, &n, guarded([&](int v) { got = v; }));
    QObject::connect(&n, &Nadawca::wartosc, &n, guarded([&](int v, const QString& text) {
                         if (text == "db") {
                             Transakcja tr(t.db());
                             t.db().exec("insert into pododdzial (skrot, nazwa) values ('A', 'B')");
                             throw VexaError("Błąd zapisu.");
                         }
                         if (text == "open") {
                             // A statement left a transaction open and the action failed.
                             t.db().exec("begin");
                             t.db().exec("insert into pododdzial (skrot, nazwa) values ('C', 'D')");
                             throw VexaError("Przerwano.");
                         }
                         if (text == "std") throw std::runtime_error("zły indeks");
                         if (text == "int") throw v;
                     }));
    emit n.wartosc(5, "db");
    QCOMPARE(got, 5);
    QCOMPARE(msg.texts(), QStringList{"Błąd zapisu."});
    emit n.wartosc(6, "open");
    QCOMPARE(msg.lastText(), "Przerwano.");
    QVERIFY(!t.db().wTransakcji());
    QCOMPARE(ilosc(t.db(), "pododdzial"), 0);
    emit n.wartosc(7, "std");
    QCOMPARE(msg.lastText(), "Błąd programu: zły indeks");
    emit n.wartosc(8, "int");
    QVERIFY(msg.lastText().startsWith("Nieznany błąd programu."));
    emit n.wartosc(9, "ok");
    QCOMPARE(got, 9);
    QCOMPARE(msg.count(), 4);
    // Every message came after the rollback.
    for (const ScriptedMessages::Asked& a : msg.asked())
        QVERIFY(!a.inTransaction);
    ActionGuard::uninstall(&msg);
}

void ActionGuardTest::busyDatabaseOnPasswordNewListAndListConfirmation() {
    AppFixture f(QDate(2027, 3, 31));
    f.db().setBusyTimeout(50);
    for (auto [k, v] : {std::pair{"DANE", "T"}, {"NRIDENT", "1234567"}, {"WALUTAZALICZKI", "USD"},
                        {"WALUTARACHUNEK", "PLN"}, {"DOWODCA1", "DOWÓDCA"}})
        Zapis(f.db(), k, v);
    QVERIFY(f.show());

    // ZATWIERDŹ on the password page while another program holds the file.
    {
        Blokada b(f.db().path());
        QVERIFY(b.trzyma());
        f.login();
        QCOMPARE(f.messages().count(), 1);
        QVERIFY2(f.messages().lastText().contains("zajęta przez inny program"),
                 qPrintable(f.messages().lastText()));
        QCOMPARE(f.window().aktywnaStrona(), "mivra");
        QVERIFY(f.window().locked());
    }
    f.messages().clear();
    f.login();
    QCOMPARE(f.messages().count(), 0);
    QCOMPARE(f.window().aktywnaStrona(), "pusta");

    // NOWA on the list register: the dialog cannot read its lists; nothing is created.
    listui::osoba(f, "ADAMSKI", "75031512352");
    f.find<QToolButton>("sblisty")->click();
    QCOMPARE(f.window().aktywnaStrona(), "listy");
    {
        Blokada b(f.db().path());
        QVERIFY(b.trzyma());
        listui::klik(f, "listy", "sblistydopisz");
        QCOMPARE(f.messages().count(), 1);
        QVERIFY(f.messages().lastText().contains("zajęta"));
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(f.window().aktywnaStrona(), "listy");
    }
    QCOMPARE(ilosc(f.db(), "lista"), 0);

    // ZATWIERDŹ of an open list with a changed rate: refused, the editor stays, nothing written.
    const int id = listui::lista(f);
    auto* reg = qobject_cast<ListRegisterPage*>(f.window().strona("listy"));
    QVERIFY(reg);
    reg->odswiezlisty();
    reg->wybierzListe(id);
    listui::klik(f, "listy", "sblistyedytuj");
    QCOMPARE(f.window().aktywnaStrona(), "edlista");
    auto* rate = listui::na<QLineEdit>(f, "edlista", "elkurszaliczki");
    QVERIFY(rate);
    rate->setText("5");
    Q_EMIT rate->textEdited("5");
    const double before = ListRepository(f.db()).lista(id).razem;
    f.messages().clear();
    {
        Blokada b(f.db().path());
        QVERIFY(b.trzyma());
        listui::klik(f, "edlista", "sblistazatwierdz");
        QVERIFY(f.messages().texts().join("|").contains("zajęta"));
        QCOMPARE(f.window().aktywnaStrona(), "edlista");
        QVERIFY(f.window().locked());
    }
    QVERIFY(!f.db().wTransakcji());
    const Lista stored = ListRepository(f.db()).lista(id);
    QCOMPARE(stored.kurszaliczki, 4.0);
    QCOMPARE(stored.razem, before);
    // Once the file is free the same click goes through.
    f.messages().clear();
    listui::klik(f, "edlista", "sblistazatwierdz");
    QCOMPARE(f.messages().lastText(), "Aktualizacja zakończona.");
    QCOMPARE(f.window().aktywnaStrona(), "listy");
    QCOMPARE(ListRepository(f.db()).lista(id).kurszaliczki, 5.0);
}

void ActionGuardTest::newListOpensByIdWhateverTheFiltersShow() {
    AppFixture f(QDate(2027, 3, 31));
    listui::przygotuj(f);
    listui::osoba(f, "ADAMSKI", "75031512352");
    const int old = listui::lista(f); // a list of March 2027
    f.find<QToolButton>("sblisty")->click();
    // The register shows February only: neither the old list nor the new one of March.
    auto* month = listui::na<QComboBox>(f, "listy", "elistymiesiac");
    month->setCurrentIndex(2);
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(d && d->objectName() == "Tflista");
        d->findChild<QLineEdit*>("ekurswaluty")->setText("4");
        d->findChild<QPushButton*>("sbtworz")->click();
    });
    listui::klik(f, "listy", "sblistydopisz");
    QCOMPARE(f.window().aktywnaStrona(), "edlista");
    const int created = f.db().scalar("select max(id) from lista").toInt();
    QVERIFY(created != old);
    auto* editor = qobject_cast<ListEditorPage*>(f.window().strona("edlista"));
    QVERIFY(editor);
    QCOMPARE(editor->lista().id, created);
}

QTEST_MAIN(ActionGuardTest)
#include "action_guard_test.moc"
