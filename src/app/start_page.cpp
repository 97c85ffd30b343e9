#include "app/start_page.h"

#include "ui/action_guard.h"
#include "ui/app_context.h"
#include "app/name_days.h"
#include "ui/navigator.h"
#include "ui/ui_helpers.h"
#include "data/clock.h"
#include "data/messages.h"
#include "data/settings.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexa {

StartPage::StartPage(AppContext& ctx, QWidget* parent) : QWidget(parent), m_ctx(ctx) {
    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("pmivra"));
    m_panel->setFixedSize(420, 230);
    auto* grid = new QGridLayout(m_panel);
    grid->setContentsMargins(24, 18, 24, 18);
    auto* product = new QLabel(QStringLiteral("VEXA-F"), m_panel);
    product->setObjectName(QStringLiteral("lprodukt"));
    product->setAlignment(Qt::AlignCenter);
    auto* subtitle = new QLabel(QStringLiteral("NALEŻNOŚCI ZAGRANICZNE"), m_panel);
    subtitle->setAlignment(Qt::AlignCenter);
    auto* caption = new QLabel(QStringLiteral("HASŁO:"), m_panel);
    m_password = new QLineEdit(m_panel);
    m_password->setObjectName(QStringLiteral("EHaslo"));
    m_password->setEchoMode(QLineEdit::Password);
    WielkieLitery(m_password);
    auto* ok = new QPushButton(QStringLiteral("ZATWIERDŹ"), m_panel);
    ok->setObjectName(QStringLiteral("SBZatw"));
    ok->setFocusPolicy(Qt::TabFocus);
    auto* cancel = new QPushButton(QStringLiteral("ANULUJ"), m_panel);
    cancel->setObjectName(QStringLiteral("SBAnuluj"));
    cancel->setFocusPolicy(Qt::TabFocus);
    connect(ok, &QPushButton::clicked, this, guarded(this, &StartPage::zatwierdz));
    connect(cancel, &QPushButton::clicked, this, guarded(this, &StartPage::anuluj));
    grid->addWidget(product, 0, 0, 1, 3);
    grid->addWidget(subtitle, 1, 0, 1, 3);
    grid->addWidget(caption, 2, 0);
    grid->addWidget(m_password, 2, 1, 1, 2);
    grid->addWidget(ok, 3, 1);
    grid->addWidget(cancel, 3, 2);

    m_nameDays = new QLabel(EtykietaImienin(m_ctx.clock.today()), this);
    m_nameDays->setObjectName(QStringLiteral("pimieniny"));
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(m_nameDays, 0, Qt::AlignHCenter | Qt::AlignBottom);
}

void StartPage::zatwierdz() {
    if (!HasloPoprawne(m_ctx.db, m_password->text())) {
        m_ctx.messages.Komunikat(
            KOMUNIKAT_INFORMACJA,
            "Hasło nie jest właściwe!\r\rProszę spróbować wprowadzić je ponownie.");
        m_password->clear();
        m_password->setFocus();
        return;
    }
    m_password->clear();
    m_ctx.nav->setLocked(false);
    if (m_settingsAfterPassword && !UstawieniaPotwierdzone(m_ctx.db)) {
        m_ctx.nav->otworzUstawienia();
        return;
    }
    m_ctx.nav->odswiezNazweJednostki();
    m_ctx.nav->pokazStrone(QStringLiteral("pusta"));
}

void StartPage::anuluj() {
    m_ctx.nav->zakonczProgram();
}

void StartPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    CentrujPanel(m_panel);
    m_password->setFocus();
}

void StartPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    CentrujPanel(m_panel);
}

} // namespace vexa
