#include "app/main_window.h"

#include "ui/action_guard.h"
#include "ui/ui_helpers.h"
#include "data/backup.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/error.h"
#include "data/messages.h"
#include "data/settings.h"
#include "data/validators.h"
#include "lists/ui/list_kinds_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace vexa {

namespace {

struct Strona {
    const char* name;
    const char* title;
};

// The notebook's pages in their order, with the titles shown on their title bars.
const Strona kStrony[] = {
    {"pusta", ""},
    {"mivra", ""},
    {"dane", "STAŁE DANE APLIKACJI"},
    {"podgl", "PODGLĄD WYDRUKU"},
    {"listy", "LISTY NALEŻNOŚCI"},
    {"osoba", "EWIDENCJA OSÓB"},
    {"edosoba", "DANE OSOBY"},
    {"slowniki", "SŁOWNIKI"},
    {"skladniki", "DANE DO NALICZEŃ"},
    {"edlista", "LISTA NALEŻNOŚCI"},
    {"edpozycja", "POZYCJA LISTY NALEŻNOŚCI"},
    {"edpozycja2", "POZYCJA LISTY DODATKOWEJ"},
    {"analiza", "ANALIZY"},
    {"edosobapit", "DANE DO PIT-11"},
    {"pit_11", "PIT-11"},
};

// The keyboard table: on the active page, the key presses the named button of that page
// (or of the button bar), or calls the page's invokable method of that name (described for the
// footer). The key still reaches the focused control afterwards.
struct Klawisz {
    const char* page;
    int key;
    const char* target;
    const char* opis = nullptr;
};

const Klawisz kKlawisze[] = {
    {"podgl", Qt::Key_Escape, "sbpodglzamknij", "zamyka podgląd"},
    {"podgl", Qt::Key_PageUp, "SpeedButton20", "poprzednia strona"},
    {"podgl", Qt::Key_PageDown, "SpeedButton19", "następna strona"},
    {"podgl", Qt::Key_Home, "SpeedButton36", "pierwsza strona"},
    {"podgl", Qt::Key_End, "SpeedButton37", "ostatnia strona"},
    {"mivra", Qt::Key_Escape, "SBAnuluj"},
    {"mivra", Qt::Key_Return, "SBZatw"},
    {"dane", Qt::Key_Escape, "SBDAnuluj"},
    {"dane", Qt::Key_Return, "SBDZatw"},
    {"listy", Qt::Key_Return, "sblistyedytuj"},
    {"osoba", Qt::Key_Return, "sbosobaedytuj"},
    {"slowniki", Qt::Key_Escape, "sblisty"},
    {"edosoba", Qt::Key_Return, "sbosobazatwierdz"},
    {"edosoba", Qt::Key_Escape, "sbosobaanuluj"},
    {"skladniki", Qt::Key_Return, "sbskladnikizatwierdz"},
    {"skladniki", Qt::Key_Escape, "sbskladnikianuluj"},
    {"edlista", Qt::Key_Return, "sbpozycjaedytuj"},
    {"edlista", Qt::Key_Escape, "sblistazatwierdz"},
    {"edlista", Qt::Key_Space, "przelaczZaznaczenie", "zaznacza pozycję"},
    {"edpozycja", Qt::Key_Escape, "sbpozycjaanuluj"},
    {"edpozycja", Qt::Key_Return, "sbpozycjazatwierdz"},
    {"edpozycja", Qt::Key_PageUp, "sbpop"},
    {"edpozycja", Qt::Key_PageDown, "sbnast"},
    {"edpozycja2", Qt::Key_Escape, "sbpozycjaanuluj"},
    {"edpozycja2", Qt::Key_Return, "sbpozycjazatwierdz2"},
    {"edpozycja2", Qt::Key_PageUp, "sbpop2"},
    {"edpozycja2", Qt::Key_PageDown, "sbnast2"},
};

QWidget* placeholderPage(const Strona& s) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    if (*s.title) {
        auto* title = new QLabel(QString::fromUtf8(s.title), page);
        title->setObjectName(QStringLiteral("tytul"));
        title->setProperty("pageTitle", true);
        layout->addWidget(title);
    }
    layout->addStretch();
    return page;
}

} // namespace

const QStringList& MainWindow::nazwyStron() {
    static const QStringList names = [] {
        QStringList n;
        for (const Strona& s : kStrony)
            n << QString::fromLatin1(s.name);
        return n;
    }();
    return names;
}

