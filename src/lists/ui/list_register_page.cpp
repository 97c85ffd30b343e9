#include "lists/ui/list_register_page.h"

#include "ui/action_guard.h"
#include "ui/app_context.h"
#include "ui/grid_font_spin.h"
#include "ui/navigator.h"
#include "data/clock.h"
#include "data/error.h"
#include "data/messages.h"
#include "lists/list_editing.h"
#include "lists/list_repository.h"
#include "lists/ui/list_editor_page.h"
#include "lists/ui/list_file_actions.h"
#include "lists/ui/list_grid.h"
#include "lists/ui/list_register_model.h"
#include "lists/ui/register_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace vexa {

namespace {

const char* const kMiesiace[] = {"(WSZYSTKIE)", "STYCZEŃ",  "LUTY",    "MARZEC",   "KWIECIEŃ",
                                 "MAJ",         "CZERWIEC", "LIPIEC",  "SIERPIEŃ", "WRZESIEŃ",
                                 "PAŹDZIERNIK", "LISTOPAD", "GRUDZIEŃ"};

QCheckBox* pole(const QString& caption, const char* name, QWidget* parent) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setChecked(true);
    c->setFocusPolicy(Qt::TabFocus);
    return c;
}

// A read-only chooser with a button that opens its dialog.
QLineEdit* wybor(const char* name, QWidget* parent, QToolButton** button) {
    auto* e = new QLineEdit(WSZYSTKIE, parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    e->setFixedWidth(120);
    auto* b = new QToolButton(parent);
    b->setObjectName(QStringLiteral("sb") + QString::fromLatin1(name));
    b->setText(QStringLiteral("…"));
    b->setFocusPolicy(Qt::TabFocus);
    *button = b;
    return e;
}

QLabel* podpis(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setProperty("filterCaption", true);
    return l;
}

} // namespace

ListRegisterPage::ListRegisterPage(AppContext& ctx, QWidget* parent) : QWidget(parent), m_ctx(ctx) {
    setStyleSheet(StylStronList());
    auto* titleBar = new QFrame(this);
    titleBar->setObjectName(QStringLiteral("ptytullisty"));
    titleBar->setProperty("listTitleBar", true);
    auto* tb = new QHBoxLayout(titleBar);
    tb->setContentsMargins(8, 3, 4, 3);
    tb->addWidget(new QLabel(QStringLiteral("LISTY NALEŻNOŚCI"), titleBar), 1);
    auto* close = new QToolButton(titleBar);
    close->setObjectName(QStringLiteral("SpeedButton23"));
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setToolTip(QStringLiteral("Zamknij"));
    close->setFocusPolicy(Qt::TabFocus);
    connect(close, &QToolButton::clicked, this,
            guarded([this] { m_ctx.nav->pokazStrone(QStringLiteral("pusta")); }));
    tb->addWidget(close);

    auto* filters = new QFrame(this);
    filters->setObjectName(QStringLiteral("pfiltrlisty"));
    buildFilters(filters);

    m_model = new ListRegisterModel(this);
    m_grid = new QTableView(this);
    // Tab leaves the grid for the next control; the arrows move inside it.
    m_grid->setTabKeyNavigation(false);
    m_grid->setObjectName(QStringLiteral("dbglista"));
    m_grid->setModel(m_model);
    UstawSiatke(m_grid);
    const int widths[] = {26, 26, 26, 34, 150, 90, 130, 40, 90, 80, 50, 110, 110, 110, 110};
    for (int i = 0; i < int(std::size(widths)); ++i)
        m_grid->setColumnWidth(i, widths[i]);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this,
            guarded(this, &ListRegisterPage::sortuj));
    connect(m_grid, &QTableView::clicked, this, guarded(this, &ListRegisterPage::klikniecie));
    connect(m_grid, &QTableView::doubleClicked, this, guarded([this](const QModelIndex& index) {
                if (index.column() != 0) edytuj();
            }));
    auto* spin = new GridFontSpin(m_grid, this);
    spin->setObjectName(QStringLiteral("RxSpinButton2"));
    auto* gridRow = new QHBoxLayout;
    gridRow->addWidget(m_grid, 1);
    gridRow->addWidget(spin);

    auto* legend = new QLabel(ListRegisterModel::legenda(), this);
    legend->setObjectName(QStringLiteral("llistylegenda"));
    legend->setProperty("legend", true);

    auto* bottom = new QFrame(this);
    bottom->setObjectName(QStringLiteral("pprzyciskilisty"));
    buildButtons(bottom);

    m_yearDialog = new YearDialog(this);
    m_pkwDialog = new ContingentDialog(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(titleBar);
    layout->addWidget(filters);
    layout->addLayout(gridRow, 1);
    layout->addWidget(legend);
    layout->addWidget(bottom);
}

