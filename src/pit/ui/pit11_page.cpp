#include "pit/ui/pit11_page.h"

#include "ui/action_guard.h"
#include "ui/app_context.h"
#include "ui/navigator.h"
#include "ui/ui_helpers.h"
#include "data/clock.h"
#include "data/error.h"
#include "data/messages.h"
#include "data/numbers.h"
#include "data/settings.h"
#include "persons/lookups.h"
#include "pit/pit11_xml.h"
#include "pit/ui/pit11_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace vexa {

namespace {

const char* const kStyl = R"(
QFrame#ppit_11 { background: #ffffff; border: 1px solid #8a99ab; border-radius: 6px; }
QFrame#ppit_11 QFrame#ptytul { background: #1f3a5f; border: none; border-radius: 0; }
QFrame#ppit_11 QFrame#ptytul QLabel { color: white; font-weight: bold; padding: 6px; }
QFrame#ppit_11 QToolButton#SpeedButton64 { background: transparent; border: none;
  padding: 2px 6px; }
QTableView { gridline-color: #8a8a8a; selection-background-color: #1f3a5f;
  selection-color: white; }
QHeaderView::section { background: #dfe5ec; color: #1f3a5f; font-weight: bold;
  border: 1px solid #b0bccb; padding: 3px; }
)";

const QStringList kNaglowki{"K",        "W",       "PESEL",    "NIP",
                            "NAZWISKO", "PIERWSZE IMIĘ", "URZĄD SKARBOWY", "PRZYCHÓD",
                            "KOSZTY",   "DOCHÓD",  "DOCHÓD ZW", "ZALICZKA"};

} // namespace

void Pit11Model::ustaw(QList<FormularzPit11> formularze) {
    beginResetModel();
    m_f = std::move(formularze);
    endResetModel();
}

int Pit11Model::columnCount(const QModelIndex&) const {
    return int(kNaglowki.size());
}

QVariant Pit11Model::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_f.size()) return {};
    const FormularzPit11& f = m_f[index.row()];
    if (role == Qt::BackgroundRole) return TloWiersza(index.row());
    if (role == Qt::TextAlignmentRole)
        return index.column() >= 7 ? int(Qt::AlignRight | Qt::AlignVCenter)
                                   : int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case 0: return f.korekta;
    case 1: return f.wyjasnienie;
    case 2: return f.os_pesel;
    case 3: return f.os_nip;
    case 4: return f.os_nazwisko;
    case 5: return f.os_imie;
    case 6: return f.us_nazwa;
    case 7: return KwotaGrupyKrotka(f.kw_przychod);
    case 8: return KwotaGrupyKrotka(f.kw_koszty);
    case 9: return KwotaGrupyKrotka(f.kw_dochod);
    case 10: return KwotaGrupyKrotka(f.kw_dochod_zw);
    case 11: return KwotaGrupyKrotka(f.kw_podatek);
    }
    return {};
}

QVariant Pit11Model::headerData(int section, Qt::Orientation o, int role) const {
    if (o == Qt::Horizontal && role == Qt::DisplayRole) return kNaglowki.value(section);
    return QAbstractTableModel::headerData(section, o, role);
}