MainWindow::MainWindow(AppContext& ctx, QWidget* parent) : QMainWindow(parent), m_ctx(ctx) {
    m_ctx.nav = this;
    ActionGuard::install(&m_ctx.messages, &m_ctx.db);
    setObjectName(QStringLiteral("TFvexa_f"));
    setWindowTitle(QStringLiteral("VEXA-F"));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("klient"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildTopStrip(central);
    buildButtonBar(central);

    m_str = new QStackedWidget(central);
    m_str->setObjectName(QStringLiteral("STR"));
    for (const Strona& s : kStrony) {
        QWidget* page = placeholderPage(s);
        page->setObjectName(QString::fromLatin1(s.name));
        m_pages.insert(page->objectName(), page);
        m_str->addWidget(page);
    }
    layout->addWidget(m_str, 1);

    m_stopka = new QLabel(central);
    m_stopka->setObjectName(QStringLiteral("pstopka"));
    layout->addWidget(m_stopka);
    setCentralWidget(central);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("TIMER"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, guarded(this, &MainWindow::tick));
    tick();
    m_timer->start();
    m_version->setText(QStringLiteral("14.2"));

    m_kinds = new ListKindsDialog(this);
    pokazStrone(QStringLiteral("mivra"));
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    ActionGuard::uninstall(&m_ctx.messages);
}

void MainWindow::buildTopStrip(QWidget* parent) {
    auto* strip = new QFrame(parent);
    strip->setObjectName(QStringLiteral("pgora"));
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(12, 4, 6, 4);
    auto* title = new QLabel(QStringLiteral("VEXA-F"), strip);
    title->setObjectName(QStringLiteral("Ltytul"));
    m_version = new QLabel(strip);
    m_version->setObjectName(QStringLiteral("Lwersja"));
    m_unitName = new QLabel(strip);
    m_unitName->setObjectName(QStringLiteral("Pnazwa"));
    m_date = new QLabel(strip);
    m_date->setObjectName(QStringLiteral("LData"));
    m_date->hide();
    m_time = new QLabel(strip);
    m_time->setObjectName(QStringLiteral("LCzas"));
    m_time->hide();
    auto* minimise = new QToolButton(strip);
    minimise->setObjectName(QStringLiteral("SBMin"));
    minimise->setIcon(style()->standardIcon(QStyle::SP_TitleBarMinButton));
    minimise->setToolTip(QStringLiteral("Minimalizuj"));
    connect(minimise, &QToolButton::clicked, this, guarded(this, &QWidget::showMinimized));
    auto* closeButton = new QToolButton(strip);
    closeButton->setObjectName(QStringLiteral("SBKoniec"));
    closeButton->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    closeButton->setToolTip(QStringLiteral("Koniec pracy"));
    connect(closeButton, &QToolButton::clicked, this, guarded([this] {
                if (!m_locked) close();
            }));
    row->addWidget(title);
    row->addWidget(m_version);
    row->addSpacing(24);
    row->addWidget(m_unitName, 1);
    row->addWidget(m_date);
    row->addSpacing(8);
    row->addWidget(m_time);
    row->addSpacing(16);
    row->addWidget(minimise);
    row->addWidget(closeButton);
    parent->layout()->addWidget(strip);
}

QToolButton* MainWindow::addBarButton(QWidget* bar, const QString& name, const QString& caption,
                                      bool honoursLock, std::function<void()> action) {
    auto* b = new QToolButton(bar);
    b->setObjectName(name);
    b->setText(caption);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QToolButton::clicked, this, guarded([this, honoursLock, action] {
                if (honoursLock && m_locked) return;
                action();
            }));
    bar->layout()->addWidget(b);
    return b;
}

