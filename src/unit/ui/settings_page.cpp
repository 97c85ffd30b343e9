#include "unit/ui/settings_page.h"

#include "ui/action_guard.h"
#include "ui/app_context.h"
#include "ui/navigator.h"
#include "ui/ui_helpers.h"
#include "data/database.h"
#include "data/error.h"
#include "data/messages.h"
#include "data/numbers.h"
#include "data/settings.h"
#include "unit/banks.h"
#include "unit/unit_settings.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace vexa {

namespace {

const char* const kStyl = R"(
QFrame#pdane { background: #ffffff; border: 1px solid #8a99ab; border-radius: 6px; }
QFrame#pdane QLabel[hint="true"] { color: #5b6b7f; font-size: 8pt; }
QFrame#pdane QLabel[caption="true"] { color: #1f3a5f; font-weight: bold; }
QFrame#pdane QFrame#ptytul { background: #1f3a5f; border: none; border-radius: 0; }
QFrame#pdane QToolButton#SpeedButton26 { background: transparent; border: none; padding: 2px 6px; }
QFrame#pdane QLineEdit { padding: 2px; }
)";

// Amounts are typed with digits, blanks between groups and at most two decimals after a comma
// or a full stop.
const char* const kWzorKwoty = "[0-9 ]*([.,][0-9]{0,2})?";

// Short codes get a short field; names and the account a long one.
bool waskie(const PoleUstawien& p) {
    return (p.maksDlugosc > 0 && p.maksDlugosc <= 14) || p.klucz == QLatin1String("REGON");
}

} // namespace

SettingsPage::SettingsPage(AppContext& ctx, QWidget* parent) : QWidget(parent), m_ctx(ctx) {
    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("pdane"));
    m_panel->setStyleSheet(QString::fromUtf8(kStyl));

    auto* pasek = new QFrame(m_panel);
    pasek->setObjectName(QStringLiteral("ptytul"));
    auto* tytul = new QLabel(QStringLiteral("STAŁE DANE APLIKACJI"), pasek);
    tytul->setProperty("pageTitle", true);
    auto* zamknij = new QToolButton(pasek);
    zamknij->setObjectName(QStringLiteral("SpeedButton26"));
    zamknij->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    zamknij->setToolTip(QStringLiteral("Anuluj"));
    zamknij->setFocusPolicy(Qt::TabFocus);
    connect(zamknij, &QToolButton::clicked, this, guarded(this, &SettingsPage::anuluj));
    auto* pasekLayout = new QHBoxLayout(pasek);
    pasekLayout->setContentsMargins(0, 0, 0, 0);
    pasekLayout->setSpacing(0);
    pasekLayout->addWidget(tytul, 1);
    pasekLayout->addWidget(zamknij);

    auto* siatka = new QGridLayout;
    siatka->setHorizontalSpacing(10);
    siatka->setVerticalSpacing(3);
    int wiersz = 0;
    for (const PoleUstawien& p : PolaUstawien()) {
        auto* e = new QLineEdit(m_panel);
        e->setObjectName(p.kontrolka);
        if (p.maksDlugosc > 0) e->setMaxLength(p.maksDlugosc);
        if (p.haslo) e->setEchoMode(QLineEdit::Password);
        if (p.wielkieLitery) WielkieLitery(e);
        if (p.kwota) {
            e->setAlignment(Qt::AlignRight);
            e->setFixedWidth(150);
            e->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QString::fromLatin1(kWzorKwoty)), e));
            connect(e, &QLineEdit::editingFinished, e,
                    guarded([e] { e->setText(KwotaEdycja(ParsujKwote(e->text()))); }));
            e->installEventFilter(this);
        } else {
            // A short field is wide enough for its longest value in the widest letters.
            const int najdluzszy =
                e->fontMetrics().horizontalAdvance(QString(qMax(p.maksDlugosc, 1), u'W')) + 12;
            e->setMinimumWidth(waskie(p) ? qBound(150, najdluzszy, 380) : 380);
        }
        m_pola.insert(p.kontrolka, e);
        if (!p.etykieta.isEmpty()) {
            auto* l = new QLabel(p.etykieta, m_panel);
            l->setProperty("caption", true);
            l->setBuddy(e);
            siatka->addWidget(l, wiersz, 0, Qt::AlignLeft | Qt::AlignVCenter);
        }
        siatka->addWidget(e, wiersz, 1, p.kwota || waskie(p) ? Qt::AlignLeft : Qt::Alignment());
        if (!p.podpowiedz.isEmpty()) {
            auto* h = new QLabel(p.podpowiedz, m_panel);
            h->setProperty("hint", true);
            siatka->addWidget(h, wiersz, 2);
        }
        ++wiersz;
    }
    siatka->setColumnStretch(1, 1);
    siatka->setColumnMinimumWidth(2, 300);

    // Typing an account (or the NIP or REGON after it) names its bank while the bank is empty.
    for (const char* nazwa : {"ekonto", "enip", "eregon"})
        connect(m_pola.value(QString::fromLatin1(nazwa)), &QLineEdit::textEdited, this,
                guarded(this, &SettingsPage::podpowiedzBanku));

    auto* ok = new QPushButton(QStringLiteral("ZATWIERDŹ"), m_panel);
    ok->setObjectName(QStringLiteral("SBDZatw"));
    ok->setFocusPolicy(Qt::TabFocus);
    auto* cancel = new QPushButton(QStringLiteral("ANULUJ"), m_panel);
    cancel->setObjectName(QStringLiteral("SBDAnuluj"));
    cancel->setFocusPolicy(Qt::TabFocus);
    connect(ok, &QPushButton::clicked, this, guarded(this, &SettingsPage::zatwierdz));
    connect(cancel, &QPushButton::clicked, this, guarded(this, &SettingsPage::anuluj));
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(ok);
    przyciski->addWidget(cancel);

    auto* wnetrze = new QVBoxLayout;
    wnetrze->setContentsMargins(16, 6, 16, 0);
    wnetrze->setSpacing(10);
    wnetrze->addLayout(siatka);
    wnetrze->addLayout(przyciski);
    auto* layout = new QVBoxLayout(m_panel);
    layout->setContentsMargins(1, 1, 1, 12);
    layout->setSpacing(6);
    layout->addWidget(pasek);
    layout->addLayout(wnetrze);
    m_panel->ensurePolished();
    m_panel->setFixedSize(m_panel->sizeHint());
}

