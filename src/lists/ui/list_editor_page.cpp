#include "lists/ui/list_editor_page.h"

#include "ui/action_guard.h"
#include "ui/app_context.h"
#include "ui/grid_font_spin.h"
#include "ui/navigator.h"
#include "data/error.h"
#include "data/messages.h"
#include "lists/constants.h"
#include "lists/ui/date_filter_dialog.h"
#include "lists/ui/list_grid.h"
#include "lists/ui/list_header_panel.h"
#include "lists/ui/position_editor_page.h"
#include "lists/ui/position_grid_model.h"
#include "lists/ui/short_position_editor_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QStyle>
#include <QToolButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace vexa {

ListEditorPage::ListEditorPage(AppContext& ctx, QWidget* parent) : QWidget(parent), m_ctx(ctx) {
    setStyleSheet(StylStronList());
    auto* titleBar = new QFrame(this);
    titleBar->setObjectName(QStringLiteral("ptytuledlista"));
    titleBar->setProperty("listTitleBar", true);
    auto* tb = new QHBoxLayout(titleBar);
    tb->setContentsMargins(8, 3, 8, 3);
    tb->addWidget(new QLabel(QStringLiteral("LISTA NALEŻNOŚCI ZAGRANICZNYCH"), titleBar));
    tb->addStretch();
    m_title = new QLabel(titleBar);
    m_title->setObjectName(QStringLiteral("llistytytul2"));
    tb->addWidget(m_title);

    m_header = new ListHeaderPanel(this);
    auto* body = new QFrame(this);
    body->setObjectName(QStringLiteral("ppozycje"));
    buildGrid(body);
    auto* buttons = new QFrame(this);
    buttons->setObjectName(QStringLiteral("pprzyciskilista"));
    buildButtons(buttons);
    m_dateDialog = new DateFilterDialog(m_ctx.messages, this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(titleBar);
    layout->addWidget(m_header);
    layout->addWidget(body, 1);
    layout->addWidget(buttons);
}

void ListEditorPage::buildGrid(QWidget* parent) {
    auto* v = new QVBoxLayout(parent);
    v->setContentsMargins(6, 0, 6, 0);
    v->setSpacing(3);
    auto* top = new QHBoxLayout;
    m_rbNazwisko = new QRadioButton(QStringLiteral("NAZWISKO"), parent);
    m_rbNazwisko->setObjectName(QStringLiteral("RBNazwisko"));
    m_rbNazwisko->setChecked(true);
    m_rbNazwisko->setFocusPolicy(Qt::TabFocus);
    m_rbNis = new QRadioButton(QStringLiteral("NIS"), parent);
    m_rbNis->setObjectName(QStringLiteral("RBNIS"));
    m_rbNis->setFocusPolicy(Qt::TabFocus);
    connect(m_rbNazwisko, &QRadioButton::clicked, this,
            guarded(this, &ListEditorPage::otworzpozycje));
    connect(m_rbNis, &QRadioButton::clicked, this, guarded(this, &ListEditorPage::otworzpozycje));
    m_szukaj = new QLineEdit(parent);
    m_szukaj->setObjectName(QStringLiteral("epozycjaszukaj"));
    m_szukaj->setFixedWidth(180);
    connect(m_szukaj, &QLineEdit::textEdited, this, guarded(this, &ListEditorPage::szukaj));
    m_ilosc = new QLabel(parent);
    m_ilosc->setObjectName(QStringLiteral("lpozycjailosc"));
    m_wyr = new QLabel(parent);
    m_wyr->setObjectName(QStringLiteral("lwyr"));
    m_wyr->hide();
    m_przelewWaluta = new QLineEdit(parent);
    m_przelewWaluta->setObjectName(QStringLiteral("eprzelew_waluta"));
    m_przelewWaluta->setReadOnly(true);
    m_przelewWaluta->setFocusPolicy(Qt::NoFocus);
    m_przelewWaluta->setFixedWidth(50);
    m_przelewWaluta->setToolTip(QStringLiteral("Rodzaj przelewów zaznaczonych pozycji"));
    top->addWidget(new QLabel(QStringLiteral("SORTUJ WG:"), parent));
    top->addWidget(m_rbNazwisko);
    top->addWidget(m_rbNis);
    top->addSpacing(16);
    top->addWidget(new QLabel(QStringLiteral("Szukaj:"), parent));
    top->addWidget(m_szukaj);
    top->addSpacing(16);
    top->addWidget(m_ilosc);
    top->addSpacing(16);
    top->addWidget(m_wyr);
    top->addStretch();
    top->addWidget(new QLabel(QStringLiteral("PRZELEWY:"), parent));
    top->addWidget(m_przelewWaluta);
    auto* przelewy = new QToolButton(parent);
    przelewy->setObjectName(QStringLiteral("SpeedButton41"));
    przelewy->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    przelewy->setToolTip(QStringLiteral("Generuj przelewy"));
    przelewy->setFocusPolicy(Qt::TabFocus);
    connect(przelewy, &QToolButton::clicked, this, guarded(this, &ListEditorPage::generujPrzelewy));
    top->addWidget(przelewy);
    v->addLayout(top);

    m_model = new PositionGridModel(this);
    m_grid = new QTableView(parent);
    // Tab leaves the grid for the next control; the arrows move inside it.
    m_grid->setTabKeyNavigation(false);
    m_grid->setObjectName(QStringLiteral("dbgpozycja"));
    m_grid->setModel(m_model);
    UstawSiatke(m_grid);
    const int widths[] = {24, 90, 130, 90, 95, 150, 50, 50, 34,
                          44, 90, 90,  24, 90, 90,  80, 80, 200};
    for (int i = 0; i < int(std::size(widths)); ++i)
        m_grid->setColumnWidth(i, widths[i]);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    connect(m_grid, &QTableView::clicked, this, guarded(this, &ListEditorPage::klikniecie));
    connect(m_grid, &QTableView::doubleClicked, this, guarded([this](const QModelIndex& index) {
                if (index.column() != PositionGridModel::KOLUMNA_ZAZ &&
                    index.column() != PositionGridModel::KOLUMNA_K)
                    edytujPozycje();
            }));
    auto* spin = new GridFontSpin(m_grid, parent);
    spin->setObjectName(QStringLiteral("RxSpinButton3"));
    auto* row = new QHBoxLayout;
    row->addWidget(m_grid, 1);
    row->addWidget(spin);
    v->addLayout(row, 1);
    auto* legend = new QLabel(PositionGridModel::legenda(), parent);
    legend->setObjectName(QStringLiteral("lpozycjalegenda"));
    legend->setProperty("legend", true);
    v->addWidget(legend);
}

void ListEditorPage::buildButtons(QWidget* parent) {
    auto* g = new QHBoxLayout(parent);
    g->setContentsMargins(6, 2, 6, 6);
    struct Przycisk {
        const char* caption;
        const char* name;
        void (ListEditorPage::*slot)();
        const char* tip;
    };
    const Przycisk marks[] = {
        {"ZAZNACZ\nWSZYSTKIE", "SpeedButton12", &ListEditorPage::zaznaczWszystkie, nullptr},
        {"ODZNACZ\nWSZYSTKIE", "SpeedButton16", &ListEditorPage::odznaczWszystkie, nullptr},
        {"PLN", "SpeedButton39", &ListEditorPage::zaznaczPln, "Zaznacz pozycje z rachunkiem w PLN"},
        {"WAL", "SpeedButton40", &ListEditorPage::zaznaczWal,
         "Zaznacz pozycje z rachunkiem walutowym"},
        {"ZAZNACZ\nWG DAT", "SpeedButton30", &ListEditorPage::zaznaczWgDat, nullptr},
        {"DO\nZROBIENIA", "SpeedButton59", &ListEditorPage::doZrobienia,
         "Oznacz bieżącą pozycję do zrobienia"},
    };
    const Przycisk edits[] = {
        {"EDYTUJ", "sbpozycjaedytuj", &ListEditorPage::edytujPozycje, nullptr},
        {"USUŃ", "sbpozycjausun", &ListEditorPage::usunPozycje, nullptr},
        {"USUŃ PUSTE\nPOZYCJE", "SpeedButton42", &ListEditorPage::usunPuste, nullptr},
        {"DOPISZ", "SpeedButton32", &ListEditorPage::dopisz, "Dopisz nowe osoby z kartoteki"},
        {"ZMIEŃ SKŁ. DLA\nZAZNACZ. POZ.", "SpeedButton21", &ListEditorPage::zmienSkladniki,
         "Zmień składniki wszystkich zaznaczonych pozycji"},
        {"GENERUJ\nPRZELEWY", "sbgenerujprzelewy", &ListEditorPage::generujPrzelewy,
         "Pliki przelewów dla programu bankowego"},
    };
    const Przycisk list[] = {
        {"ZATWIERDŹ", "sblistazatwierdz", &ListEditorPage::zatwierdz, nullptr},
        {"ANULUJ", "sblistaanuluj", &ListEditorPage::anuluj, nullptr},
    };
    auto add = [&](const Przycisk& p) {
        auto* b = PrzyciskListy(QString::fromUtf8(p.caption), QString::fromLatin1(p.name), parent);
        if (p.tip) b->setToolTip(QString::fromUtf8(p.tip));
        connect(b, &QPushButton::clicked, this, guarded(this, p.slot));
        g->addWidget(b);
    };
    for (const Przycisk& p : marks)
        add(p);
    g->addSpacing(20);
    for (const Przycisk& p : edits)
        add(p);
    g->addStretch();
    for (const Przycisk& p : list)
        add(p);
}

void ListEditorPage::ustawEdytoryPozycji(PositionEditorPage* full,
                                         ShortPositionEditorPage* shortEditor) {
    m_full = full;
    m_short = shortEditor;
}

bool ListEditorPage::wykonaj(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const VexaError& e) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, e.message());
        return false;
    }
}

