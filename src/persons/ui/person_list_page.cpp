#include "persons/ui/person_list_page.h"

#include "ui/action_guard.h"
#include "ui/app_context.h"
#include "ui/grid_font_spin.h"
#include "ui/navigator.h"
#include "data/clock.h"
#include "data/error.h"
#include "data/messages.h"
#include "persons/person_views.h"
#include "persons/ui/lookup_loading.h"
#include "persons/ui/person_bulk_change_dialog.h"
#include "persons/ui/person_date_filter_dialog.h"
#include "persons/ui/person_file_actions.h"
#include "persons/ui/person_list_model.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace vexa {

namespace {

const char* const kStyl = R"(
QLabel#losoba { color: #ffffff; background: #1f3a5f; font-weight: bold; font-size: 12pt;
  padding: 4px 8px; }
QLabel#losobailosc { font-weight: bold; color: #ffffff; background: #1f3a5f; padding: 4px 8px; }
QLabel#llegenda { color: #37475a; font-size: 8pt; }
QPushButton#SBFiltr[aktywny="true"] { color: #ffffff; background: #b03030; border-color: #7a1f1f; }
QPushButton#SBFiltr[aktywny="false"] { color: #000000; }
QToolButton#SpeedButton24 { background: transparent; border: none; }
)";

constexpr int kSzerokoscZaznaczenia = 20;

QPushButton* przycisk(const QString& napis, const QString& nazwa, QWidget* parent) {
    auto* b = new QPushButton(napis, parent);
    b->setObjectName(nazwa);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

} // namespace

