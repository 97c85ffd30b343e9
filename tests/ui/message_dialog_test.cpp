#include "ui/dialog_services.h"
#include "ui/message_dialog.h"
#include "data/messages.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <functional>
#include <memory>

using vexa::MessageDialog;

namespace {

// What the window showed while it was open.
struct Seen {
    QString heading;
    QString yesCaption;
    QString noCaption;
    bool noVisible = false;
    bool infoIconVisible = false;
    bool questionIconVisible = false;
    int yesX = -1; // from the panel's left
    int noX = -1;
    int yesWidth = 0;
    int panelWidth = 0;
    QString text;
    int textHeight = 0;
    int textNeeded = 0; // height LTr needs to show all its lines at its width
    int lineSpacing = 0;
    QRect geometry;
};

template <typename T> T* child(QWidget* w, const char* name) {
    return w->findChild<T*>(QString::fromLatin1(name));
}

Seen inspect(QWidget* w) {
    Seen s;
    QWidget* panel = child<QWidget>(w, "PTlo");
    auto* yes = child<QPushButton>(w, "SBTak");
    auto* no = child<QPushButton>(w, "SBNie");
    if (!panel || !yes || !no) return s;
    s.heading = child<QLabel>(w, "LTyt")->text();
    s.yesCaption = yes->text();
    s.noCaption = no->text();
    s.noVisible = no->isVisible();
    s.infoIconVisible = child<QLabel>(w, "IInfo")->isVisible();
    s.questionIconVisible = child<QLabel>(w, "IPyt")->isVisible();
    s.yesX = yes->mapTo(panel, QPoint(0, 0)).x();
    s.noX = no->mapTo(panel, QPoint(0, 0)).x();
    s.yesWidth = yes->width();
    s.panelWidth = panel->width();
    s.text = child<QLabel>(w, "LTr")->text();
    auto* text = child<QLabel>(w, "LTr");
    s.textHeight = text->height();
    s.textNeeded = text->heightForWidth(text->width());
    s.lineSpacing = QFontMetrics(text->font()).lineSpacing();
    s.geometry = w->frameGeometry();
    return s;
}

struct Run {
    int code = -1;
    bool reached = false; // the window was up, active and handed to the action
    Seen seen;
};

// Calls ask() (which shows a modal message) and, once the window is up and active,
// records what it shows and lets act() answer it. A window nobody answers is closed
// after a while with -1, so a broken test fails instead of hanging.
Run runModal(const std::function<int()>& ask, const std::function<void(QWidget*)>& act) {
    Run run;
    QTimer::singleShot(0, [&run, act] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w) return;
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w)) return;
        run.seen = inspect(w);
        run.reached = true;
        act(w);
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->done(-1);
    });
    watchdog.start(10000);
    run.code = ask();
    return run;
}

std::function<void(QWidget*)> press(Qt::Key key) {
    return [key](QWidget* w) { QTest::keyClick(w, key); };
}

std::function<void(QWidget*)> click(const char* button) {
    return
        [button](QWidget* w) { QTest::mouseClick(child<QPushButton>(w, button), Qt::LeftButton); };
}

} // namespace

class MessageDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void dejaVuFontIsInstalledAndUsed();
    void questionLayout();
    void informationLayout();
    void keys_data();
    void keys();
    void buttons_data();
    void buttons();
    void closedWithoutAnAnswer_data();
    void closedWithoutAnAnswer();
    void lineBreaksBecomeNewLines();
    void centredOnTheScreen();
    void dialogMessagesForwardsAndAllowsANestedMessage();

private:
    Run ask(int kind, const QString& text, const std::function<void(QWidget*)>& act) {
        return runModal([=, this] { return m_dialog->Komunikat(kind, text); }, act);
    }

    // One window for the whole test, as in the program: every run must reset it fully.
    std::unique_ptr<MessageDialog> m_dialog;
};

void MessageDialogTest::initTestCase() {
    m_dialog = std::make_unique<MessageDialog>();
}

void MessageDialogTest::cleanupTestCase() {
    m_dialog.reset();
}

void MessageDialogTest::dejaVuFontIsInstalledAndUsed() {
    const QStringList families = QFontDatabase::families();
    QVERIFY2(!families.isEmpty(), "no font at all: install fonts-dejavu-core");
    QVERIFY2(families.contains(QStringLiteral("DejaVu Sans")), "DejaVu Sans is missing");
    QCOMPARE(QFontInfo(child<QLabel>(m_dialog.get(), "LTr")->font()).family(),
             QStringLiteral("DejaVu Sans"));
    QCOMPARE(QFontInfo(child<QLabel>(m_dialog.get(), "LTyt")->font()).family(),
             QStringLiteral("DejaVu Sans"));
}