void ListRegisterPage::buildFilters(QWidget* parent) {
    auto* g = new QGridLayout(parent);
    g->setContentsMargins(8, 4, 8, 4);
    g->setHorizontalSpacing(8);
    m_miesiac = new QComboBox(parent);
    m_miesiac->setObjectName(QStringLiteral("elistymiesiac"));
    for (const char* m : kMiesiace)
        m_miesiac->addItem(QString::fromUtf8(m));
    connect(m_miesiac, &QComboBox::currentIndexChanged, this,
            guarded(this, &ListRegisterPage::odswiezlisty));
    QToolButton* rokButton = nullptr;
    QToolButton* pkwButton = nullptr;
    m_rok = wybor("celistyrok", parent, &rokButton);
    m_pkw = wybor("celistypkw", parent, &pkwButton);
    connect(rokButton, &QToolButton::clicked, this, guarded(this, &ListRegisterPage::wybierzRok));
    connect(pkwButton, &QToolButton::clicked, this, guarded(this, &ListRegisterPage::wybierzPkw));
    m_mpkw = new QPlainTextEdit(parent);
    m_mpkw->setObjectName(QStringLiteral("mpkw"));
    m_mpkw->hide();

    m_otwarte = pole(QStringLiteral("OTWARTA"), "fotwarte", parent);
    m_zamkniete = pole(QStringLiteral("ZAMKNIĘTA"), "fzamkniete", parent);
    m_pelne = pole(QStringLiteral("PEŁNE"), "fpelne", parent);
    m_dodatkowe = pole(QStringLiteral("DODATKOWE"), "fdodatkowe", parent);
    m_zolnierze = pole(QStringLiteral("ŻOŁNIERZE"), "fzolnierzy", parent);
    m_cywile = pole(QStringLiteral("PRACOWNICY CYWILNI"), "fcywili", parent);
    for (QCheckBox* c : {m_otwarte, m_zamkniete, m_pelne, m_dodatkowe, m_zolnierze, m_cywile})
        connect(c, &QCheckBox::toggled, this, guarded(this, &ListRegisterPage::odswiezlisty));

    m_szukaj = new QLineEdit(parent);
    m_szukaj->setObjectName(QStringLiteral("elistyszukaj"));
    m_szukaj->setFixedWidth(180);
    connect(m_szukaj, &QLineEdit::textEdited, this, guarded(this, &ListRegisterPage::szukaj));
    m_filtr = PrzyciskListy(QStringLiteral("USTAW FILTR"), QStringLiteral("sblistyfiltr"), parent);
    connect(m_filtr, &QPushButton::clicked, this, guarded(this, &ListRegisterPage::przelaczFiltr));

    g->addWidget(podpis(QStringLiteral("MIESIĄC:"), parent), 0, 0);
    g->addWidget(m_miesiac, 0, 1);
    g->addWidget(podpis(QStringLiteral("ROK:"), parent), 1, 0);
    auto* rokRow = new QHBoxLayout;
    rokRow->addWidget(m_rok);
    rokRow->addWidget(rokButton);
    g->addLayout(rokRow, 1, 1);
    g->addWidget(podpis(QStringLiteral("PKW:"), parent), 0, 2);
    auto* pkwRow = new QHBoxLayout;
    pkwRow->addWidget(m_pkw);
    pkwRow->addWidget(pkwButton);
    g->addLayout(pkwRow, 0, 3);
    g->addWidget(m_otwarte, 0, 4);
    g->addWidget(m_zamkniete, 1, 4);
    g->addWidget(m_pelne, 0, 5);
    g->addWidget(m_dodatkowe, 1, 5);
    g->addWidget(m_zolnierze, 0, 6);
    g->addWidget(m_cywile, 1, 6);
    g->setColumnStretch(7, 1);
    g->addWidget(podpis(QStringLiteral("Szukaj:"), parent), 0, 8);
    g->addWidget(m_szukaj, 0, 9);
    g->addWidget(m_filtr, 1, 9);
}