Pit11Page::Pit11Page(AppContext& ctx, QWidget* parent) : QWidget(parent), m_ctx(ctx) {
    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("ppit_11"));
    m_panel->setStyleSheet(QString::fromUtf8(kStyl));
    m_panel->setMaximumSize(1300, 600);

    auto* pasek = new QFrame(m_panel);
    pasek->setObjectName(QStringLiteral("ptytul"));
    auto* tytul = new QLabel(QStringLiteral("FORMULARZE PIT-11"), pasek);
    auto* zamknijB = new QToolButton(pasek);
    zamknijB->setObjectName(QStringLiteral("SpeedButton64"));
    zamknijB->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    zamknijB->setToolTip(QStringLiteral("Zamknij"));
    zamknijB->setFocusPolicy(Qt::TabFocus);
    connect(zamknijB, &QToolButton::clicked, this, guarded(this, &Pit11Page::zamknij));
    auto* pasekRow = new QHBoxLayout(pasek);
    pasekRow->setContentsMargins(0, 0, 0, 0);
    pasekRow->addWidget(tytul, 1);
    pasekRow->addWidget(zamknijB);

    m_rok = new QComboBox(m_panel);
    m_rok->setObjectName(QStringLiteral("epit_11_rok"));
    m_imie = new QLineEdit(m_panel);
    m_imie->setObjectName(QStringLiteral("eop_imie"));
    m_nazwisko = new QLineEdit(m_panel);
    m_nazwisko->setObjectName(QStringLiteral("eop_nazwisko"));
    WielkieLitery(m_imie);
    WielkieLitery(m_nazwisko);
    for (QLineEdit* e : {m_imie, m_nazwisko})
        e->setMaxLength(40);

    auto przycisk = [this](const char* nazwa, const QString& tekst, auto slot) {
        auto* b = new QPushButton(tekst, m_panel);
        b->setObjectName(QString::fromLatin1(nazwa));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, guarded(slot));
        return b;
    };
    auto* gora = new QHBoxLayout;
    gora->addWidget(new QLabel(QStringLiteral("ROK PODATKOWY:"), m_panel));
    gora->addWidget(m_rok);
    gora->addSpacing(16);
    gora->addWidget(new QLabel(QStringLiteral("OSOBA SPORZĄDZAJĄCA – IMIĘ:"), m_panel));
    gora->addWidget(m_imie);
    gora->addWidget(new QLabel(QStringLiteral("NAZWISKO:"), m_panel));
    gora->addWidget(m_nazwisko);
    gora->addSpacing(16);
    gora->addWidget(przycisk("SpeedButton60", QStringLiteral("UTWÓRZ"), [this] { utworz(); }));
    gora->addWidget(przycisk("SpeedButton68", QStringLiteral("USUŃ"), [this] { usun(); }));
    gora->addWidget(przycisk("SpeedButton69", QStringLiteral("KOREKTA"), [this] { korekta(); }));
    gora->addStretch();

    m_wariant = new QComboBox(m_panel);
    m_wariant->setObjectName(QStringLiteral("epit_11_wariant"));
    m_wariant->addItem(NAZWA_WARIANTU_29, KodWariantuPit11(WariantPit11::Wzor29));
    m_wariant->addItem(NAZWA_WARIANTU_SZABLON, KodWariantuPit11(WariantPit11::Szablon));

    auto* dol = new QHBoxLayout;
    dol->addWidget(przycisk("SpeedButton61", QStringLiteral("GENERUJ PLIKI XML"),
                            [this] { generujXml(); }));
    dol->addWidget(m_wariant);
    dol->addStretch();
    dol->addWidget(przycisk("SpeedButton65", QStringLiteral("WYDRUK PIT-11"),
                            [this] { drukuj(WydrukPit11::Calosc); }));
    dol->addWidget(przycisk("SpeedButton62", QStringLiteral("1/3 STR."),
                            [this] { drukuj(WydrukPit11::Strona1); }));
    dol->addWidget(przycisk("SpeedButton63", QStringLiteral("2/3 STR."),
                            [this] { drukuj(WydrukPit11::Strona2); }));
    dol->addWidget(przycisk("SpeedButton66", QStringLiteral("3/3 STR."),
                            [this] { drukuj(WydrukPit11::Strona3); }));
    dol->addWidget(przycisk("SpeedButton70", QStringLiteral("WYDRUK ORD-ZU"),
                            [this] { drukuj(WydrukPit11::OrdZu); }));

    m_model = new Pit11Model(this);
    m_grid = new QTableView(m_panel);
    m_grid->setTabKeyNavigation(false); // Tab leaves the grid
    m_grid->setObjectName(QStringLiteral("dbgpit_11"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(22);
    m_grid->horizontalHeader()->setStretchLastSection(false);
    const int szer[] = {28, 28, 100, 100, 170, 130, 245, 95, 80, 95, 100, 95};
    for (int i = 0; i < 12; ++i)
        m_grid->setColumnWidth(i, szer[i]);
    connect(m_grid, &QTableView::doubleClicked, this, guarded([this] { korekta(); }));

    auto* col = new QVBoxLayout(m_panel);
    col->setContentsMargins(0, 0, 0, 8);
    col->addWidget(pasek);
    auto* wnetrze = new QVBoxLayout;
    wnetrze->setContentsMargins(10, 6, 10, 0);
    wnetrze->addLayout(gora);
    wnetrze->addWidget(m_grid, 1);
    wnetrze->addLayout(dol);
    col->addLayout(wnetrze, 1);

    m_dialog = new Pit11Dialog(this);
    connect(m_rok, &QComboBox::currentIndexChanged, this, guarded([this] { pokazRok(); }));
    // The user's choice is remembered; the year's proposal is not.
    connect(m_wariant, &QComboBox::activated, this, guarded([this] {
                Zapis(m_ctx.db, KLUCZ_WARIANTU_PIT11, m_wariant->currentData().toString());
            }));
}

void Pit11Page::ustawDrukowanie(
    std::function<void(WydrukPit11, const QList<FormularzPit11>&, bool)> drukuj) {
    m_drukuj = std::move(drukuj);
}

QString Pit11Page::rok() const {
    return m_rok->currentText();
}

FormularzPit11 Pit11Page::biezacy() const {
    const int r = m_grid->currentIndex().row();
    return r >= 0 && r < formularze().size() ? formularze()[r] : FormularzPit11{};
}

void Pit11Page::wybierzWiersz(int row) {
    m_grid->setCurrentIndex(m_model->index(row, 2));
}

void Pit11Page::otworz() {
    if (m_ctx.nav) m_ctx.nav->pokazStrone(QStringLiteral("pit_11"));
    const QDate dzis = m_ctx.clock.today();
    {
        const QSignalBlocker blok(m_rok);
        m_rok->clear();
        m_rok->addItems(LataPit11(dzis));
        m_rok->setCurrentIndex(std::clamp(RokDomyslnyPit11(dzis) - PIERWSZY_ROK_PIT11, 0,
                                          m_rok->count() - 1));
    }
    pokazRok();
    m_imie->setText(Odczyt(m_ctx.db, QStringLiteral("OP_IMIE")));
    m_nazwisko->setText(Odczyt(m_ctx.db, QStringLiteral("OP_NAZWISKO")));
    try {
        m_szablon = WczytajSzablonPit11(QDir(m_ctx.programFolder).filePath(PLIK_SZABLONU_PIT11));
    } catch (const VexaError& e) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, e.message());
    }
}