void ListEditorPage::otworz(int idlisty) {
    const bool ok = wykonaj([&] {
        ListRepository repo(m_ctx.db);
        m_zapisana = repo.lista(idlisty);
        m_lista = m_zapisana;
        m_pamiec = ZapamietaneWartosci::z(m_lista);
        m_pozycjeZapisane = false;
        // New positions start unmarked, and the grid from its first row.
        repo.odznaczWszystkie(idlisty);
        m_model->ustaw({}, m_lista.walutazaliczki, {});
    });
    if (!ok) return;
    m_title->setText(TytulListy(m_lista));
    m_header->ustaw(&m_lista);
    m_ctx.nav->setLocked(true);
    m_ctx.nav->pokazStrone(QStringLiteral("edlista"));
    otworzpozycje();
    m_ctx.nav->stan().przelewWaluta.clear();
    m_przelewWaluta->clear();
}

KolejnoscPozycji ListEditorPage::kolejnosc() const {
    return m_rbNis->isChecked() ? KolejnoscPozycji::Nis : KolejnoscPozycji::Nazwisko;
}

int ListEditorPage::biezacaPozycja() const {
    const Pozycja* p = m_model->pozycja(m_grid->currentIndex().row());
    return p ? p->id : 0;
}

int ListEditorPage::sasiedniaPozycja(int id, int krok) const {
    const int row = m_model->wierszId(id);
    if (row < 0) return id;
    const int target = qBound(0, row + krok, m_model->rowCount() - 1);
    return m_model->pozycja(target)->id;
}

