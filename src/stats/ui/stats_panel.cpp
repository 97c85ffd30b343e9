#include "stats/ui/stats_panel.h"

#include "ui/action_guard.h"
#include "ui/app_context.h"
#include "ui/navigator.h"
#include "data/clock.h"
#include "data/messages.h"
#include "lists/ui/list_register_page.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace vexa {

namespace {

const char* const kStyl = R"(
QFrame#Pstat { background: #f4f6f9; border: 2px solid #1f3a5f; border-radius: 6px; }
QFrame#Pstat QLabel[wartosc="true"] { font-weight: bold; color: #1f3a5f; }
QFrame#Pstat QLabel#ltytulstat { font-weight: bold; color: white; background: #1f3a5f;
  padding: 4px; }
)";

} // namespace

StatsPanel::StatsPanel(AppContext& ctx, ListRegisterPage& rejestr)
    : QFrame(&rejestr), m_ctx(ctx), m_rejestr(rejestr) {
    setObjectName(QStringLiteral("Pstat"));
    setStyleSheet(QString::fromUtf8(kStyl));
    setFixedSize(340, 520);
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(8, 8, 8, 8);
    auto* gora = new QHBoxLayout;
    auto* tytul = new QLabel(QStringLiteral("PODSUMOWANIE LIST"), this);
    tytul->setObjectName(QStringLiteral("ltytulstat"));
    auto* zamknij = new QToolButton(this);
    zamknij->setObjectName(QStringLiteral("sbstatzamknij"));
    zamknij->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    zamknij->setToolTip(QStringLiteral("Zamknij"));
    connect(zamknij, &QToolButton::clicked, this, guarded([this] { hide(); }));
    gora->addWidget(tytul, 1);
    gora->addWidget(zamknij);
    col->addLayout(gora);
    auto* g = new QGridLayout;
    g->setVerticalSpacing(2);
    const QList<WierszStatystyki> wiersze = WierszeStatystyki({}, {}, QString());
    for (int i = 0; i < wiersze.size(); ++i) {
        const WierszStatystyki& w = wiersze[i];
        auto* podpis = new QLabel(w.podpis, this);
        // The war-supplement captions carry the rates and have names of their own.
        if (i >= 8 && i <= 10) podpis->setObjectName(QStringLiteral("ldodwoj%1").arg(i - 5));
        auto* wartosc = new QLabel(this);
        wartosc->setObjectName(w.nazwa);
        wartosc->setProperty("wartosc", true);
        wartosc->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* jednostka = new QLabel(w.jednostka, this);
        if (i == wiersze.size() - 1) jednostka->setObjectName(QStringLiteral("lkasa"));
        const int r = i + (i >= 5 ? 1 : 0);
        g->addWidget(podpis, r, 0);
        g->addWidget(wartosc, r, 1);
        g->addWidget(jednostka, r, 2);
        m_etykiety.insert(w.nazwa, wartosc);
        m_etykiety.insert(w.nazwa + QStringLiteral("_podpis"), podpis);
        m_etykiety.insert(w.nazwa + QStringLiteral("_jednostka"), jednostka);
    }
    g->setRowMinimumHeight(5, 8);
    col->addLayout(g);
    col->addStretch();
    auto* druk = new QPushButton(QStringLiteral("DRUKUJ\nPODSUMOWANIE"), this);
    druk->setObjectName(QStringLiteral("SpeedButton33"));
    connect(druk, &QPushButton::clicked, this, guarded(this, &StatsPanel::drukuj));
    col->addWidget(druk);
    hide();
    rejestr.installEventFilter(this);
}

bool StatsPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_rejestr) {
        if (event->type() == QEvent::Show) hide(); // entering the register again
        if (event->type() == QEvent::Resize) ustawMiejsce();
    }
    return QFrame::eventFilter(watched, event);
}

void StatsPanel::ustawMiejsce() {
    // At the right, below the register's filter row and search field.
    move(qMax(0, m_rejestr.width() - width() - 16),
         qMax(0, qMin(100, m_rejestr.height() - height() - 8)));
}

void StatsPanel::generuj() {
    const QList<Lista>& listy = m_rejestr.listy();
    if (listy.isEmpty()) return;
    const std::array<double, 3> stawki = StawkiWojenne(m_ctx.db);
    const Lista* biezaca = m_rejestr.biezaca();
    m_waluta = biezaca ? biezaca->walutazaliczki : listy.first().walutazaliczki;
    m_wynik = ObliczStatystyke(m_ctx.db, listy);
    m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, m_wynik.tylkoZaznaczone ? STATYSTYKA_ZAZNACZONE
                                                                         : STATYSTYKA_WSZYSTKIE);
    for (const WierszStatystyki& w : WierszeStatystyki(m_wynik, stawki, m_waluta)) {
        m_etykiety.value(w.nazwa)->setText(w.wartosc);
        m_etykiety.value(w.nazwa + QStringLiteral("_podpis"))->setText(w.podpis);
        m_etykiety.value(w.nazwa + QStringLiteral("_jednostka"))->setText(w.jednostka);
    }
    ustawMiejsce();
    show();
    raise();
}

void StatsPanel::drukuj() {
    if (m_ctx.nav) m_ctx.nav->stan().stronaPowrotu = QStringLiteral("listy");
    if (!isVisible()) generuj();
    if (!isVisible() || !m_pokaz) return;
    m_pokaz(WydrukStatystyki(m_wynik, StawkiWojenne(m_ctx.db), m_waluta, m_ctx.clock.today()));
}

} // namespace vexa