void MainWindow::buildButtonBar(QWidget* parent) {
    auto* bar = new QFrame(parent);
    bar->setObjectName(QStringLiteral("ppasek"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(6, 4, 6, 4);
    row->setSpacing(4);
    addBarButton(bar, "SpeedButton2", "&SŁOWNIKI", true, [this] { otworzStrone("slowniki"); });
    addBarButton(bar, "sbstaleplacowe", "DANE DO &NALICZEŃ", true,
                 [this] { otworzStrone("skladniki"); });
    addBarButton(bar, "sblisty", "&LISTY PŁAC", true, [this] { otworzStrone("listy"); });
    addBarButton(bar, "sbzolnierze", "Ż&OŁNIERZE", true, [this] {
        m_stan.osobaZp = "Z";
        otworzStrone("osoba");
    });
    addBarButton(bar, "sbpracownicy", "&PRACOWNICY", true, [this] {
        m_stan.osobaZp = "P";
        otworzStrone("osoba");
    });
    addBarButton(bar, "sbdane", "STAŁE &DANE", true, [this] { otworzUstawienia(); });
    addBarButton(bar, "SpeedButton48", "&RODZAJ LD", false, [this] {
        m_kinds->show();
        m_kinds->raise();
    });
    addBarButton(bar, "SpeedButton57", "P&IT-11", true, [this] { otworzStrone("pit_11"); });
    row->addStretch();
    addBarButton(bar, "SpeedButton1", "&KONIEC PRACY", true, [this] { close(); });
    parent->layout()->addWidget(bar);
}

QToolButton* MainWindow::button(const QString& objectName) const {
    return findChild<QToolButton*>(objectName);
}

void MainWindow::ustawStrone(const QString& name, QWidget* page) {
    QWidget* old = m_pages.value(name);
    Q_ASSERT(old);
    const bool active = m_str->currentWidget() == old;
    const int index = m_str->indexOf(old);
    page->setObjectName(name);
    PokazujPoczatekTekstu(page);
    m_str->insertWidget(index, page);
    m_str->removeWidget(old);
    old->deleteLater();
    m_pages.insert(name, page);
    if (active) m_str->setCurrentWidget(page);
}

QWidget* MainWindow::strona(const QString& name) const {
    return m_pages.value(name);
}

void MainWindow::otworzStrone(const QString& name) {
    // A page with opening work of its own (lock, values, grids) does it in otworz() and shows
    // itself there; a placeholder is just shown.
    QWidget* page = strona(name);
    pokazStrone(name);
    if (page && page->metaObject()->indexOfMethod("otworz()") >= 0)
        QMetaObject::invokeMethod(page, "otworz");
}

void MainWindow::pokazStrone(const QString& page) {
    if (QWidget* w = m_pages.value(page)) m_str->setCurrentWidget(w);
    updateTitle();
    m_stopka->setText(tekstStopki(page));
}

QList<QPair<int, QString>> MainWindow::klawiszeStrony(const QString& page) {
    QList<QPair<int, QString>> out;
    for (const Klawisz& k : kKlawisze)
        if (page == QLatin1String(k.page)) out.append({k.key, QString::fromLatin1(k.target)});
    return out;
}

QString MainWindow::nazwaKlawisza(int key) {
    switch (key) {
    case Qt::Key_Return: return QStringLiteral("Enter");
    case Qt::Key_Escape: return QStringLiteral("Esc");
    case Qt::Key_Space: return QStringLiteral("Spacja");
    case Qt::Key_PageUp: return QStringLiteral("PgUp");
    case Qt::Key_PageDown: return QStringLiteral("PgDn");
    case Qt::Key_Home: return QStringLiteral("Home");
    case Qt::Key_End: return QStringLiteral("End");
    }
    return QKeySequence(key).toString();
}

QString MainWindow::tekstStopki(const QString& page) const {
    // Built from the keyboard table, so it says what the keys of this page do: each key with
    // the caption of the button it presses.
    QStringList klawisze;
    for (const Klawisz& k : kKlawisze) {
        if (page != QLatin1String(k.page)) continue;
        QString co = k.opis ? QString::fromUtf8(k.opis) : QString();
        if (co.isEmpty()) {
            const QString target = QString::fromLatin1(k.target);
            QAbstractButton* b = nullptr;
            if (QWidget* w = strona(page)) b = w->findChild<QAbstractButton*>(target);
            if (!b) b = findChild<QAbstractButton*>(target);
            co = b && !b->text().isEmpty() ? b->text() : target;
            co = co.replace(u'\n', u' ').remove(u'&').simplified().toLower();
        }
        klawisze << nazwaKlawisza(k.key) + QStringLiteral(": ") + co;
    }
    QString t = QStringLiteral("VEXA-F  ·  ");
    if (!klawisze.isEmpty()) t += klawisze.join(QStringLiteral(", ")) + QStringLiteral("  ·  ");
    return t + QStringLiteral("Alt + podkreślona litera: przycisk paska");
}

QString MainWindow::aktywnaStrona() const {
    return m_str->currentWidget() ? m_str->currentWidget()->objectName() : QString();
}

void MainWindow::odswiezNazweJednostki() {
    m_unitName->setText(Odczyt(m_ctx.db, "NAZWA1") + " " + Odczyt(m_ctx.db, "NAZWA2"));
}

void MainWindow::otworzUstawienia() {
    if (m_locked) return;
    otworzStrone(QStringLiteral("dane"));
    m_locked = true;
}

void MainWindow::zakonczProgram() {
    m_terminating = true;
    m_timer->stop();
    close();
    emit terminated();
}

void MainWindow::updateTitle() {
    // The unit's short name names the program in the task bar.
    if (!m_ctx.db.isOpen()) return;
    try {
        const QString skrot = Odczyt(m_ctx.db, "SKROT");
        setWindowTitle(skrot.isEmpty() ? QStringLiteral("VEXA-F") : skrot);
    } catch (const VexaError&) {
        setWindowTitle(QStringLiteral("VEXA-F"));
    }
}

void MainWindow::tick() {
    m_date->setText(DataKrotka(m_ctx.clock.today()));
    m_time->setText(CzasKrotki(m_ctx.clock.now()));
    m_date->show();
    m_time->show();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    updateTitle();
}

bool MainWindow::obsluzKlawisz(const QString& page, int key) {
    if (key == Qt::Key_Enter) key = Qt::Key_Return;
    for (const Klawisz& k : kKlawisze) {
        if (page != QLatin1String(k.page) || key != k.key) continue;
        QWidget* w = strona(page);
        const QString target = QString::fromLatin1(k.target);
        auto* b = w->findChild<QAbstractButton*>(target);
        if (!b) b = findChild<QAbstractButton*>(target);
        if (b) {
            if (b->isEnabled()) b->click();
            return true;
        }
        if (w->metaObject()->indexOfMethod(QMetaObject::normalizedSignature(
                (target + QStringLiteral("()")).toLatin1().constData())) >= 0) {
            QMetaObject::invokeMethod(w, k.target);
            return true;
        }
        return false;
    }
    return false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && !m_terminating) {
        // The window sees each key once, before the control that has the focus; keys of
        // other windows (a message, a dialog) are theirs alone.
        auto* w = qobject_cast<QWidget*>(watched);
        QWidget* focus = QApplication::focusWidget();
        const bool first = focus ? watched == focus : watched == this;
        if (w && first && w->window() == this && !QApplication::activeModalWidget()) {
            auto* key = static_cast<QKeyEvent*>(event);
            const int k = key->key();
            // A focused button takes Space and Enter for itself and nothing else happens: the
            // page's own keys act only when the focus is elsewhere. A check box keeps Space
            // (it toggles) and leaves Enter to the page (confirming the form).
            auto* przycisk = qobject_cast<QAbstractButton*>(focus);
            const bool enter = k == Qt::Key_Return || k == Qt::Key_Enter;
            if (przycisk && (enter || k == Qt::Key_Space) && key->modifiers() == Qt::NoModifier) {
                const bool naciskany = qobject_cast<QPushButton*>(przycisk) ||
                                       qobject_cast<QToolButton*>(przycisk);
                if (naciskany && enter) {
                    if (przycisk->isEnabled()) ActionGuard::run([&] { przycisk->click(); });
                    return true;
                }
                if (naciskany || k == Qt::Key_Space) return QMainWindow::eventFilter(watched, event);
            }
            ActionGuard::run([&] { obsluzKlawisz(aktywnaStrona(), k); });
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_terminating) {
        event->accept();
        return;
    }
    if (m_locked) {
        event->ignore();
        return;
    }
    if (m_ctx.messages.Komunikat(KOMUNIKAT_PYTANIE, "Czy zakończyć pracę aplikacji?") != TAK) {
        event->ignore();
        return;
    }
    ActionGuard::run([this] { askAndBackUp(); });
    m_terminating = true;
    m_timer->stop();
    event->accept();
    emit terminated();
}

bool MainWindow::askAndBackUp() {
    if (m_ctx.messages.Komunikat(KOMUNIKAT_PYTANIE,
                                 "Czy wykonać archiwizację\rbazy danych aplikacji?") != TAK)
        return false;
    try {
        const QString folder = WykonajKopie(m_ctx.db, m_ctx.programFolder, m_ctx.clock.today());
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA,
                                 "Aplikacja wykonała kopię bazy danych\r\rFOLDER: \"" + folder +
                                     "\"");
        return true;
    } catch (const VexaError& e) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, e.message());
        return false;
    }
}

} // namespace vexa
