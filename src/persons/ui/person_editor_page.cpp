#include "persons/ui/person_editor_page.h"

#include "ui/action_guard.h"
#include "ui/app_context.h"
#include "ui/navigator.h"
#include "ui/ui_helpers.h"
#include "data/clock.h"
#include "data/error.h"
#include "data/messages.h"
#include "data/validators.h"
#include "persons/person_views.h"
#include "persons/ui/days_off_panel.h"
#include "persons/ui/person_form.h"
#include "persons/ui/person_history_model.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace vexa {

namespace {

// Shared by the person page and the PIT data page.
const char* const kStyl = R"(
QFrame#posoba, QFrame#posobapit { background: #ffffff; border: 1px solid #8a99ab;
  border-radius: 6px; }
QLabel[caption="true"] { color: #1f3a5f; font-weight: bold; font-size: 8pt; }
QLabel[sectionTitle="true"] { color: #1f3a5f; font-weight: bold; border-bottom: 1px solid #8a99ab;
  padding: 2px 0; }
QLabel#lste, QLabel#ldatadopisania { padding: 3px; }
QLabel#lzp { color: #ffffff; background: #4d6b2f; font-weight: bold; font-size: 8pt;
  padding: 3px 6px; border-radius: 3px; }
QLabel#lzp[zp="P"] { background: #2f5282; }
QPushButton:disabled { color: #9aa8b8; border-color: #c2ccd8; }
)";

QPushButton* przycisk(const QString& napis, const QString& nazwa, QWidget* parent) {
    auto* b = new QPushButton(napis, parent);
    b->setObjectName(nazwa);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

} // namespace

PersonEditorPage::PersonEditorPage(AppContext& ctx, QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_repo(ctx.db) {
    setStyleSheet(QString::fromUtf8(kStyl));
    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("posoba"));

    auto* tytul = new QLabel(QStringLiteral("DANE OSOBOWE"), m_panel);
    tytul->setProperty("pageTitle", true);
    m_form = new PersonForm(ctx, m_panel);
    connect(m_form->przyciskPokwitowania(), &QPushButton::clicked, this,
            guarded(this, &PersonEditorPage::pokwitowanie));

    // The history of the person's positions.
    auto* historia = new QWidget(m_panel);
    auto* naleznosci = new QLabel(QStringLiteral("NALEŻNOŚCI"), historia);
    naleznosci->setProperty("sectionTitle", true);
    m_historiaModel = new PersonHistoryModel(this);
    m_historia = new QTableView(historia);
    m_historia->setTabKeyNavigation(false); // Tab leaves the grid
    m_historia->setObjectName(QStringLiteral("RxDBGrid4"));
    m_historia->setModel(m_historiaModel);
    m_historia->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_historia->setSelectionMode(QAbstractItemView::SingleSelection);
    m_historia->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_historia->verticalHeader()->hide();
    m_historia->verticalHeader()->setDefaultSectionSize(22);
    m_historia->horizontalHeader()->setStretchLastSection(true);
    const int szerokosci[] = {30, 90, 75, 40, 50, 90, 90, 90};
    for (int i = 0; i < int(std::size(szerokosci)); ++i)
        m_historia->setColumnWidth(i, szerokosci[i]);
    connect(m_historia, &QTableView::doubleClicked, this, guarded([this] {
                if (m_lista->isEnabled()) otworzListe();
            }));
    m_lista = przycisk(QStringLiteral("OTWÓRZ LISTĘ"), QStringLiteral("sbosobalista"), historia);
    m_lista->setEnabled(false);
    connect(m_lista, &QPushButton::clicked, this, guarded(this, &PersonEditorPage::otworzListe));
    auto* historiaPrzyciski = new QHBoxLayout;
    historiaPrzyciski->addWidget(m_lista);
    historiaPrzyciski->addStretch();
    auto* historiaLayout = new QVBoxLayout(historia);
    historiaLayout->setContentsMargins(0, 0, 0, 0);
    historiaLayout->addWidget(naleznosci);
    historiaLayout->addWidget(m_historia, 1);
    historiaLayout->addLayout(historiaPrzyciski);

    m_dni = new DaysOffPanel(ctx, m_panel);
    auto* dol = new QHBoxLayout;
    dol->setSpacing(18);
    dol->addWidget(historia, 3);
    dol->addWidget(m_dni, 2);

    auto* pit =
        przycisk(QStringLiteral("DANE DO PIT-11"), QStringLiteral("SpeedButton52"), m_panel);
    auto* ok = przycisk(QStringLiteral("ZATWIERDŹ"), QStringLiteral("sbosobazatwierdz"), m_panel);
    auto* anulujB = przycisk(QStringLiteral("ANULUJ"), QStringLiteral("sbosobaanuluj"), m_panel);
    connect(pit, &QPushButton::clicked, this, guarded(this, &PersonEditorPage::danePit));
    connect(ok, &QPushButton::clicked, this, guarded(this, &PersonEditorPage::zatwierdz));
    connect(anulujB, &QPushButton::clicked, this, guarded(this, &PersonEditorPage::anuluj));
    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(pit);
    przyciski->addStretch();
    przyciski->addWidget(ok);
    przyciski->addWidget(anulujB);
    for (QPushButton* b : {pit, ok, anulujB})
        b->setMinimumSize(130, 34);

    auto* wnetrze = new QVBoxLayout;
    wnetrze->setContentsMargins(14, 6, 14, 0);
    wnetrze->setSpacing(10);
    wnetrze->addWidget(m_form);
    wnetrze->addLayout(dol, 1);
    wnetrze->addLayout(przyciski);
    auto* layout = new QVBoxLayout(m_panel);
    layout->setContentsMargins(1, 1, 1, 12);
    layout->addWidget(tytul);
    layout->addLayout(wnetrze, 1);
    m_panel->ensurePolished();
    // As large as it wants on a large screen; on a small one the grids give up height.
    m_panel->setMaximumSize(m_panel->sizeHint().expandedTo(QSize(1180, 640)));
}