WariantPit11 Pit11Page::wariant() const {
    return m_wariant->currentData().toString() == KodWariantuPit11(WariantPit11::Wzor29)
               ? WariantPit11::Wzor29
               : WariantPit11::Szablon;
}

void Pit11Page::pokazRok() {
    const WariantPit11 w =
        ProponowanyWariantPit11(rok().toInt(), Odczyt(m_ctx.db, KLUCZ_WARIANTU_PIT11));
    m_wariant->setCurrentIndex(m_wariant->findData(KodWariantuPit11(w)));
    const int id = biezacy().id;
    m_model->ustaw(FormularzePit11(m_ctx.db, rok()));
    int wiersz = 0;
    for (int i = 0; i < formularze().size(); ++i)
        if (formularze()[i].id == id) wiersz = i;
    if (!formularze().isEmpty()) wybierzWiersz(wiersz);
}

void Pit11Page::utworz() {
    if (m_imie->text().isEmpty() || m_nazwisko->text().isEmpty()) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, BRAK_OSOBY_SPORZADZAJACEJ);
        m_imie->setFocus();
        return;
    }
    ZapiszSporzadzajacego(m_ctx.db, m_imie->text(), m_nazwisko->text());
    const QString r = rok();
    if (m_ctx.messages.Komunikat(KOMUNIKAT_PYTANIE,
                                 QStringLiteral("Czy utworzyć formularze PIT-11 za rok ") + r +
                                     QStringLiteral(" ?")) != TAK)
        return;
    UtworzFormularzePit11(m_ctx.db, r, m_imie->text(), m_nazwisko->text());
    pokazRok();
    m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, QStringLiteral("Formularze PIT-11 za rok ") +
                                                       r + QStringLiteral(" zostały utworzone..."));
}