void MessageDialogTest::questionLayout() {
    // An information first, so the question has to undo what it left behind.
    ask(vexa::KOMUNIKAT_INFORMACJA, QStringLiteral("Zapisano."), click("SBTak"));
    const Run run = ask(vexa::KOMUNIKAT_PYTANIE, QStringLiteral("Usunąć listę?"), click("SBTak"));
    QVERIFY(run.reached);
    QCOMPARE(run.code, vexa::TAK);
    QCOMPARE(run.seen.heading, QStringLiteral("PYTANIE"));
    QCOMPARE(run.seen.yesCaption, QStringLiteral("TAK"));
    QCOMPARE(run.seen.noCaption, QStringLiteral("NIE"));
    QVERIFY(run.seen.noVisible);
    QVERIFY(run.seen.questionIconVisible);
    QVERIFY(!run.seen.infoIconVisible);
    QCOMPARE(run.seen.yesX, 84);
    // NIE mirrors TAK: to its right, without overlapping, the same distance from the edge.
    QVERIFY(run.seen.noX >= run.seen.yesX + run.seen.yesWidth);
    QCOMPARE(run.seen.panelWidth - (run.seen.noX + run.seen.yesWidth), 84);
    QCOMPARE(run.seen.text, QStringLiteral("Usunąć listę?"));
}

void MessageDialogTest::informationLayout() {
    ask(vexa::KOMUNIKAT_PYTANIE, QStringLiteral("Usunąć listę?"), click("SBNie"));
    const Run run = ask(vexa::KOMUNIKAT_INFORMACJA, QStringLiteral("Zapisano."), click("SBTak"));
    QVERIFY(run.reached);
    QCOMPARE(run.code, vexa::TAK);
    QCOMPARE(run.seen.heading, QStringLiteral("INFORMACJA"));
    QCOMPARE(run.seen.yesCaption, QStringLiteral("DALEJ"));
    QVERIFY(!run.seen.noVisible);
    QVERIFY(run.seen.infoIconVisible);
    QVERIFY(!run.seen.questionIconVisible);
    QCOMPARE(run.seen.yesX, 136);
    QCOMPARE(run.seen.yesX * 2 + run.seen.yesWidth, run.seen.panelWidth); // centred
}

void MessageDialogTest::keys_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");
    QTest::newRow("question Return") << vexa::KOMUNIKAT_PYTANIE << int(Qt::Key_Return) << 6;
    QTest::newRow("question keypad Enter") << vexa::KOMUNIKAT_PYTANIE << int(Qt::Key_Enter) << 6;
    QTest::newRow("question Esc") << vexa::KOMUNIKAT_PYTANIE << int(Qt::Key_Escape) << 7;
    QTest::newRow("information Return") << vexa::KOMUNIKAT_INFORMACJA << int(Qt::Key_Return) << 6;
    QTest::newRow("information Esc") << vexa::KOMUNIKAT_INFORMACJA << int(Qt::Key_Escape) << 6;
}

void MessageDialogTest::keys() {
    QFETCH(int, kind);
    QFETCH(int, key);
    QFETCH(int, expected);
    const Run run = ask(kind, QStringLiteral("Tekst"), press(Qt::Key(key)));
    QVERIFY(run.reached);
    QCOMPARE(run.code, expected);
}

void MessageDialogTest::buttons_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("expected");
    QTest::newRow("TAK") << vexa::KOMUNIKAT_PYTANIE << QStringLiteral("SBTak") << 6;
    QTest::newRow("NIE") << vexa::KOMUNIKAT_PYTANIE << QStringLiteral("SBNie") << 7;
    QTest::newRow("DALEJ") << vexa::KOMUNIKAT_INFORMACJA << QStringLiteral("SBTak") << 6;
}

void MessageDialogTest::buttons() {
    QFETCH(int, kind);
    QFETCH(QString, button);
    QFETCH(int, expected);
    const QByteArray name = button.toLatin1();
    const Run run = ask(kind, QStringLiteral("Tekst"), click(name.constData()));
    QVERIFY(run.reached);
    QCOMPARE(run.code, expected);
}

void MessageDialogTest::closedWithoutAnAnswer_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("expected");
    QTest::newRow("question") << vexa::KOMUNIKAT_PYTANIE << 7;
    QTest::newRow("information") << vexa::KOMUNIKAT_INFORMACJA << 6;
}

