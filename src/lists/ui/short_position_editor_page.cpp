#include "lists/ui/short_position_editor_page.h"

#include "ui/action_guard.h"
#include "data/numbers.h"
#include "lists/ui/list_editor_page.h"
#include "lists/ui/list_grid.h"
#include "lists/ui/position_fields.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexa {

namespace {

QLabel* podpis(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QLabel* napis(const char* name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

} // namespace

ShortPositionEditorPage::ShortPositionEditorPage(AppContext& ctx, ListEditorPage* editor,
                                                 QWidget* parent)
    : PositionEditorBase(ctx, editor, QStringLiteral("edpozycja2"), parent) {
    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("ppozycja2"));
    m_panel->setFixedSize(900, 500);
    auto* v = new QVBoxLayout(m_panel);
    v->setContentsMargins(10, 8, 10, 8);
    auto* title = new QLabel(QStringLiteral("POZYCJA LISTY DODATKOWEJ"), m_panel);
    title->setProperty("panelTitle", true);
    v->addWidget(title);
    m_lrachunek2waluta_5 = new QLabel(m_panel);
    m_lrachunek2waluta_5->setObjectName(QStringLiteral("lrachunek2waluta_5"));
    v->addWidget(m_pola->panelOsoby(m_panel, QStringLiteral("_2"), nullptr, m_lrachunek2waluta_5));

    auto* box = new QFrame(m_panel);
    box->setProperty("positionGroup", true);
    auto* g = new QGridLayout(box);
    g->setContentsMargins(10, 8, 10, 8);
    g->setVerticalSpacing(4);
    int row = 0;
    auto line = [&](const QString& caption, QWidget* value, QWidget* extra = nullptr,
                    QWidget* mark = nullptr) {
        g->addWidget(podpis(caption, box), row, 0);
        g->addWidget(value, row, 1);
        if (extra) g->addWidget(extra, row, 2);
        if (mark) g->addWidget(mark, row, 3);
        ++row;
    };
    m_razem = m_pola->kwota("ezkrazem", &Pozycja::razem);
    m_wrazem = m_pola->znak("wrazem_2");
    line(QStringLiteral("KWOTA NALEŻNOŚCI:"), m_razem, nullptr, m_wrazem);
    line(QStringLiteral("POTRĄCENIA:"),
         m_pola->kwota("einnezwiekszenia_2", &Pozycja::innezwiekszenia));
    line(QStringLiteral("DO WYPŁATY:"), m_pola->wynik("ldowyplaty_2", &Pozycja::dowyplaty));

    m_podatek = new QFrame(box);
    m_podatek->setObjectName(QStringLiteral("ppodatek2_2"));
    auto* t = new QGridLayout(m_podatek);
    t->setContentsMargins(0, 0, 0, 0);
    t->addWidget(podpis(QStringLiteral("KWOTA ZWOLNIONA OD PODATKU:"), m_podatek), 0, 0);
    t->addWidget(m_pola->wynik("lpodatek_kwota_zwolniona_2", &Pozycja::podatek_kwota_zwolniona), 0,
                 1);
    t->addWidget(podpis(QStringLiteral("PODSTAWA DO OPODATKOWANIA:"), m_podatek), 1, 0);
    t->addWidget(m_pola->wynik("lpodatek_podstawa_opodatkowania_2",
                               &Pozycja::podatek_podstawa_opodatkowania),
                 1, 1);
    m_lpodatekproc = podpis(QString(), m_podatek);
    m_lpodatekproc->setObjectName(QStringLiteral("lpodatekproc2"));
    t->addWidget(m_lpodatekproc, 2, 0);
    t->addWidget(m_pola->wynik("lpodatek_zaliczka_2", &Pozycja::podatek_zaliczka), 2, 1);
    g->addWidget(m_podatek, row++, 0, 1, 3);

    m_zaliczka = m_pola->kwota("ezkzaliczka", &Pozycja::zaliczkawaluta);
    m_lpozycjawaluta = napis("lpozycjawaluta_2", box);
    line(QStringLiteral("KASA (W WALUCIE):"), m_zaliczka, m_lpozycjawaluta);
    m_lpozycjawaluta2 = napis("lpozycjawaluta2_2", box);
    auto* cash = new QWidget(box);
    auto* ch = new QHBoxLayout(cash);
    ch->setContentsMargins(0, 0, 0, 0);
    m_lkurs = new QLabel(cash);
    m_lkurs->setObjectName(QStringLiteral("lkurs_2"));
    ch->addWidget(m_lkurs);
    ch->addWidget(m_lpozycjawaluta2);
    ch->addStretch();
    line(QStringLiteral("KASA W PLN:"), m_pola->wynik("lzaliczkapln_2", &Pozycja::zaliczkapln),
         cash);
    m_wrachunek = m_pola->znak("wrachunek_2");
    line(QStringLiteral("RACHUNEK [PLN]:"), m_pola->wynik("lrachunek_2", &Pozycja::rachunek),
         nullptr, m_wrachunek);
    m_lrachunek1waluta = napis("lrachunek1waluta_4", box);
    m_wrachunek1czywaluta = m_pola->znak("wrachunek1czywaluta_2");
    m_wrachunek2 = m_pola->znak("wrachunek2_2");
    auto* acc1 = new QWidget(box);
    auto* a1 = new QHBoxLayout(acc1);
    a1->setContentsMargins(0, 0, 0, 0);
    a1->addWidget(m_lrachunek1waluta);
    a1->addWidget(m_wrachunek1czywaluta);
    a1->addWidget(m_wrachunek2);
    a1->addStretch();
    line(QStringLiteral("RACHUNEK 1:"), m_pola->wynik("lrachunek1_2", &Pozycja::rachunek1), acc1);
    m_lrachunek2waluta = napis("lrachunek2waluta_4", box);
    m_wrachunek2czywaluta = m_pola->znak("wrachunek2czywaluta_2");
    auto* acc2 = new QWidget(box);
    auto* a2 = new QHBoxLayout(acc2);
    a2->setContentsMargins(0, 0, 0, 0);
    a2->addWidget(m_lrachunek2waluta);
    a2->addWidget(m_wrachunek2czywaluta);
    a2->addStretch();
    line(QStringLiteral("RACHUNEK 2:"), m_pola->kwota("erachunek2_2", &Pozycja::rachunek2), acc2);
    m_lbrakrachunku = new QLabel(QStringLiteral("BRAK RACHUNKU BANKOWEGO"), box);
    m_lbrakrachunku->setObjectName(QStringLiteral("lbrakrachunku2"));
    m_lbrakrachunku->setProperty("ostrzezenie", true);
    m_lbrakrachunku->hide();
    g->addWidget(m_lbrakrachunku, row++, 1, 1, 3);
    g->addWidget(podpis(QStringLiteral("UWAGI:"), box), row, 0);
    g->addWidget(m_pola->tekst("euwagi_2", &Pozycja::uwagi), row++, 1, 1, 3);
    g->setColumnStretch(2, 1);
    g->setRowStretch(row, 1);
    v->addWidget(box, 1);

    auto* buttons = new QHBoxLayout;
    auto* prev = PrzyciskListy(QStringLiteral("POPRZEDNIA OSOBA\n[PageUp]"),
                               QStringLiteral("sbpop2"), m_panel);
    auto* next = PrzyciskListy(QStringLiteral("NASTĘPNA OSOBA\n[PageDn]"),
                               QStringLiteral("sbnast2"), m_panel);
    auto* ok =
        PrzyciskListy(QStringLiteral("ZATWIERDŹ"), QStringLiteral("sbpozycjazatwierdz2"), m_panel);
    auto* cancel =
        PrzyciskListy(QStringLiteral("ANULUJ"), QStringLiteral("sbpozycjaanuluj"), m_panel);
    connect(prev, &QPushButton::clicked, this, guarded(this, &PositionEditorBase::poprzednia));
    connect(next, &QPushButton::clicked, this, guarded(this, &PositionEditorBase::nastepna));
    connect(ok, &QPushButton::clicked, this, guarded(this, &PositionEditorBase::zatwierdz));
    connect(cancel, &QPushButton::clicked, this, guarded(this, &PositionEditorBase::anuluj));
    buttons->addWidget(prev);
    buttons->addWidget(next);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    v->addLayout(buttons);

    connect(m_pola, &PolaPozycji::wpisano, this, guarded([this] {
                if (aktywna()) przelicz();
            }));
}

QWidget* ShortPositionEditorPage::pierwszePole() const {
    return m_razem;
}

DaneNaliczenia ShortPositionEditorPage::dane() const {
    DaneNaliczenia d = m_dane;
    d.fokus = m_razem->hasFocus()      ? FokusZk::Razem
              : m_zaliczka->hasFocus() ? FokusZk::Zaliczka
                                       : FokusZk::Brak;
    return d;
}

void ShortPositionEditorPage::przygotuj(const Lista& lista) {
    const bool tax = lista.czy_podatek == QLatin1String("T");
    m_podatek->setVisible(tax);
    if (tax)
        m_lpodatekproc->setText("ZALICZKA NA PODATEK " + LiczbaOgolna(lista.podatekproc) + "%:");
    m_lpozycjawaluta->setText(lista.walutazaliczki);
    m_lpozycjawaluta2->setText(lista.walutazaliczki);
    m_lkurs->setText("KURS " + Liczba6(lista.kurszaliczki) + " PLN / 1");
}

void ShortPositionEditorPage::przelicz() {
    ZnacznikiPozycjiSkroconej z;
    if (!licz([&] { z = przeliczpozycjeskrocona(m_editor->lista(), m_p, dane()); })) return;
    m_pola->pokaz();
    m_wrazem->setVisible(z.wrazem_2);
    m_wrachunek->setVisible(z.wrachunek_2);
    m_wrachunek2->setVisible(z.wrachunek2_2);
    m_wrachunek1czywaluta->setVisible(z.wrachunek1czywaluta_2);
    m_wrachunek2czywaluta->setVisible(z.wrachunek2czywaluta_2);
    m_lrachunek1waluta->setText(z.lrachunek1waluta_4);
    m_lrachunek2waluta->setText(z.lrachunek2waluta_4);
    m_lrachunek2waluta_5->setText(z.lrachunek2waluta_5);
    if (z.lbrakrachunku2) m_lbrakrachunku->setVisible(*z.lbrakrachunku2);
}

} // namespace vexa