void Pit11Page::usun() {
    if (formularze().isEmpty()) return;
    const QString r = rok();
    if (m_ctx.messages.Komunikat(KOMUNIKAT_PYTANIE,
                                 QStringLiteral("Czy usunąć wszystkie formularze PIT-11 z roku ") +
                                     r + QStringLiteral(" ?")) == TAK) {
        UsunFormularzePit11(m_ctx.db, r);
        pokazRok();
        return;
    }
    const FormularzPit11 f = biezacy();
    if (f.id == 0) return;
    if (m_ctx.messages.Komunikat(KOMUNIKAT_PYTANIE,
                                 QStringLiteral("Czy usunąć formularz PIT-11 z roku ") + r +
                                     QStringLiteral(" dla ") + f.os_nazwisko + u' ' + f.os_imie +
                                     u'?') == TAK) {
        UsunFormularzPit11(m_ctx.db, f.id);
        pokazRok();
    }
}

void Pit11Page::korekta() {
    const FormularzPit11 f = biezacy();
    if (f.id == 0) return;
    m_dialog->przygotuj(f.jestKorekta(), f.wyjasnienie_text);
    if (m_dialog->exec() != QDialog::Accepted) return;
    ZapiszKorektePit11(m_ctx.db, f.id, m_dialog->korekta(), m_dialog->wyjasnienie());
    pokazRok();
}

void Pit11Page::generujXml() {
    if (formularze().isEmpty()) return;
    const QString folder = QDir(m_ctx.programFolder).filePath(QStringLiteral("XML"));
    QString pominiete;
    if (wariant() == WariantPit11::Wzor29) {
        pominiete =
            GenerujXmlPit11Wzor29(m_ctx.db, rok(), folder, KodyUrzedowWykazu()).pominiete;
    } else {
        if (m_szablon.isEmpty()) throw VexaError(BRAK_SZABLONU_PIT11);
        GenerujXmlPit11(m_ctx.db, rok(), m_szablon, folder);
    }
    wybierzWiersz(0);
    QString tekst = QStringLiteral("Pliki XML zostały wygenerowane\r\rFOLDER: \"") +
                    QDir::toNativeSeparators(folder + u'/') + u'"';
    if (!pominiete.isEmpty()) tekst += QStringLiteral("\r\r") + pominiete;
    m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, tekst);
}

void Pit11Page::drukuj(WydrukPit11 co) {
    if (formularze().isEmpty() || !m_drukuj) return;
    if (m_ctx.nav) m_ctx.nav->stan().stronaPowrotu = QStringLiteral("pit_11");
    const QString pytanie =
        co == WydrukPit11::OrdZu
            ? QStringLiteral("Czy wydrukować wszystkie formularze ORD-ZU za rok podatkowy ")
            : QStringLiteral("Czy wydrukować wszystkie formularze PIT-11 za rok podatkowy ");
    if (m_ctx.messages.Komunikat(KOMUNIKAT_PYTANIE, pytanie + rok() + QStringLiteral(" ?")) == TAK) {
        QList<FormularzPit11> wszystkie;
        for (const FormularzPit11& f : formularze())
            if (co != WydrukPit11::OrdZu || f.maWyjasnienie()) wszystkie << f;
        if (!wszystkie.isEmpty()) m_drukuj(co, wszystkie, true);
        // The grid's row ends on the last form, as printing went through them all.
        wybierzWiersz(int(formularze().size()) - 1);
        return;
    }
    const FormularzPit11 f = biezacy();
    if (f.id != 0) m_drukuj(co, {f}, false);
}

void Pit11Page::zamknij() {
    if (m_ctx.nav) m_ctx.nav->pokazStrone(QStringLiteral("pusta"));
}

void Pit11Page::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    CentrujPanel(m_panel);
}

} // namespace vexa