void ListRegisterPage::buildButtons(QWidget* parent) {
    auto* row = new QHBoxLayout(parent);
    row->setContentsMargins(8, 2, 8, 6);
    m_ilosc = new QLabel(parent);
    m_ilosc->setObjectName(QStringLiteral("llistyilosc"));
    row->addWidget(m_ilosc);
    row->addSpacing(24);
    auto* zapisz = PrzyciskListy(QStringLiteral("ZAPISZ LISTĘ\nDO PLIKU"),
                                 QStringLiteral("SpeedButton14"), parent);
    connect(zapisz, &QPushButton::clicked, this, guarded(this, &ListRegisterPage::zapiszDoPliku));
    auto* wczytaj = PrzyciskListy(QStringLiteral("WCZYTAJ LISTĘ\nZ PLIKU"),
                                  QStringLiteral("SpeedButton15"), parent);
    connect(wczytaj, &QPushButton::clicked, this, guarded(this, &ListRegisterPage::wczytajZPliku));
    row->addWidget(zapisz);
    row->addWidget(wczytaj);
    row->addStretch();
    m_nowa = PrzyciskListy(QStringLiteral("NOWA"), QStringLiteral("sblistydopisz"), parent);
    m_nowa->setEnabled(false);
    m_nowa->setToolTip(QStringLiteral("Nowa lista należności"));
    connect(m_nowa, &QPushButton::clicked, this, guarded([this] {
                if (m_nowaLista) m_nowaLista();
            }));
    auto* edit = PrzyciskListy(QStringLiteral("EDYTUJ"), QStringLiteral("sblistyedytuj"), parent);
    connect(edit, &QPushButton::clicked, this, guarded(this, &ListRegisterPage::edytuj));
    auto* del = PrzyciskListy(QStringLiteral("USUŃ"), QStringLiteral("sblistyusun"), parent);
    connect(del, &QPushButton::clicked, this, guarded(this, &ListRegisterPage::usun));
    auto* zwsi = PrzyciskListy(QStringLiteral("GENERUJ PLIK\nDO ZWSI RON"),
                               QStringLiteral("SpeedButton49"), parent);
    zwsi->setToolTip(QStringLiteral("Pliki kasy i rachunków dla systemu ZWSI RON"));
    connect(zwsi, &QPushButton::clicked, this, guarded(this, &ListRegisterPage::plikiZwsi));
    row->addWidget(zwsi);
    auto* druk = PrzyciskListy(QStringLiteral("DRUKUJ\nLISTĘ"), QStringLiteral("sblistywydruk"),
                               parent);
    druk->setToolTip(QStringLiteral("Wydruk listy należności"));
    connect(druk, &QPushButton::clicked, this, guarded([this] {
                if (m_drukuj) m_drukuj(biezacaLista());
            }));
    row->addWidget(druk);
    auto* przelewy = PrzyciskListy(QStringLiteral("WYKAZ\nPRZELEWÓW"),
                                   QStringLiteral("SpeedButton27"), parent);
    przelewy->setToolTip(QStringLiteral("Wykaz przelewów listy"));
    connect(przelewy, &QPushButton::clicked, this, guarded([this] {
                if (m_wykazPrzelewow) m_wykazPrzelewow(biezacaLista());
            }));
    row->addWidget(przelewy);
    auto* kasa = PrzyciskListy(QStringLiteral("POBRANE\nW KASIE"), QStringLiteral("SpeedButton50"),
                               parent);
    kasa->setToolTip(QStringLiteral("Lista należności wypłaconych w kasie"));
    connect(kasa, &QPushButton::clicked, this, guarded([this] {
                if (m_pobraneWKasie) m_pobraneWKasie(biezacaLista());
            }));
    row->addWidget(kasa);
    auto* stat = PrzyciskListy(QStringLiteral("GENERUJ\nPODSUMOWANIE"), QStringLiteral("sbgenstat"),
                               parent);
    stat->setToolTip(QStringLiteral("Statystyka list należności"));
    connect(stat, &QPushButton::clicked, this, guarded([this] {
                if (m_statystyka) m_statystyka();
            }));
    row->addWidget(stat);
    auto* analizy = PrzyciskListy(QStringLiteral("GENERUJ\nANALIZY"), QStringLiteral("sbanalizy"),
                                  parent);
    analizy->setToolTip(QStringLiteral("Analizy list należności"));
    connect(analizy, &QPushButton::clicked, this, guarded([this] {
                if (m_analizy && !m_ctx.nav->locked()) m_analizy();
            }));
    row->addWidget(analizy);
    row->addSpacing(24);
    row->addWidget(m_nowa);
    row->addWidget(edit);
    row->addWidget(del);
}

void ListRegisterPage::ustawNowaLista(std::function<void()> action) {
    m_nowaLista = std::move(action);
    m_nowa->setEnabled(bool(m_nowaLista));
}

