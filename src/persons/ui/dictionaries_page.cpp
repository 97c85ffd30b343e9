#include "persons/ui/dictionaries_page.h"

#include "ui/action_guard.h"
#include "ui/app_context.h"
#include "ui/navigator.h"
#include "ui/ui_helpers.h"
#include "persons/ui/dictionary_panel.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace vexa {

namespace {

const char* const kStyl = R"(
QFrame#pslowniki { background: #ffffff; border: 1px solid #8a99ab; border-radius: 6px; }
QFrame[dictionaryPanel="true"] { background: #f4f6f9; border: 1px solid #c2ccd8;
  border-radius: 4px; }
QLabel[panelTitle="true"] { color: #1f3a5f; font-weight: bold; padding: 4px; }
QFrame#pslowniki QFrame#ptytul { background: #1f3a5f; border: none; border-radius: 0; }
QFrame#pslowniki QToolButton#SpeedButton22 { background: transparent; border: none;
  padding: 2px 6px; }
QTableView { gridline-color: #8a8a8a; selection-background-color: #1f3a5f;
  selection-color: white; }
QFrame#pslowniki QPushButton:disabled { color: #a3adb8; background: #eceff3;
  border-color: #c8d0da; }
QHeaderView::section { background: #dfe5ec; color: #1f3a5f; font-weight: bold;
  border: 1px solid #b0bccb; padding: 3px; }
)";

} // namespace

DictionariesPage::DictionariesPage(AppContext& ctx, QWidget* parent) : QWidget(parent), m_ctx(ctx) {
    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("pslowniki"));
    m_panel->setStyleSheet(QString::fromUtf8(kStyl));
    m_panel->setFixedSize(980, 560);

    auto* pasek = new QFrame(m_panel);
    pasek->setObjectName(QStringLiteral("ptytul"));
    auto* tytul = new QLabel(QStringLiteral("SŁOWNIKI"), pasek);
    tytul->setProperty("pageTitle", true);
    auto* zamknijB = new QToolButton(pasek);
    zamknijB->setObjectName(QStringLiteral("SpeedButton22"));
    zamknijB->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    zamknijB->setToolTip(QStringLiteral("Zamknij"));
    zamknijB->setFocusPolicy(Qt::TabFocus);
    connect(zamknijB, &QToolButton::clicked, this, guarded(this, &DictionariesPage::zamknij));
    auto* pasekLayout = new QHBoxLayout(pasek);
    pasekLayout->setContentsMargins(0, 0, 0, 0);
    pasekLayout->setSpacing(0);
    pasekLayout->addWidget(tytul, 1);
    pasekLayout->addWidget(zamknijB);

    m_pododdzialy = new DictionaryPanel(
        ctx, Slownik::Pododdzialy,
        {QStringLiteral("PODODDZIAŁY"), QStringLiteral("ppododdzialy"), QStringLiteral("RxDBGrid1"),
         QStringLiteral("ppodedycja"), QStringLiteral("SpeedButton3"),
         QStringLiteral("sbpodedytuj"), QStringLiteral("SpeedButton6"),
         QStringLiteral("SpeedButton5"), QStringLiteral("SpeedButton7")},
        m_panel);
    m_stopnie = new DictionaryPanel(ctx, Slownik::Stopnie,
                                    {QStringLiteral("STOPNIE ETATOWE"), QStringLiteral("pstopnie"),
                                     QStringLiteral("RxDBGrid2"), QStringLiteral("psteedycja"),
                                     QStringLiteral("SpeedButton8"), QStringLiteral("sbsteedytuj"),
                                     QStringLiteral("SpeedButton4"), QStringLiteral("SpeedButton9"),
                                     QStringLiteral("SpeedButton10")},
                                    m_panel);
    // One row at a time: while one dictionary edits, the other one's buttons rest.
    connect(m_pododdzialy, &DictionaryPanel::edycjaRozpoczeta, this,
            guarded([this] { m_stopnie->setAkcjeDostepne(false); }));
    connect(m_pododdzialy, &DictionaryPanel::edycjaZakonczona, this,
            guarded([this] { m_stopnie->setAkcjeDostepne(true); }));
    connect(m_stopnie, &DictionaryPanel::edycjaRozpoczeta, this,
            guarded([this] { m_pododdzialy->setAkcjeDostepne(false); }));
    connect(m_stopnie, &DictionaryPanel::edycjaZakonczona, this,
            guarded([this] { m_pododdzialy->setAkcjeDostepne(true); }));

    auto* obok = new QHBoxLayout;
    obok->setSpacing(10);
    obok->addWidget(m_pododdzialy, 1);
    obok->addWidget(m_stopnie, 1);
    auto* layout = new QVBoxLayout(m_panel);
    layout->setContentsMargins(1, 1, 1, 10);
    layout->setSpacing(10);
    layout->addWidget(pasek);
    auto* wnetrze = new QHBoxLayout;
    wnetrze->setContentsMargins(10, 0, 10, 0);
    wnetrze->addLayout(obok);
    layout->addLayout(wnetrze, 1);
}

void DictionariesPage::otworz() {
    CentrujPanel(m_panel);
    m_pododdzialy->wczytaj();
    m_stopnie->wczytaj();
    m_pododdzialy->setAkcjeDostepne(true);
    m_stopnie->setAkcjeDostepne(true);
    m_pododdzialy->siatka()->setFocus();
}

void DictionariesPage::zamknij() {
    // A row still open is cancelled, which also releases the navigation lock.
    for (DictionaryPanel* p : {m_pododdzialy, m_stopnie})
        if (p->edytuje()) p->anuluj();
    m_ctx.nav->pokazStrone(QStringLiteral("pusta"));
}

void DictionariesPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    CentrujPanel(m_panel);
}

} // namespace vexa