PersonListPage::PersonListPage(AppContext& ctx, QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_repo(ctx.db) {
    setStyleSheet(QString::fromUtf8(kStyl));

    auto* tytul = new QLabel(QStringLiteral("EWIDENCJA OSÓB"), this);
    tytul->setProperty("pageTitle", true);
    m_rodzaj = new QLabel(this);
    m_rodzaj->setObjectName(QStringLiteral("losoba"));
    auto* zamknij = new QToolButton(this);
    zamknij->setObjectName(QStringLiteral("SpeedButton24"));
    zamknij->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    zamknij->setToolTip(QStringLiteral("Zamknij"));
    zamknij->setFocusPolicy(Qt::TabFocus);
    connect(zamknij, &QToolButton::clicked, this,
            guarded([this] { m_ctx.nav->pokazStrone(QStringLiteral("pusta")); }));
    auto* pasek = new QHBoxLayout;
    pasek->setSpacing(0);
    pasek->addWidget(tytul, 1);
    m_ilosc = new QLabel(this);
    m_ilosc->setObjectName(QStringLiteral("losobailosc"));
    pasek->addWidget(m_ilosc);
    pasek->addWidget(m_rodzaj);
    pasek->addWidget(zamknij);

    m_model = new PersonListModel(this);
    m_siatka = new QTableView(this);
    // Tab leaves the grid for the next control; the arrows move inside it.
    m_siatka->setTabKeyNavigation(false);
    m_siatka->setObjectName(QStringLiteral("dbgosoba"));
    m_siatka->setModel(m_model);
    m_siatka->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_siatka->setSelectionMode(QAbstractItemView::SingleSelection);
    m_siatka->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_siatka->setAlternatingRowColors(false);
    m_siatka->verticalHeader()->hide();
    m_siatka->verticalHeader()->setDefaultSectionSize(QFontMetrics(m_siatka->font()).height() + 6);
    m_siatka->horizontalHeader()->setSectionsClickable(true);
    m_siatka->horizontalHeader()->setHighlightSections(false);
    m_siatka->horizontalHeader()->setStretchLastSection(true);
    m_siatka->viewport()->installEventFilter(this);
    const int szerokosci[] = {
        kSzerokoscZaznaczenia, 22, 100, 100, 22, 82, 82, 120, 150, 110, 110, 170, 110};
    for (int i = 0; i < int(std::size(szerokosci)); ++i)
        m_siatka->setColumnWidth(i, szerokosci[i]);
    m_model->ustawCzcionke(m_siatka->font());
    connect(m_siatka->horizontalHeader(), &QHeaderView::sectionClicked, this,
            guarded([this](int column) {
                m_ctx.nav->stan().osobaSort = PersonListModel::pole(column).toUpper();
                odswiezOsoby();
            }));
    connect(m_siatka, &QTableView::doubleClicked, this, guarded([this](const QModelIndex& i) {
                if (i.column() != 0) edytuj();
            }));

    auto* legenda = new QLabel(QStringLiteral("LEGENDA:  A - (T - osoba aktywna wpisywana na "
                                              "listę należności, N - osoba nieaktywna)    P - "
                                              "(M - mężczyzna, K - kobieta)"),
                               this);
    legenda->setObjectName(QStringLiteral("llegenda"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addLayout(pasek);
    layout->addWidget(budujPasekFiltru());
    layout->addWidget(m_siatka, 1);
    layout->addWidget(legenda);
    layout->addWidget(budujPrzyciski());

    m_dialogDaty = new PersonDateFilterDialog(this);
    m_dialogZmiany = new PersonBulkChangeDialog(this);
    ustawPrzyciskFiltru();
}

QWidget* PersonListPage::budujPasekFiltru() {
    auto* pasek = new QWidget(this);
    m_pododdzial = new QComboBox(pasek);
    m_pododdzial->setObjectName(QStringLiteral("eosobapoddodzial"));
    m_pododdzial->setMinimumWidth(130);
    m_nieaktywni = new QCheckBox(QStringLiteral("Nieaktywni"), pasek);
    m_nieaktywni->setObjectName(QStringLiteral("cbnieakt"));
    m_przybyli = new QCheckBox(QStringLiteral("Nowoprzybyli"), pasek);
    m_przybyli->setObjectName(QStringLiteral("cb1"));
    m_ubyli = new QCheckBox(QStringLiteral("Nowoubyli"), pasek);
    m_ubyli->setObjectName(QStringLiteral("cb2"));
    m_miesiac = new QComboBox(pasek);
    m_miesiac->setObjectName(QStringLiteral("cbmiesiac"));
    m_szukaj = new QLineEdit(pasek);
    m_szukaj->setObjectName(QStringLiteral("ESzukaj"));
    m_szukaj->setMinimumWidth(110);
    m_filtr = przycisk(QStringLiteral("FILTR"), QStringLiteral("SBFiltr"), pasek);
    m_filtr->setMinimumWidth(80);
    auto* wszyscy = przycisk(QStringLiteral("☑ WSZYSCY"), QStringLiteral("SpeedButton46"), pasek);
    wszyscy->setToolTip(QStringLiteral("Zaznacz wszystkie osoby"));
    auto* nikt = przycisk(QStringLiteral("☐ NIKT"), QStringLiteral("SpeedButton47"), pasek);
    nikt->setToolTip(QStringLiteral("Odznacz wszystkie osoby"));
    auto* wgDaty = przycisk(QStringLiteral("☑ WG DATY"), QStringLiteral("SpeedButton51"), pasek);
    wgDaty->setToolTip(QStringLiteral("Zaznacz osoby dopisane od wybranego dnia"));
    m_czcionka = new GridFontSpin(m_siatka, pasek);
    m_czcionka->setObjectName(QStringLiteral("RxSpinButton1"));
    connect(m_czcionka, &GridFontSpin::zmieniono, m_model,
            guarded(m_model, &PersonListModel::ustawCzcionke));

    connect(m_pododdzial, &QComboBox::activated, this,
            guarded(this, &PersonListPage::odswiezOsoby));
    for (QCheckBox* cb : {m_nieaktywni, m_przybyli, m_ubyli})
        connect(cb, &QCheckBox::clicked, this, guarded(this, &PersonListPage::odswiezOsoby));
    connect(m_szukaj, &QLineEdit::textEdited, this, guarded(this, &PersonListPage::szukaj));
    connect(m_filtr, &QPushButton::clicked, this, guarded(this, &PersonListPage::filtr));
    connect(wszyscy, &QPushButton::clicked, this,
            guarded(this, &PersonListPage::zaznaczWszystkich));
    connect(nikt, &QPushButton::clicked, this, guarded(this, &PersonListPage::odznaczWszystkich));
    connect(wgDaty, &QPushButton::clicked, this, guarded(this, &PersonListPage::zaznaczWgDaty));

    auto* row = new QHBoxLayout(pasek);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    row->addWidget(new QLabel(QStringLiteral("PODODZIAŁ:"), pasek));
    row->addWidget(m_pododdzial);
    row->addSpacing(6);
    row->addWidget(m_nieaktywni);
    row->addWidget(m_przybyli);
    row->addWidget(m_ubyli);
    row->addWidget(m_miesiac);
    row->addSpacing(8);
    row->addWidget(new QLabel(QStringLiteral("Szukaj:"), pasek));
    row->addWidget(m_szukaj);
    row->addWidget(m_filtr);
    row->addSpacing(8);
    row->addWidget(wszyscy);
    row->addWidget(nikt);
    row->addWidget(wgDaty);
    row->addStretch();
    row->addWidget(m_czcionka);
    return pasek;
}

QWidget* PersonListPage::budujPrzyciski() {
    auto* pasek = new QWidget(this);
    auto* dopiszB = przycisk(QStringLiteral("DOPISZ"), QStringLiteral("sbosobadopisz"), pasek);
    auto* edytujB = przycisk(QStringLiteral("EDYTUJ"), QStringLiteral("sbosobaedytuj"), pasek);
    auto* usunB = przycisk(QStringLiteral("USUŃ"), QStringLiteral("sbosobausun"), pasek);
    auto* zeruj =
        przycisk(QStringLiteral("ZERUJ\nZALICZKI"), QStringLiteral("SpeedButton28"), pasek);
    auto* zmien = przycisk(QStringLiteral("ZMIEŃ DANE DLA\nZAZNACZ. OSÓB"),
                           QStringLiteral("SpeedButton31"), pasek);
    connect(dopiszB, &QPushButton::clicked, this, guarded(this, &PersonListPage::dopisz));
    connect(edytujB, &QPushButton::clicked, this, guarded(this, &PersonListPage::edytuj));
    connect(usunB, &QPushButton::clicked, this, guarded(this, &PersonListPage::usun));
    connect(zeruj, &QPushButton::clicked, this, guarded(this, &PersonListPage::zerujZaliczki));
    connect(zmien, &QPushButton::clicked, this, guarded(this, &PersonListPage::zmienZaznaczonych));
    auto* zwsi = przycisk(QStringLiteral("GENERUJ PLIK\nDO ZWSI RON"),
                          QStringLiteral("SpeedButton43"), pasek);
    auto* zapisz =
        przycisk(QStringLiteral("ZAPISZ\nDO PLIKU"), QStringLiteral("SpeedButton44"), pasek);
    auto* wczytaj =
        przycisk(QStringLiteral("WCZYTAJ\nZ PLIKU"), QStringLiteral("SpeedButton45"), pasek);
    connect(zwsi, &QPushButton::clicked, this,
            guarded([this] { GenerujPlikOsobZwsi(m_ctx, m_model->identyfikatory()); }));
    connect(zapisz, &QPushButton::clicked, this,
            guarded([this] { ZapiszOsobyDoPliku(m_ctx, m_model->identyfikatory()); }));
    connect(wczytaj, &QPushButton::clicked, this, guarded([this] {
                QSet<QString> pesele;
                for (int r = 0; r < m_model->rowCount(); ++r)
                    if (const Osoba* o = m_model->osoba(r)) pesele.insert(o->pesel.trimmed());
                if (WczytajOsobyZPliku(m_ctx, pesele)) this->wczytaj(0, 0);
            }));
    auto* kartoteka =
        przycisk(QStringLiteral("WYDRUK\nKARTOTEKI"), QStringLiteral("sbosobadrukuj"), pasek);
    auto* deklaracja =
        przycisk(QStringLiteral("DEKLARACJA\nNALEŻNOŚCI"), QStringLiteral("SpeedButton17"), pasek);
    auto* naleznosci =
        przycisk(QStringLiteral("NALEŻNOŚCI\nDLA OSOBY"), QStringLiteral("SpeedButton29"), pasek);
    const QList<QPair<QPushButton*, Wydruk>> wydruki{{kartoteka, Wydruk::Kartoteka},
                                                      {deklaracja, Wydruk::Deklaracja},
                                                      {naleznosci, Wydruk::Naleznosci}};
    for (const auto& [b, w] : wydruki)
        connect(b, &QPushButton::clicked, this, guarded([this, w = w] {
                    if (m_drukuj) m_drukuj(w);
                }));
    auto* row = new QHBoxLayout(pasek);
    row->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* b : {dopiszB, edytujB, usunB}) {
        b->setMinimumSize(80, 40);
        row->addWidget(b);
    }
    row->addSpacing(12);
    for (QPushButton* b : {zeruj, zmien}) {
        b->setMinimumHeight(40);
        row->addWidget(b);
    }
    row->addSpacing(12);
    for (QPushButton* b : {zwsi, zapisz, wczytaj}) {
        b->setMinimumHeight(40);
        row->addWidget(b);
    }
    row->addSpacing(12);
    for (QPushButton* b : {kartoteka, deklaracja, naleznosci}) {
        b->setMinimumHeight(40);
        row->addWidget(b);
    }
    row->addStretch();
    return pasek;
}

bool PersonListPage::nowoprzybyli() const {
    return m_przybyli->isChecked();
}
bool PersonListPage::nowoubyli() const {
    return m_ubyli->isChecked();
}
QString PersonListPage::miesiac() const {
    return m_miesiac->currentText();
}

QList<Osoba> PersonListPage::osoby() const {
    QList<Osoba> out;
    for (int r = 0; r < m_model->rowCount(); ++r)
        if (const Osoba* o = m_model->osoba(r)) out << *o;
    return out;
}

const Osoba* PersonListPage::biezaca() const {
    const QModelIndex i = m_siatka->currentIndex();
    return i.isValid() ? m_model->osoba(i.row()) : nullptr;
}

void PersonListPage::pokazBlad(const QString& tekst) {
    m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, tekst);
}

void PersonListPage::otworz() {
    const QString zp =
        m_ctx.nav->stan().osobaZp == QLatin1String("P") ? QStringLiteral("P") : QStringLiteral("Z");
    m_ctx.nav->stan().osobaZp = zp;
    m_ctx.nav->pokazStrone(QStringLiteral("osoba"));
    m_rodzaj->setText(zp == QLatin1String("Z") ? QStringLiteral("ŻOŁNIERZE")
                                               : QStringLiteral("CYWILE"));
    m_pododdzial->clear();
    m_pododdzial->addItem(QStringLiteral("(WSZYSTKIE)"));
    try {
        m_pododdzial->addItems(m_repo.pododdzialyOsob(zp));
    } catch (const VexaError& e) {
        pokazBlad(e.message());
    }
    m_pododdzial->setCurrentIndex(0);
    m_miesiac->clear();
    m_miesiac->addItems(MiesiaceWyboru(m_ctx.clock.today()));
    m_miesiac->setCurrentIndex(MIESIAC_BIEZACY_WYBORU);
    odswiezOsoby();
}

WidokOsob PersonListPage::widok() const {
    WidokOsob w;
    w.zp = m_ctx.nav->stan().osobaZp;
    w.pododdzial = m_pododdzial->currentIndex() > 0 ? m_pododdzial->currentText() : QString();
    w.nieaktywni = m_nieaktywni->isChecked();
    w.filtr = m_ctx.nav->stan().osobaFiltr;
    w.sort = m_ctx.nav->stan().osobaSort;
    return w;
}

void PersonListPage::odswiezOsoby() {
    const Osoba* current = biezaca();
    const QString pesel = current ? current->pesel : QString();
    try {
        m_repo.odznaczWszystkich();
        m_model->ustaw(m_repo.lista(widok()));
    } catch (const VexaError& e) {
        m_model->ustaw({});
        pokazBlad(e.message());
    }
    m_ilosc->setText(QStringLiteral("ILOŚĆ OSÓB: ") + QString::number(m_model->rowCount()));
    m_model->ustawSort(m_ctx.nav->stan().osobaSort);
    ustawWiersz(pesel.isEmpty() ? 0 : qMax(0, m_model->wierszPesel(pesel)));
    ustawPrzyciskFiltru();
    try {
        UzupelnijUrzedyIKodyZPostepem(m_ctx, this);
    } catch (const VexaError& e) {
        pokazBlad(e.message());
    }
    m_szukaj->clear();
    if (m_ctx.nav->aktywnaStrona() == QLatin1String("osoba")) m_szukaj->setFocus();
}

void PersonListPage::pokazOsobe(int id) {
    const QModelIndex i = m_siatka->currentIndex();
    wczytaj(id, i.isValid() ? i.row() : 0);
}

void PersonListPage::wczytaj(int id, int wiersz) {
    try {
        m_model->ustaw(m_repo.lista(widok()));
    } catch (const VexaError& e) {
        m_model->ustaw({});
        pokazBlad(e.message());
    }
    m_ilosc->setText(QStringLiteral("ILOŚĆ OSÓB: ") + QString::number(m_model->rowCount()));
    const int row = m_model->wierszId(id);
    ustawWiersz(row >= 0 ? row : qMin(wiersz, m_model->rowCount() - 1));
}

void PersonListPage::ustawWiersz(int row) {
    if (row < 0 || row >= m_model->rowCount()) return;
    m_siatka->setCurrentIndex(m_model->index(row, qMax(1, m_siatka->currentIndex().column())));
    m_siatka->scrollTo(m_model->index(row, 0));
}

void PersonListPage::szukaj(const QString& tekst) {
    const QString t = tekst.trimmed();
    if (t.isEmpty()) return;
    const int row = m_model->znajdzPoczatek(m_ctx.nav->stan().osobaSort, t);
    if (row >= 0) ustawWiersz(row);
}

void PersonListPage::ustawPrzyciskFiltru() {
    const bool ustawiony = m_ctx.nav && m_ctx.nav->stan().osobaFiltr != QLatin1String("(true)");
    m_filtr->setText(ustawiony ? QStringLiteral("KASUJ") : QStringLiteral("FILTR"));
    m_filtr->setProperty("aktywny", ustawiony);
    m_filtr->style()->unpolish(m_filtr);
    m_filtr->style()->polish(m_filtr);
}

void PersonListPage::filtr() {
    // The value of the sort field on the current row; without one the button does nothing.
    const Osoba* o = biezaca();
    const QString pole = m_ctx.nav->stan().osobaSort;
    const QString wartosc = o ? WartoscPola(*o, pole) : QString();
    if (wartosc.isEmpty()) return;
    QString& filtr = m_ctx.nav->stan().osobaFiltr;
    filtr = filtr == QLatin1String("(true)") ? PersonRepository::warunekFiltru(pole, wartosc)
                                             : QStringLiteral("(true)");
    odswiezOsoby();
}

void PersonListPage::dopisz() {
    emit dopiszOsobe(m_ctx.nav->stan().osobaZp);
}

void PersonListPage::edytuj() {
    if (const Osoba* o = biezaca(); o && o->id != 0) emit edytujOsobe(o->id);
}

void PersonListPage::usun() {
    const Osoba* o = biezaca();
    if (!o || o->id == 0) return;
    const int id = o->id;
    const int row = m_siatka->currentIndex().row();
    if (m_ctx.messages.Komunikat(KOMUNIKAT_PYTANIE,
                                 QStringLiteral("Czy jesteś pewien, że chcesz usunąć osobę?\r\r"
                                                "Osoba: ") +
                                     o->imie + u' ' + o->nazwisko) != TAK)
        return;
    if (m_ctx.messages.Komunikat(KOMUNIKAT_PYTANIE,
                                 QStringLiteral("Ze względów bezpieczeństwa, potwierdź jeszcze "
                                                "raz zamiar usunięcia osoby.")) != TAK)
        return;
    try {
        m_repo.usun(id);
    } catch (const VexaError& e) {
        pokazBlad(e.message());
    }
    wczytaj(0, row);
}

void PersonListPage::zaznaczWszystkich() {
    try {
        m_repo.zaznaczRodzaj(m_ctx.nav->stan().osobaZp);
    } catch (const VexaError& e) {
        pokazBlad(e.message());
    }
    pokazOsobe(biezaca() ? biezaca()->id : 0);
}

void PersonListPage::odznaczWszystkich() {
    try {
        m_repo.odznaczWszystkich();
    } catch (const VexaError& e) {
        pokazBlad(e.message());
    }
    pokazOsobe(biezaca() ? biezaca()->id : 0);
}

void PersonListPage::zaznaczWgDaty() {
    m_dialogDaty->przygotuj(m_ctx.clock.today());
    if (m_dialogDaty->exec() != QDialog::Accepted) return;
    int ilosc = 0;
    ilosc = m_repo.zaznaczDopisanychPo(m_model->identyfikatory(), m_dialogDaty->data());
    pokazOsobe(biezaca() ? biezaca()->id : 0);
    m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA,
                             QStringLiteral("Liczba zaznaczonych osób: ") + QString::number(ilosc));
}