FiltrRejestru ListRegisterPage::filtr() const {
    FiltrRejestru f;
    f.miesiac = m_miesiac->currentIndex();
    f.rok = m_rok->text();
    f.pkw = m_pkw->text();
    f.mpkw = m_mpkw->toPlainText().split(u'\n', Qt::SkipEmptyParts);
    f.otwarte = m_otwarte->isChecked();
    f.zamkniete = m_zamkniete->isChecked();
    f.pelne = m_pelne->isChecked();
    f.dodatkowe = m_dodatkowe->isChecked();
    f.zolnierze = m_zolnierze->isChecked();
    f.cywile = m_cywile->isChecked();
    const StanOkna& stan = m_ctx.nav->stan();
    f.sort = stan.listaSort;
    f.sortTyp = stan.listaSortTyp;
    f.filtr = stan.listaFiltr;
    return f;
}

int ListRegisterPage::biezacaLista() const {
    const Lista* l = m_model->lista(m_grid->currentIndex().row());
    return l ? l->id : 0;
}

void ListRegisterPage::wybierzListe(int id) {
    const int row = m_model->wierszId(id);
    if (row >= 0)
        m_grid->setCurrentIndex(m_model->index(row, qMax(1, m_grid->currentIndex().column())));
}

void ListRegisterPage::otworz() {
    m_kody = KodyPkw(m_ctx.db);
    {
        const QSignalBlocker block(m_miesiac);
        m_miesiac->setCurrentIndex(0);
    }
    try {
        odswiez();
        OdznaczWszystkieListy(m_ctx.db);
    } catch (const VexaError& e) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, e.message());
    }
    odswiezlisty();
}

bool ListRegisterPage::odswiez() {
    const int current = biezacaLista();
    const FiltrRejestru f = filtr();
    QList<Lista> lists = Rejestr(m_ctx.db, f); // throws on a condition the database refuses
    m_model->ustaw(std::move(lists));
    m_model->ustawSort(f.sort);
    m_ilosc->setText(QStringLiteral("ILOŚĆ LIST: %1").arg(m_model->rowCount()));
    const int row = m_model->wierszId(current);
    if (m_model->rowCount() > 0) m_grid->setCurrentIndex(m_model->index(row >= 0 ? row : 0, 1));
    m_szukaj->clear();
    if (m_ctx.nav->aktywnaStrona() == QLatin1String("listy")) m_szukaj->setFocus();
    return true;
}

void ListRegisterPage::odswiezlisty() {
    try {
        odswiez();
    } catch (const VexaError& e) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, e.message());
    }
}

void ListRegisterPage::wybierzRok() {
    m_yearDialog->przygotuj(m_rok->text(), m_ctx.clock.today().year());
    if (m_yearDialog->exec() == QDialog::Accepted) m_rok->setText(m_yearDialog->tekst());
    odswiezlisty();
}

void ListRegisterPage::wybierzPkw() {
    m_pkwDialog->przygotuj(m_kody, m_pkw->text(),
                           m_mpkw->toPlainText().split(u'\n', Qt::SkipEmptyParts));
    if (m_pkwDialog->exec() == QDialog::Accepted) {
        m_pkw->setText(m_pkwDialog->tekst());
        m_mpkw->setPlainText(m_pkwDialog->grupa().join(u'\n'));
    }
    odswiezlisty();
}

void ListRegisterPage::sortuj(int column) {
    const QString field = ListRegisterModel::pole(column);
    if (field.isEmpty()) return;
    StanOkna& stan = m_ctx.nav->stan();
    stan.listaSort = field;
    stan.listaSortTyp = TypKolumnyListy(field);
    try {
        odswiez();
    } catch (const VexaError&) {
        // errors of sorting are ignored
    }
}

void ListRegisterPage::szukaj(const QString& text) {
    const QString prefix = text.trimmed();
    if (prefix.isEmpty()) return;
    const QString field = m_ctx.nav->stan().listaSort;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->tekst(row, field).startsWith(prefix, Qt::CaseSensitive)) {
            m_grid->setCurrentIndex(m_model->index(row, qMax(1, m_grid->currentIndex().column())));
            m_grid->scrollTo(m_grid->currentIndex());
            return;
        }
    }
}

void ListRegisterPage::ustawPrzyciskFiltru(bool active) {
    m_filtr->setText(active ? QStringLiteral("KASUJ FILTR") : QStringLiteral("USTAW FILTR"));
    m_filtr->setProperty("filtrAktywny", active);
    m_filtr->style()->unpolish(m_filtr);
    m_filtr->style()->polish(m_filtr);
}