void ListEditorPage::wybierz(int id) {
    int row = m_model->wierszId(id);
    if (row < 0 && m_model->rowCount() > 0) row = 0;
    if (row >= 0) {
        const int column = qMax(1, m_grid->currentIndex().column());
        m_grid->setCurrentIndex(m_model->index(row, column));
        m_grid->scrollTo(m_grid->currentIndex());
    }
}

void ListEditorPage::otworzpozycje() {
    const int current = biezacaPozycja();
    wykonaj([&] {
        ListRepository repo(m_ctx.db);
        const auto order = kolejnosc();
        QSet<QString> jn;
        if (m_lista.rodzaj == QLatin1String("JN"))
            jn = PowtorzonePeseleJN(m_ctx.db, RokListy(m_lista));
        m_model->ustaw(repo.pozycje(m_lista.id, order), m_lista.walutazaliczki, std::move(jn));
    });
    m_ilosc->setText(QStringLiteral("ILOŚĆ POZYCJI: %1").arg(m_model->rowCount()));
    odswiezDoZrobienia();
    wybierz(current);
    m_szukaj->clear();
    if (m_ctx.nav->aktywnaStrona() == QLatin1String("edlista")) m_szukaj->setFocus();
}

void ListEditorPage::odswiezDoZrobienia() {
    int n = 0;
    wykonaj([&] { n = ListRepository(m_ctx.db).iloscDoZrobienia(m_lista.id); });
    m_wyr->setText(QStringLiteral("DO ZROBIENIA: %1").arg(n));
    m_wyr->setVisible(n > 0);
}