void MessageDialogTest::closedWithoutAnAnswer() {
    QFETCH(int, kind);
    QFETCH(int, expected);
    const Run run = ask(kind, QStringLiteral("Tekst"), [](QWidget* w) { w->close(); });
    QVERIFY(run.reached);
    QCOMPARE(run.code, expected);
}

void MessageDialogTest::lineBreaksBecomeNewLines() {
    const Run one = ask(vexa::KOMUNIKAT_INFORMACJA, QStringLiteral("Pierwsza"), click("SBTak"));
    const Run four = ask(vexa::KOMUNIKAT_INFORMACJA, QStringLiteral("Pierwsza\rDruga\r\rCzwarta"),
                         click("SBTak"));
    QVERIFY(one.reached && four.reached);
    QCOMPARE(four.seen.text, QStringLiteral("Pierwsza\nDruga\n\nCzwarta"));
    // Four lines (one empty) are shown in full, and the window grows for them.
    QVERIFY2(four.seen.textHeight >= 4 * four.seen.lineSpacing,
             qPrintable(QString::number(four.seen.textHeight)));
    QVERIFY(four.seen.textHeight >= four.seen.textNeeded);
    QVERIFY(four.seen.geometry.height() >= one.seen.geometry.height() + 2 * four.seen.lineSpacing);

    // A text in angle brackets is shown as it is, not read as markup.
    const Run markup =
        ask(vexa::KOMUNIKAT_INFORMACJA, QStringLiteral("<b>Kowalski</b>"), click("SBTak"));
    QCOMPARE(markup.seen.text, QStringLiteral("<b>Kowalski</b>"));
    QCOMPARE(child<QLabel>(m_dialog.get(), "LTr")->textFormat(), Qt::PlainText);
}

void MessageDialogTest::centredOnTheScreen() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QString longText;
    for (int i = 0; i < 12; ++i)
        longText += QStringLiteral("Wiersz %1 komunikatu o długiej treści\r").arg(i + 1);
    const QString paragraph =
        QStringLiteral("Nie można usunąć listy, ponieważ zawiera pozycje rozliczone w plikach "
                       "przelewów; najpierw usuń pliki przelewów, a potem spróbuj ponownie.");
    for (const QString& text : {QStringLiteral("Krótko."), longText, paragraph}) {
        const Run run = ask(vexa::KOMUNIKAT_PYTANIE, text, press(Qt::Key_Escape));
        QVERIFY(run.reached);
        QVERIFY2(qAbs(run.seen.geometry.center().x() - screen.center().x()) <= 1,
                 qPrintable(QStringLiteral("x %1").arg(run.seen.geometry.center().x())));
        QVERIFY2(qAbs(run.seen.geometry.center().y() - screen.center().y()) <= 1,
                 qPrintable(QStringLiteral("y %1").arg(run.seen.geometry.center().y())));
        QVERIFY(screen.contains(run.seen.geometry));
        QVERIFY(run.seen.textHeight >= run.seen.textNeeded); // nothing cut off
    }
}

void MessageDialogTest::dialogMessagesForwardsAndAllowsANestedMessage() {
    vexa::DialogMessages messages;
    vexa::Messages& service = messages;
    QVERIFY(messages.dialog());
    QCOMPARE(messages.dialog()->objectName(), QStringLiteral("TFInfo"));

    // A message asked while a question is open gets its own window; the question keeps
    // its text and still takes its own answer.
    int nestedCode = -1;
    QString nestedHeading;
    QString outerTextAfterNested;
    const Run outer = runModal(
        [&] { return service.Komunikat(vexa::KOMUNIKAT_PYTANIE, QStringLiteral("Zakończyć?")); },
        [&](QWidget* w) {
            const Run inner = runModal(
                [&] {
                    return service.Komunikat(vexa::KOMUNIKAT_INFORMACJA,
                                             QStringLiteral("Kopia zapisana."));
                },
                press(Qt::Key_Escape));
            nestedCode = inner.reached ? inner.code : -2;
            nestedHeading = inner.seen.heading;
            outerTextAfterNested = child<QLabel>(w, "LTr")->text();
            QTest::mouseClick(child<QPushButton>(w, "SBNie"), Qt::LeftButton);
        });
    QVERIFY(outer.reached);
    QCOMPARE(nestedCode, vexa::TAK);
    QCOMPARE(nestedHeading, QStringLiteral("INFORMACJA"));
    QCOMPARE(outerTextAfterNested, QStringLiteral("Zakończyć?"));
    QCOMPARE(outer.code, vexa::NIE);
    QCOMPARE(outer.seen.heading, QStringLiteral("PYTANIE"));
}

QTEST_MAIN(MessageDialogTest)
#include "message_dialog_test.moc"