void ListRegisterPage::przelaczFiltr() {
    StanOkna& stan = m_ctx.nav->stan();
    const int row = m_grid->currentIndex().row();
    const QVariant value = m_model->wartosc(row, stan.listaSort);
    const bool hasValue = m_model->lista(row) && !value.isNull() && !value.toString().isEmpty();
    if (hasValue && stan.listaFiltr == QLatin1String("(true)")) {
        stan.listaFiltr = WarunekFiltruListy(stan.listaSort, value, stan.listaSortTyp);
        ustawPrzyciskFiltru(true);
        try {
            odswiez();
        } catch (const VexaError&) {
            // A condition the database refuses is dropped and the register shown whole.
            stan.listaFiltr = QStringLiteral("(true)");
            ustawPrzyciskFiltru(false);
            odswiezlisty();
        }
        return;
    }
    if (stan.listaFiltr != QLatin1String("(true)")) {
        stan.listaFiltr = QStringLiteral("(true)");
        ustawPrzyciskFiltru(false);
        odswiezlisty();
    }
}

void ListRegisterPage::klikniecie(const QModelIndex& index) {
    if (index.column() != 0) return;
    const Lista* l = m_model->lista(index.row());
    if (!l) return;
    PrzelaczZaznaczenieListy(m_ctx.db, l->id);
    ListRepository repo(m_ctx.db);
    m_model->odswiezWiersz(repo.lista(l->id));
}

void ListRegisterPage::edytuj() {
    const int id = biezacaLista();
    if (id && m_editor) m_editor->otworz(id);
}

void ListRegisterPage::zapiszDoPliku() {
    ZapiszListeDoPliku(m_ctx, biezacaLista(),
                       m_editor ? m_editor->kolejnosc() : KolejnoscPozycji::Nazwisko);
}

void ListRegisterPage::wczytajZPliku() {
    const int id = WczytajListeZPliku(m_ctx);
    if (id == 0) return;
    odswiezlisty();
    wybierzListe(id);
}

void ListRegisterPage::plikiZwsi() {
    if (m_plikiZwsi) m_plikiZwsi(biezacaLista());
}

void ListRegisterPage::usun() {
    const Lista* l = m_model->lista(m_grid->currentIndex().row());
    if (!l) return;
    const Lista lista = *l;
    Messages& msg = m_ctx.messages;
    try {
        if (ListaChroniona(m_ctx.db, lista)) {
            msg.Komunikat(KOMUNIKAT_INFORMACJA, "Lista należności jest zamknięta!\r\rNie ma "
                                                "możliwości usunięcia jej z systemu.");
            return;
        }
        if (msg.Komunikat(KOMUNIKAT_PYTANIE,
                          "Czy jesteś pewien, że chcesz usunąć listę należności?\r\rPododdział: " +
                              lista.skrotpododdzial + "\r" + "Miesiąc: " + lista.miesiacrok) != TAK)
            return;
        if (msg.Komunikat(KOMUNIKAT_PYTANIE, "Ze względów bezpieczeństwa, potwierdź jeszcze raz "
                                             "zamiar usunięcia listy należności.") != TAK)
            return;
        ListRepository(m_ctx.db).usunListe(lista.id);
    } catch (const VexaError& e) {
        msg.Komunikat(KOMUNIKAT_INFORMACJA, e.message());
    }
    odswiezlisty();
}

const QList<Lista>& ListRegisterPage::listy() const {
    return m_model->listy();
}

const Lista* ListRegisterPage::biezaca() const {
    return m_model->lista(m_grid->currentIndex().row());
}

QString ListRegisterPage::tytulKolumnyFiltru() const {
    const StanOkna& stan = m_ctx.nav->stan();
    if (stan.listaFiltr == QLatin1String("(true)")) return QString();
    const int kolumna = ListRegisterModel::kolumnaPola(stan.listaSort);
    return kolumna < 0 ? stan.listaSort.toUpper()
                       : m_model->headerData(kolumna, Qt::Horizontal).toString();
}

QString ListRegisterPage::wartoscFiltru() const {
    const StanOkna& stan = m_ctx.nav->stan();
    if (stan.listaFiltr == QLatin1String("(true)")) return QString();
    const int row = m_grid->currentIndex().row();
    return m_model->lista(row) ? m_model->tekst(row, stan.listaSort) : QString();
}

} // namespace vexa