void ListEditorPage::szukaj(const QString& text) {
    const QString prefix = text.trimmed();
    if (prefix.isEmpty()) return;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->pozycja(row)->nazwisko.startsWith(prefix, Qt::CaseSensitive)) {
            wybierz(m_model->pozycja(row)->id);
            return;
        }
    }
}

void ListEditorPage::odswiezWiersz(int id) {
    wykonaj([&] { m_model->odswiezWiersz(ListRepository(m_ctx.db).pozycja(id)); });
}

void ListEditorPage::pozycjaZapisana(int id, const SumyListy& s) {
    m_pozycjeZapisane = true;
    ustawSumy(id, s);
}

void ListEditorPage::ustawSumy(int id, const SumyListy& s) {
    for (Lista* l : {&m_lista, &m_zapisana}) {
        l->razem = s.razem;
        l->zaliczka = s.zaliczka;
        l->zaliczkawaluta = s.zaliczkawaluta;
        l->rachunek = s.rachunek;
        l->skladkizus = s.skladkizus;
        l->innezmniejszenia = s.innezmniejszenia;
        l->iloscpozycji = s.iloscpozycji;
    }
    m_header->odswiezSumy();
    wybierz(id);
    otworzpozycje();
}

void ListEditorPage::wroc(int idpozycji) {
    m_ctx.nav->pokazStrone(QStringLiteral("edlista"));
    wybierz(idpozycji);
    m_szukaj->setFocus();
}

void ListEditorPage::edytujPozycje() {
    const int id = biezacaPozycja();
    if (!id) return;
    if (m_lista.typ == QLatin1String("D")) {
        if (m_short) m_short->otworz(id);
    } else if (m_full) {
        m_full->otworz(id);
    }
}

void ListEditorPage::zatwierdz() {
    bool walked = false;
    std::optional<BladListy> blad;
    const bool ok = wykonaj([&] {
        blad = ZatwierdzListe(m_ctx.db, m_ctx.messages, m_lista, m_zapisana, m_pamiec,
                              BiezaceDaneNaliczenia(m_ctx.db), &walked);
    });
    if (!ok) return;
    if (blad) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, blad->komunikat);
        m_header->fokus(blad->pole);
        return;
    }
    zostawListe();
}

void ListEditorPage::anuluj() {
    // Positions written meanwhile were computed from the header as typed; when that header is
    // dropped, they are computed again from the header as stored.
    if (m_pozycjeZapisane && RozneDoNaliczen(m_lista, m_zapisana) &&
        !ListaChroniona(m_ctx.db, m_zapisana)) {
        if (!wykonaj([&] { PrzeliczListe(m_ctx.db, m_zapisana, BiezaceDaneNaliczenia(m_ctx.db)); }))
            return;
    }
    zostawListe();
}

void ListEditorPage::zostawListe() {
    m_ctx.nav->setLocked(false);
    m_ctx.nav->pokazStrone(QStringLiteral("listy"));
    emit zamknieta(m_lista.id);
}

} // namespace vexa