void PersonEditorPage::ustawOtwieranieListy(
    std::function<void(int idlisty, const QString& pesel)> otworz) {
    m_otworzListe = std::move(otworz);
    m_lista->setEnabled(bool(m_otworzListe));
}

void PersonEditorPage::dopisz(const QString& zp) {
    rozpocznij(m_repo.nowa(zp, m_ctx.clock.today()), true);
}

void PersonEditorPage::edytuj(int id) {
    if (id == 0) return;
    rozpocznij(m_repo.osoba(id), false);
}

void PersonEditorPage::rozpocznij(const Osoba& o, bool nowa) {
    m_osoba = o;
    m_osoba.rachunek1 = FormatRachunek(m_osoba.rachunek1);
    m_osoba.rachunek2 = FormatRachunek(m_osoba.rachunek2);
    m_nowa = nowa;
    m_otwarta = true;
    m_ctx.nav->setLocked(true);
    m_ctx.nav->pokazStrone(QStringLiteral("edosoba"));
    CentrujPanel(m_panel);
    m_form->pokaz(m_osoba);
    QList<PozycjaHistorii> historia;
    if (!nowa) {
        try {
            historia = HistoriaOsoby(m_ctx.db, o.nazwisko, o.imie, o.imieojca);
        } catch (const VexaError& e) {
            m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, e.message());
        }
    }
    m_historiaModel->ustaw(historia);
    if (!historia.isEmpty()) m_historia->setCurrentIndex(m_historiaModel->index(0, 0));
    m_dni->wczytaj(o.pesel, !nowa);
    m_form->pole(QStringLiteral("enazwisko"))->setFocus();
}

void PersonEditorPage::zakoncz() {
    m_otwarta = false;
    m_ctx.nav->setLocked(false);
    m_ctx.nav->pokazStrone(QStringLiteral("osoba"));
}

void PersonEditorPage::zatwierdz() {
    if (!m_otwarta) return;
    m_form->pole(QStringLiteral("epesel"))->setFocus();
    // The checks work on a copy: a refusal or a "no" leaves the page as it was typed.
    Osoba o = m_osoba;
    m_form->zbierz(o);
    ZatwierdzenieOsoby wynik;
    wynik = m_repo.zatwierdz(o, m_nowa, m_form->daty(), m_ctx.messages);
    if (!wynik.zapisano) {
        if (!wynik.fokus.isEmpty())
            if (auto* w = m_panel->findChild<QWidget*>(wynik.fokus)) w->setFocus();
        return;
    }
    m_osoba = o;
    m_ctx.nav->stan().ostatniPododdzial = o.skrotpododdzialu;
    zakoncz();
    emit zapisano(wynik.id);
}

void PersonEditorPage::anuluj() {
    if (!m_otwarta) return;
    zakoncz();
}

void PersonEditorPage::danePit() {
    if (!m_otwarta) return;
    emit pokazPit(&m_osoba);
}

void PersonEditorPage::otworzListe() {
    const QModelIndex i = m_historia->currentIndex();
    const PozycjaHistorii* p = i.isValid() ? m_historiaModel->pozycja(i.row()) : nullptr;
    if (!m_otwarta || !m_otworzListe || !p || p->idlisty == 0) return;
    const int idlisty = p->idlisty;
    const QString pesel = m_osoba.pesel;
    m_otwarta = false;
    m_ctx.nav->setLocked(false);
    m_otworzListe(idlisty, pesel);
}

void PersonEditorPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    CentrujPanel(m_panel);
}

void PersonEditorPage::ustawPokwitowanie(std::function<void(const Osoba&)> drukuj) {
    m_pokwitowanie = std::move(drukuj);
    m_form->przyciskPokwitowania()->setEnabled(bool(m_pokwitowanie));
}

void PersonEditorPage::pokwitowanie() {
    if (!m_pokwitowanie) return;
    Osoba o = m_osoba;
    m_form->zbierz(o);
    if (o.zaliczka == 0) return;
    m_pokwitowanie(o);
}

} // namespace vexa