void SettingsPage::otworz() {
    CentrujPanel(m_panel);
    try {
        pokaz(WczytajUstawienia(m_ctx.db));
    } catch (const VexaError& e) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, e.message());
    }
    m_pola.value(QStringLiteral("EDHaslo"))->setFocus();
}

void SettingsPage::pokaz(const UstawieniaJednostki& u) {
    for (const PoleUstawien& p : PolaUstawien()) {
        QLineEdit* e = m_pola.value(p.kontrolka);
        e->setText(p.tekst ? u.*p.tekst : KwotaEdycja(u.*p.liczba));
        e->setCursorPosition(0);
    }
}

UstawieniaJednostki SettingsPage::zebrane() const {
    UstawieniaJednostki u;
    for (const PoleUstawien& p : PolaUstawien()) {
        const QString tekst = m_pola.value(p.kontrolka)->text();
        if (p.tekst)
            u.*p.tekst = tekst;
        else
            u.*p.liczba = ParsujKwote(tekst); // what does not convert counts as 0
    }
    return u;
}

void SettingsPage::zatwierdz() {
    std::optional<BladUstawien> blad;
    blad = ZatwierdzUstawienia(m_ctx.db, zebrane());
    if (blad) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, blad->komunikat);
        if (QLineEdit* e = m_pola.value(blad->kontrolka)) e->setFocus();
        return;
    }
    m_ctx.nav->odswiezNazweJednostki();
    m_ctx.nav->setLocked(false);
    m_ctx.nav->pokazStrone(QStringLiteral("pusta"));
}

void SettingsPage::anuluj() {
    bool potwierdzone = true;
    try {
        potwierdzone = UstawieniaPotwierdzone(m_ctx.db);
    } catch (const VexaError& e) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, e.message());
    }
    m_ctx.nav->setLocked(false);
    if (potwierdzone)
        m_ctx.nav->pokazStrone(QStringLiteral("pusta"));
    else
        m_ctx.nav->zakonczProgram();
}

void SettingsPage::podpowiedzBanku() {
    QLineEdit* bank = m_pola.value(QStringLiteral("ebank"));
    try {
        const QString nazwa =
            BankDlaRachunku(m_ctx.db, m_pola.value(QStringLiteral("ekonto"))->text(), bank->text());
        if (nazwa != bank->text()) bank->setText(nazwa);
    } catch (const VexaError&) {
        // A look-up that fails leaves the field as it is; typing goes on.
    }
}

bool SettingsPage::eventFilter(QObject* watched, QEvent* event) {
    // An amount field is entered with its whole text selected, so typing replaces "0,00"
    // (after the click that gave the focus has placed the cursor).
    if (event->type() == QEvent::FocusIn)
        if (auto* e = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, e, &QLineEdit::selectAll);
    return QWidget::eventFilter(watched, event);
}

void SettingsPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    CentrujPanel(m_panel);
}

} // namespace vexa
