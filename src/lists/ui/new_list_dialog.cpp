#include "lists/ui/new_list_dialog.h"

#include "ui/action_guard.h"
#include "ui/app_context.h"
#include "ui/ui_helpers.h"
#include "data/clock.h"
#include "data/messages.h"
#include "data/numbers.h"
#include "data/settings.h"
#include "data/validators.h"
#include "lists/list_kinds.h"
#include "persons/dictionaries.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vexa {

namespace {

const QString kNieWybrana = QStringLiteral("(NIE WYBRANA)");

const QStringList& months() {
    static const QStringList m{"STYCZEŃ",  "LUTY",        "MARZEC",   "KWIECIEŃ",
                               "MAJ",      "CZERWIEC",    "LIPIEC",   "SIERPIEŃ",
                               "WRZESIEŃ", "PAŹDZIERNIK", "LISTOPAD", "GRUDZIEŃ"};
    return m;
}

template <class W> W* named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// The value of a field that tworz() has checked.
double amount(const QLineEdit* e) { return ParsujKwote(e->text()); }

} // namespace

NewListDialog::NewListDialog(AppContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx) {
    setObjectName(QStringLiteral("Tflista"));
    setWindowTitle(QStringLiteral("NOWA LISTA NALEŻNOŚCI"));
    setModal(true);
    m_cbPododdzial =
        named(new QCheckBox(
                  QStringLiteral("Generuj listę należności tylko dla wybranego pododdziału"), this),
              "cbpododdzial");
    m_pododdzial = named(new QComboBox(this), "epododdzial");
    m_z = named(new QRadioButton(QStringLiteral("Lista żołnierzy"), this), "ez");
    m_p = named(new QRadioButton(QStringLiteral("Lista pracowników wojska"), this), "ep");
    m_miesiac = named(new QComboBox(this), "emiesiac");
    m_miesiac->addItems(months());
    m_rok = named(new QSpinBox(this), "erok");
    m_rok->setRange(2000, 3000);
    m_lWaluta = named(new QLabel(this), "lwaluta");
    m_lWalutaRach = named(new QLabel(this), "lwalutarach");
    m_lPodatekKurs = named(new QLabel(this), "lpodatek_kurs");
    m_kursWaluty = named(new QLineEdit(this), "ekurswaluty");
    m_kursRach = named(new QLineEdit(this), "ekursrach");
    m_tabela = named(new QLineEdit(this), "etabelazaliczki");
    WielkieLitery(m_tabela);
    m_dod = named(new QCheckBox(QStringLiteral("Skrócona lista dodatkowych należności "
                                               "zagranicznych"),
                                this),
                  "CBDod");
    m_lRodzaj = new QLabel(QStringLiteral("RODZAJ:"), this);
    m_rodzaj = named(new QComboBox(this), "erodzaj");
    for (const RodzajListy& k : RodzajeListy())
        m_rodzaj->addItem(k.pozycja, k.kod);
    m_specjal = named(new QCheckBox(QStringLiteral("Lista specjalna (zawierająca różnicę "
                                                   "należności z dwóch list)"),
                                    this),
                      "CBSpecjal");
    m_wyplacona = named(new QComboBox(this), "ewyplacona");
    m_naliczona = named(new QComboBox(this), "enaliczona");
    m_nr = named(new QLineEdit(this), "enrlisty");
    WielkieLitery(m_nr);
    m_zaliczki =
        named(new QCheckBox(QStringLiteral("Potrącić zaliczkowo wypłacone należności"), this),
              "cbzaliczki");
    m_podatek = named(new QCheckBox(QStringLiteral("Naliczyć podatek"), this), "cbczy_podatek");
    m_pPodatek = named(new QWidget(this), "ppodatek");
    m_podatekKurs = named(new QLineEdit(m_pPodatek), "epodatek_kurs");
    m_podatekTabela = named(new QLineEdit(m_pPodatek), "epodatek_kurs_tabela");
    m_podatekDieta = named(new QLineEdit(m_pPodatek), "epodatek_dieta");
    m_wojenny = named(new QCheckBox(QStringLiteral("Uwzględnić dodatek wojenny"), this),
                      "cbczy_dod_wojenny");
    uklad();

    connect(m_cbPododdzial, &QCheckBox::toggled, this, guarded([this](bool on) {
                m_pododdzial->setEnabled(on);
                if (on)
                    m_pododdzial->setFocus();
                else
                    m_pododdzial->setCurrentIndex(-1);
                odswiezListyMiesiaca();
            }));
    auto taxPanel = [this] {
        m_pPodatek->setVisible(m_podatek->isChecked() && !m_dod->isChecked());
    };
    connect(m_dod, &QCheckBox::toggled, this, guarded([this, taxPanel](bool on) {
                m_rodzaj->setVisible(on);
                m_lRodzaj->setVisible(on);
                taxPanel();
            }));
    connect(m_podatek, &QCheckBox::toggled, this, guarded(taxPanel));
    connect(m_specjal, &QCheckBox::toggled, this, guarded([this](bool on) {
                if (on) m_dod->setChecked(true);
            }));
    connect(m_kursWaluty, &QLineEdit::textChanged, m_podatekKurs,
            guarded(m_podatekKurs, &QLineEdit::setText));
    for (QComboBox* c : {m_miesiac, m_pododdzial})
        connect(c, &QComboBox::currentIndexChanged, this,
                guarded([this] { odswiezListyMiesiaca(); }));
    connect(m_rok, &QSpinBox::valueChanged, this, guarded([this] { odswiezListyMiesiaca(); }));
    connect(m_z, &QRadioButton::toggled, this, guarded([this] { odswiezListyMiesiaca(); }));
}