void PersonListPage::zmienZaznaczonych() {
    if (m_model->rowCount() == 0) return;
    if (m_repo.iloscZaznaczonych() == 0) {
        pokazBlad(QStringLiteral("Nie zaznaczono żadnej osoby w kartotece!"));
        return;
    }
    m_dialogZmiany->przygotuj(m_ctx.clock.today());
    if (m_dialogZmiany->exec() != QDialog::Accepted) return;
    int ilosc = 0;
    ilosc = m_repo.zmienZaznaczonych(m_model->identyfikatory(), m_dialogZmiany->zmiana());
    wczytaj(0, 0);
    m_ctx.messages.Komunikat(
        KOMUNIKAT_INFORMACJA,
        QStringLiteral("Zauktualizowano zaznaczone pozycje.\r\rLiczba zmian: ") +
            QString::number(ilosc));
}

void PersonListPage::zerujZaliczki() {
    const Osoba* o = biezaca();
    if (!o || o->id == 0) return;
    const QString zp = m_ctx.nav->stan().osobaZp;
    const QString rodzaj = zp == QLatin1String("Z") ? QStringLiteral("ŻOŁNIERZE ZAWODOWI")
                                                    : QStringLiteral("PRACOWNICY WOJSKA");
    if (m_ctx.messages.Komunikat(KOMUNIKAT_PYTANIE,
                                 QStringLiteral("Czy wyzerować wszystkie zaliczki na poczet "
                                                "przysługujących należności zagranicznych?\r\r") +
                                     rodzaj) != TAK)
        return;
    m_repo.zerujZaliczki(zp);
    m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, QStringLiteral("Zaliczki zostały wyzerowane."));
}

bool PersonListPage::eventFilter(QObject* watched, QEvent* event) {
    // A press in the mark column toggles the mark of the person on that row at once.
    if (watched == m_siatka->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && mouse->position().x() < kSzerokoscZaznaczenia) {
            const QModelIndex i = m_siatka->indexAt(mouse->position().toPoint());
            if (const Osoba* o = i.isValid() ? m_model->osoba(i.row()) : nullptr) {
                m_siatka->setCurrentIndex(i);
                const int id = o->id;
                const int row = i.row();
                ActionGuard::run([&] {
                    m_repo.przelaczZaznaczenie(id);
                    m_model->przelaczZaznaczenie(row);
                });
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vexa