void NewListDialog::uklad() {
    auto* layout = new QVBoxLayout(this);
    auto* unit = new QGroupBox(QStringLiteral("LISTA"), this);
    auto* form = new QFormLayout(unit);
    form->addRow(m_cbPododdzial);
    form->addRow(QStringLiteral("PODODDZIAŁ:"), m_pododdzial);
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(m_z);
    kinds->addWidget(m_p);
    form->addRow(kinds);
    auto* when = new QHBoxLayout;
    when->addWidget(m_miesiac);
    when->addWidget(m_rok);
    form->addRow(QStringLiteral("MIESIĄC:"), when);
    form->addRow(QStringLiteral("NR LISTY\n(OPIS LISTY):"), m_nr);
    layout->addWidget(unit);

    auto* rates = new QGroupBox(QStringLiteral("KURSY WALUT"), this);
    auto* grid = new QGridLayout(rates);
    grid->addWidget(new QLabel(QStringLiteral("KURS WALUTY:"), rates), 0, 0);
    grid->addWidget(m_kursWaluty, 0, 1);
    grid->addWidget(m_lWaluta, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("TABELA KURSU\nWALUTY:"), rates), 1, 0);
    grid->addWidget(m_tabela, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("KURS DLA RACHUNKÓW:"), rates), 2, 0);
    grid->addWidget(m_kursRach, 2, 1);
    grid->addWidget(m_lWalutaRach, 2, 2);
    layout->addWidget(rates);

    auto* options = new QGroupBox(QStringLiteral("OPCJE"), this);
    auto* opt = new QFormLayout(options);
    opt->addRow(m_dod);
    opt->addRow(m_lRodzaj, m_rodzaj);
    opt->addRow(m_specjal);
    opt->addRow(QStringLiteral("WYPŁACONA:"), m_wyplacona);
    opt->addRow(QStringLiteral("NALICZONA:"), m_naliczona);
    opt->addRow(m_zaliczki);
    opt->addRow(m_wojenny);
    opt->addRow(m_podatek);
    auto* tax = new QFormLayout(m_pPodatek);
    tax->setContentsMargins(0, 0, 0, 0);
    auto* taxRate = new QHBoxLayout;
    taxRate->addWidget(m_podatekKurs);
    taxRate->addWidget(m_lPodatekKurs);
    tax->addRow(QStringLiteral("WG KURSU:"), taxRate);
    tax->addRow(QStringLiteral("TABELA KURSU:"), m_podatekTabela);
    tax->addRow(QStringLiteral("DIETA:"), m_podatekDieta);
    opt->addRow(m_pPodatek);
    layout->addWidget(options);

    auto* buttons = new QHBoxLayout;
    auto* ok = named(new QPushButton(QStringLiteral("TWÓRZ LISTĘ"), this), "sbtworz");
    auto* cancel = named(new QPushButton(QStringLiteral("ANULUJ"), this), "sbanuluj");
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, guarded(this, &NewListDialog::tworz));
    connect(cancel, &QPushButton::clicked, this, guarded(this, &QDialog::reject));
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

void NewListDialog::przygotuj() {
    Database& db = m_ctx.db;
    m_pododdzial->blockSignals(true);
    m_pododdzial->clear();
    for (const PozycjaSlownika& p : PozycjeSlownika(db, Slownik::Pododdzialy))
        m_pododdzial->addItem(p.nazwa, p.skrot);
    m_pododdzial->setCurrentIndex(-1);
    m_pododdzial->setEnabled(false);
    m_pododdzial->blockSignals(false);
    m_cbPododdzial->setChecked(false);
    m_z->setChecked(true);
    const QDate today = m_ctx.clock.today();
    m_miesiac->setCurrentIndex(today.month() - 1);
    m_rok->setValue(today.year());
    const QString cash = Odczyt(db, "WALUTAZALICZKI");
    const QString accounts = Odczyt(db, "WALUTARACHUNEK");
    m_lWaluta->setText(cash);
    m_lPodatekKurs->setText(cash);
    m_lWalutaRach->setText(accounts);
    m_kursRach->setReadOnly(accounts == QLatin1String("PLN"));
    m_kursWaluty->setText(Liczba6(1));
    m_kursRach->setText(Liczba6(1));
    m_tabela->clear();
    m_dod->setChecked(false);
    m_specjal->setChecked(false);
    odswiezListyMiesiaca();
    m_nr->setText(QString::number(ProponowanyNumerListy(db)));
    m_zaliczki->setChecked(true);
    m_podatek->setChecked(false);
    m_pPodatek->setVisible(false);
    m_podatekTabela->clear();
    m_podatekDieta->setText(Kwota00Przecinek(0));
    m_wojenny->setChecked(true);
    m_rodzaj->setCurrentIndex(0);
    m_rodzaj->setVisible(false);
    m_lRodzaj->setVisible(false);
}

void NewListDialog::odswiezListyMiesiaca() {
    const QString m = MiesiacRok(m_miesiac->currentIndex() + 1, m_rok->value());
    const QString sub = m_pododdzial->currentData().toString();
    const QList<ListaDoWyboru> lists =
        ListyMiesiaca(m_ctx.db, m, m_cbPododdzial->isChecked() ? &sub : nullptr);
    for (QComboBox* c : {m_wyplacona, m_naliczona}) {
        c->clear();
        c->addItem(kNieWybrana, 0);
        for (const ListaDoWyboru& l : lists)
            c->addItem(l.nr, l.id);
        c->setCurrentIndex(0);
    }
}

NowaLista NewListDialog::nowaLista() const {
    NowaLista n;
    n.wybranyPododdzial = m_cbPododdzial->isChecked();
    if (n.wybranyPododdzial && m_pododdzial->currentIndex() >= 0) {
        n.skrotpododdzial = m_pododdzial->currentData().toString();
        n.pododdzial = m_pododdzial->currentText();
    }
    n.miesiac = m_miesiac->currentIndex() + 1;
    n.rok = m_rok->value();
    n.zp = m_p->isChecked() ? "P" : "Z";
    n.dodatkowa = m_dod->isChecked();
    n.rodzaj = m_rodzaj->currentData().toString();
    n.specjalna = m_specjal->isChecked();
    auto chosen = [](const QComboBox* c) {
        return c->currentIndex() > 0 ? c->currentData().toInt() : 0;
    };
    n.idWyplaconej = chosen(m_wyplacona);
    n.idNaliczonej = chosen(m_naliczona);
    n.nr = m_nr->text();
    n.kurszaliczki = amount(m_kursWaluty);
    n.kursrach = amount(m_kursRach);
    n.tabelazaliczki = m_tabela->text();
    n.potracZaliczki = m_zaliczki->isChecked();
    // A short list is taxed too when the box is ticked; its tax rate is the cash rate, which
    // the hidden tax panel follows.
    n.podatek = m_podatek->isChecked();
    n.podatekKurs = amount(m_podatekKurs);
    n.podatekDieta = amount(m_podatekDieta);
    n.podatekTabela = m_podatekTabela->text();
    n.dodatekWojenny = m_wojenny->isChecked();
    return n;
}

void NewListDialog::tworz() {
    const ZakresPola kurs{0, 1e6, 6};
    QList<PoleLiczbowe> liczby{{m_kursWaluty, kurs}, {m_kursRach, kurs}};
    if (m_podatek->isChecked())
        liczby << PoleLiczbowe{m_podatekKurs, kurs} << PoleLiczbowe{m_podatekDieta, {0, 1e9, 2}};
    if (!PolaLiczbowePoprawne(m_ctx.messages, liczby)) return;
    if (const auto e = SprawdzNowaListe(nowaLista())) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, e->komunikat);
        if (auto* w = findChild<QWidget*>(e->pole)) w->setFocus();
        return;
    }
    m_nr->setText(NazwaPliku(m_nr->text()));
    accept();
}

void NewListDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ActionGuard::run([this] { tworz(); });
        return;
    }
    QDialog::keyPressEvent(event); // Esc cancels
}

} // namespace vexa
