#include "lists/ui/position_editor_page.h"

#include "ui/action_guard.h"
#include "data/numbers.h"
#include "data/validators.h"
#include "lists/ui/list_editor_page.h"
#include "lists/ui/list_grid.h"
#include "lists/ui/position_fields.h"

#include <QCheckBox>
#include <QComboBox>
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

QFrame* ramka(const QString& title, QGridLayout** grid, QWidget* parent) {
    auto* f = new QFrame(parent);
    f->setProperty("positionGroup", true);
    auto* v = new QVBoxLayout(f);
    v->setContentsMargins(8, 4, 8, 6);
    auto* t = new QLabel(title, f);
    t->setProperty("groupTitle", true);
    v->addWidget(t);
    *grid = new QGridLayout;
    (*grid)->setVerticalSpacing(3);
    (*grid)->setHorizontalSpacing(6);
    v->addLayout(*grid);
    v->addStretch();
    return f;
}

QString szary(bool grey) {
    return grey ? QStringLiteral("color: %1;").arg(KolorBGR(KOLOR_SZARY).name()) : QString();
}

} // namespace

PositionEditorPage::PositionEditorPage(AppContext& ctx, ListEditorPage* editor, QWidget* parent)
    : PositionEditorBase(ctx, editor, QStringLiteral("edpozycja"), parent) {
    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("ppozycja"));
    m_panel->setFixedSize(1230, 610);
    auto* v = new QVBoxLayout(m_panel);
    v->setContentsMargins(10, 8, 10, 8);
    auto* title = new QLabel(QStringLiteral("POZYCJA LISTY NALEŻNOŚCI"), m_panel);
    title->setProperty("panelTitle", true);
    v->addWidget(title);
    m_wokres = m_pola->znak(QStringLiteral("wokres"));
    m_lrachunek2waluta_2 = new QLabel(m_panel);
    m_lrachunek2waluta_2->setObjectName(QStringLiteral("lrachunek2waluta_2"));
    v->addWidget(m_pola->panelOsoby(m_panel, QStringLiteral("_1"), m_wokres, m_lrachunek2waluta_2));
    auto* columns = new QHBoxLayout;
    columns->addWidget(buildDays());
    columns->addWidget(buildAmounts(), 1);
    columns->addWidget(buildPayout(), 1);
    v->addLayout(columns, 1);

    auto* buttons = new QHBoxLayout;
    auto* prev = PrzyciskListy(QStringLiteral("POPRZEDNIA OSOBA\n[PageUp]"),
                               QStringLiteral("sbpop"), m_panel);
    auto* next = PrzyciskListy(QStringLiteral("NASTĘPNA OSOBA\n[PageDn]"), QStringLiteral("sbnast"),
                               m_panel);
    auto* ok =
        PrzyciskListy(QStringLiteral("ZATWIERDŹ"), QStringLiteral("sbpozycjazatwierdz"), m_panel);
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

    connect(m_pola, &PolaPozycji::wpisano, this,
            guarded(this, &PositionEditorPage::pokazDniWMiesiacu));
    connect(m_pola, &PolaPozycji::opuszczono, this, guarded([this] {
                if (aktywna()) przelicz();
            }));
}

QFrame* PositionEditorPage::buildDays() {
    QGridLayout* g = nullptr;
    QFrame* f = ramka(QStringLiteral("DNI"), &g, m_panel);
    m_iloscdni = m_pola->dni(QStringLiteral("eiloscdni"), &Pozycja::iloscdni);
    m_wiloscdni = m_pola->znak(QStringLiteral("wiloscdni"));
    m_wdniwmiesiacu = m_pola->znak(QStringLiteral("wdniwmiesiacu"));
    m_wdniwmiesiacu->setToolTip(QStringLiteral("Więcej dni niż w miesiącu listy"));
    auto* days = new QHBoxLayout;
    days->addWidget(m_iloscdni);
    days->addWidget(m_wiloscdni);
    days->addWidget(m_wdniwmiesiacu);
    days->addStretch();
    g->addWidget(podpis(QStringLiteral("ILOŚĆ DNI UPRAWNIENIA\nDO POBIERANIA NALEŻN.:"), f), 0, 0);
    g->addLayout(days, 0, 1);
    const struct {
        const char* caption;
        const char* name;
        int Pozycja::*member;
    } off[] = {{"URLOP POZA PKW:", "edni_wolne_u", &Pozycja::dni_wolne_u},
               {"URLOP W PKW:", "edni_wolne_w", &Pozycja::dni_wolne_w},
               {"PODRÓŻ SŁUŻBOWA:", "edni_wolne_p", &Pozycja::dni_wolne_p}};
    int row = 1;
    for (const auto& o : off) {
        g->addWidget(podpis(QString::fromUtf8(o.caption), f), row, 0);
        g->addWidget(m_pola->dni(QString::fromLatin1(o.name), o.member), row++, 1);
    }
    g->addWidget(podpis(QStringLiteral("DNI ZWIĘKSZENIA\nNALEŻN. MON:"), f), row, 0);
    g->addWidget(m_pola->dni(QStringLiteral("eiloscdnizwmon"), &Pozycja::iloscdnizwmon), row++, 1);
    g->addWidget(podpis(QStringLiteral("DNI UDZIAŁU\nW ROZMINOWANIU:"), f), row, 0);
    g->addWidget(m_pola->dni(QStringLiteral("eiloscdnirozm"), &Pozycja::iloscdnirozm), row++, 1);
    m_kddw = new QComboBox(f);
    m_kddw->setObjectName(QStringLiteral("EKDDW"));
    m_kddw->addItems({QStringLiteral("TAK"), QStringLiteral("NIE")});
    connect(m_kddw, &QComboBox::activated, this, guarded([this](int i) {
                m_p.kddw = i == 0 ? QStringLiteral("T") : QStringLiteral("N");
                if (aktywna()) przelicz();
            }));
    g->addWidget(podpis(QStringLiteral("KONTROLA ILOŚCI DNI\nDODATKU WOJENNEGO:"), f), row, 0);
    g->addWidget(m_kddw, row++, 1);
    return f;
}

QFrame* PositionEditorPage::buildAmounts() {
    QGridLayout* g = nullptr;
    QFrame* f = ramka(QStringLiteral("NALEŻNOŚCI"), &g, m_panel);
    int row = 0;
    auto line = [&](const QString& caption, QWidget* input, QLabel* result,
                    QLabel* mark = nullptr) {
        g->addWidget(podpis(caption, f), row, 0);
        if (input) g->addWidget(input, row, 1);
        if (result) g->addWidget(result, row, 2);
        if (mark) g->addWidget(mark, row, 3);
        ++row;
    };
    line(QStringLiteral("NALEŻNOŚĆ:"), nullptr, m_pola->wynik("lnaleznosc", &Pozycja::naleznosc));
    line(QStringLiteral("ZWIĘKSZENIE NALEŻN. MON:"), nullptr,
         m_pola->wynik("lzwnaleznmon", &Pozycja::zwnaleznmon));
    m_lekarz = new QComboBox(f);
    m_lekarz->setObjectName(QStringLiteral("ezwnaleznlekarzproc_1"));
    m_lekarz->addItems({QStringLiteral("BRAK"), QStringLiteral("150"), QStringLiteral("250")});
    connect(m_lekarz, &QComboBox::activated, this, guarded([this](int i) {
                m_p.zwnaleznlekarzproc = i == 1 ? 150 : i == 2 ? 250 : 0;
                if (aktywna()) przelicz();
            }));
    line(QStringLiteral("ZW. NALEŻN. LEKARZA [%]:"), m_lekarz,
         m_pola->wynik("lzwnaleznlekarz", &Pozycja::zwnaleznlekarz));
    line(QStringLiteral("ZW. NALEŻN. D-CA PKW [%]:"),
         m_pola->kwota("ezwnaleznpkwproc", &Pozycja::zwnaleznpkwproc, u"#0.0"),
         m_pola->wynik("lzwnaleznpkw", &Pozycja::zwnaleznpkw));
    std::optional<int> Pozycja::*days[] = {&Pozycja::iloscdniwojna, &Pozycja::iloscdniwojna2,
                                           &Pozycja::iloscdniwojna3};
    double Pozycja::*amounts[] = {&Pozycja::dodatekwojenny, &Pozycja::dodatekwojenny2,
                                  &Pozycja::dodatekwojenny3};
    const QString suffix[] = {QString(), QStringLiteral("2"), QStringLiteral("3")};
    for (int i = 0; i < 3; ++i) {
        m_ldw[i] = new QLabel(f);
        m_ldw[i]->setObjectName(QStringLiteral("ldw%1").arg(i + 1));
        m_ldw[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_dniWojna[i] = m_pola->dni("eiloscdniwojna" + suffix[i], days[i]);
        m_lproc[i] = new QLabel(f);
        m_lproc[i]->setObjectName(QStringLiteral("Lpozycjadodwojenny%1").arg(i + 1));
        m_ldod[i] = m_pola->wynik("ldodatekwojenny" + suffix[i], amounts[i]);
        auto* input = new QWidget(f);
        auto* h = new QHBoxLayout(input);
        h->setContentsMargins(0, 0, 0, 0);
        h->addWidget(m_dniWojna[i]);
        h->addWidget(new QLabel(QStringLiteral("dni ×"), input));
        h->addWidget(m_lproc[i]);
        g->addWidget(m_ldw[i], row, 0);
        g->addWidget(input, row, 1);
        g->addWidget(m_ldod[i], row, 2);
        ++row;
    }
    line(QStringLiteral("ROZMINOWANIE:"), nullptr, m_pola->wynik("lrozm", &Pozycja::rozm));
    line(QStringLiteral("ZMNIEJSZENIE ZA URLOP:"), nullptr,
         m_pola->wynik("lzmniejszenie_urlop", &Pozycja::zmniejszenie_urlop));
    line(QStringLiteral("EKWIWALENT ZA ŚR. HIGIENY:"), nullptr,
         m_pola->wynik("lsrhigieny", &Pozycja::srhigieny));
    m_wyrownanie = m_pola->kwota("ewyrownanie", &Pozycja::wyrownanie);
    m_lwyrownanie = m_pola->wynik("lwyrownanie", &Pozycja::wyrownanie);
    line(QStringLiteral("WYRÓWNANIE:"), m_wyrownanie, m_lwyrownanie);
    line(QStringLiteral("ZALICZKOWO WYPŁACONE\nNALEŻNOŚCI:"),
         m_pola->kwota("einnezmniejszenia", &Pozycja::innezmniejszenia), nullptr);
    m_wrazem = m_pola->znak("wrazem");
    line(QStringLiteral("RAZEM:"), nullptr, m_pola->wynik("lrazem", &Pozycja::razem), m_wrazem);
    return f;
}

QFrame* PositionEditorPage::buildPayout() {
    QGridLayout* g = nullptr;
    QFrame* f = ramka(QStringLiteral("POTRĄCENIA I WYPŁATA"), &g, m_panel);
    int row = 0;
    auto line = [&](const QString& caption, QWidget* input, QWidget* extra = nullptr,
                    QWidget* mark = nullptr) {
        g->addWidget(podpis(caption, f), row, 0);
        if (input) g->addWidget(input, row, 1);
        if (extra) g->addWidget(extra, row, 2);
        if (mark) g->addWidget(mark, row, 3);
        ++row;
    };
    line(QStringLiteral("SKŁADKI ZUS\nI INNE POTRĄCENIA:"),
         m_pola->kwota("eskladkizus", &Pozycja::skladkizus));
    m_innezwiekszenia = m_pola->kwota("einnezwiekszenia", &Pozycja::innezwiekszenia);
    m_linnezwiekszenia = m_pola->wynik("linnezwiekszenia", &Pozycja::innezwiekszenia);
    line(QStringLiteral("KOMORNIK:"), m_innezwiekszenia, m_linnezwiekszenia);
    m_wdowyplaty = m_pola->znak("wdowyplaty");
    line(QStringLiteral("DO WYPŁATY:"), m_pola->wynik("ldowyplaty", &Pozycja::dowyplaty), nullptr,
         m_wdowyplaty);

    m_podatek = new QFrame(f);
    m_podatek->setObjectName(QStringLiteral("ppodatek2"));
    auto* t = new QGridLayout(m_podatek);
    t->setContentsMargins(0, 0, 0, 0);
    t->setVerticalSpacing(3);
    t->addWidget(podpis(QStringLiteral("KWOTA ZWOLNIONA OD PODATKU:"), m_podatek), 0, 0);
    t->addWidget(m_pola->wynik("lpodatek_kwota_zwolniona", &Pozycja::podatek_kwota_zwolniona), 0,
                 1);
    t->addWidget(podpis(QStringLiteral("PODSTAWA DO OPODATKOWANIA:"), m_podatek), 1, 0);
    t->addWidget(
        m_pola->wynik("lpodatek_podstawa_opodatkowania", &Pozycja::podatek_podstawa_opodatkowania),
        1, 1);
    m_lpodatekproc = podpis(QString(), m_podatek);
    m_lpodatekproc->setObjectName(QStringLiteral("lpodatekproc"));
    t->addWidget(m_lpodatekproc, 2, 0);
    t->addWidget(m_pola->wynik("lpodatek_zaliczka", &Pozycja::podatek_zaliczka), 2, 1);
    g->addWidget(m_podatek, row++, 0, 1, 3);

    m_lpozycjawaluta = new QLabel(f);
    m_lpozycjawaluta->setObjectName(QStringLiteral("lpozycjawaluta"));
    line(QStringLiteral("KASA (W WALUCIE):"),
         m_pola->kwota("ezaliczkawaluta", &Pozycja::zaliczkawaluta), m_lpozycjawaluta);
    m_lpozycjawaluta2 = new QLabel(f);
    m_lpozycjawaluta2->setObjectName(QStringLiteral("lpozycjawaluta2"));
    auto* cash = new QWidget(f);
    auto* ch = new QHBoxLayout(cash);
    ch->setContentsMargins(0, 0, 0, 0);
    m_lkurs = new QLabel(cash);
    m_lkurs->setObjectName(QStringLiteral("lkurs"));
    ch->addWidget(m_lkurs);
    ch->addWidget(m_lpozycjawaluta2);
    line(QStringLiteral("KASA W PLN:"), m_pola->wynik("lzaliczkapln", &Pozycja::zaliczkapln), cash);
    m_niepobrane = new QCheckBox(QStringLiteral("NALEŻNOŚĆ NIEPOBRANA W KASIE"), f);
    m_niepobrane->setObjectName(QStringLiteral("cbniepobrane"));
    m_niepobrane->setFocusPolicy(Qt::TabFocus);
    connect(m_niepobrane, &QCheckBox::clicked, this,
            guarded(this, &PositionEditorPage::wybierzNiepobrane));
    g->addWidget(m_niepobrane, row++, 1, 1, 3);

    m_wrachunek = m_pola->znak("wrachunek");
    line(QStringLiteral("RACHUNEK [PLN]:"), m_pola->wynik("lrachunek", &Pozycja::rachunek), nullptr,
         m_wrachunek);
    m_wrachunek2 = m_pola->znak("wrachunek2");
    m_lrachunek1waluta = new QLabel(f);
    m_lrachunek1waluta->setObjectName(QStringLiteral("lrachunek1waluta"));
    m_wrachunek1czywaluta = m_pola->znak("wrachunek1czywaluta");
    auto* acc1 = new QWidget(f);
    auto* a1 = new QHBoxLayout(acc1);
    a1->setContentsMargins(0, 0, 0, 0);
    a1->addWidget(m_lrachunek1waluta);
    a1->addWidget(m_wrachunek1czywaluta);
    a1->addWidget(m_wrachunek2);
    a1->addStretch();
    line(QStringLiteral("RACHUNEK 1:"), m_pola->wynik("lrachunek1", &Pozycja::rachunek1), acc1);
    m_lrachunek2waluta = new QLabel(f);
    m_lrachunek2waluta->setObjectName(QStringLiteral("lrachunek2waluta"));
    m_wrachunek2czywaluta = m_pola->znak("wrachunek2czywaluta");
    auto* acc2 = new QWidget(f);
    auto* a2 = new QHBoxLayout(acc2);
    a2->setContentsMargins(0, 0, 0, 0);
    a2->addWidget(m_lrachunek2waluta);
    a2->addWidget(m_wrachunek2czywaluta);
    a2->addStretch();
    line(QStringLiteral("RACHUNEK 2:"), m_pola->kwota("erachunek2_1", &Pozycja::rachunek2), acc2);
    m_lbrakrachunku = new QLabel(QStringLiteral("BRAK RACHUNKU BANKOWEGO"), f);
    m_lbrakrachunku->setObjectName(QStringLiteral("lbrakrachunku"));
    m_lbrakrachunku->setProperty("ostrzezenie", true);
    m_lbrakrachunku->hide();
    g->addWidget(m_lbrakrachunku, row++, 1, 1, 3);
    g->addWidget(podpis(QStringLiteral("UWAGI:"), f), row, 0);
    g->addWidget(m_pola->tekst("euwagi_1", &Pozycja::uwagi), row++, 1, 1, 3);
    return f;
}

QWidget* PositionEditorPage::pierwszePole() const {
    return m_iloscdni;
}

void PositionEditorPage::przygotuj(const Lista& lista) {
    m_miesiacrok = lista.miesiacrok;
    const bool tax = lista.czy_podatek == QLatin1String("T");
    m_podatek->setVisible(tax);
    if (tax)
        m_lpodatekproc->setText("ZALICZKA NA PODATEK " + LiczbaOgolna(lista.podatekproc) + "%:");
    m_lpozycjawaluta->setText(lista.walutazaliczki);
    m_lpozycjawaluta2->setText(lista.walutazaliczki);
    m_lkurs->setText("KURS " + Liczba6(lista.kurszaliczki) + " PLN / 1");
    const double rates[] = {lista.dodatekwojenny, lista.dodatekwojenny2, lista.dodatekwojenny3};
    const bool war = lista.czy_dod_wojenny == QLatin1String("T");
    for (int i = 0; i < 3; ++i) {
        const QString rate = LiczbaOgolna(rates[i]) + "%";
        m_lproc[i]->setText(rate);
        m_ldw[i]->setText("DODATEK WOJENNY " + rate);
        // Without the war supplement its days are not typed and its lines are drawn grey.
        m_dniWojna[i]->setReadOnly(!war);
        for (QWidget* w : {static_cast<QWidget*>(m_ldw[i]), static_cast<QWidget*>(m_lproc[i]),
                           static_cast<QWidget*>(m_ldod[i])})
            w->setStyleSheet(szary(!war));
    }
}

void PositionEditorPage::przelicz() {
    ZnacznikiPozycji z;
    if (!licz([&] { z = przeliczpozycje(m_editor->lista(), m_p, m_dane); })) return;
    m_pola->pokaz();
    pokazZnaczniki(z);
    m_kddw->setCurrentIndex(m_p.kddw == QLatin1String("T") ? 0 : 1);
    m_lekarz->setCurrentIndex(m_p.zwnaleznlekarzproc == 150   ? 1
                              : m_p.zwnaleznlekarzproc == 250 ? 2
                                                              : 0);
    m_niepobrane->setChecked(m_p.niepobranewkasie == QLatin1String("N"));
    pokazDniWMiesiacu();
}

void PositionEditorPage::pokazZnaczniki(const ZnacznikiPozycji& z) {
    m_wokres->setVisible(z.wokres);
    m_wiloscdni->setVisible(z.wiloscdni);
    m_wrazem->setVisible(z.wrazem);
    m_wdowyplaty->setVisible(z.wdowyplaty);
    m_wrachunek->setVisible(z.wrachunek);
    m_wrachunek2->setVisible(z.wrachunek2);
    m_wrachunek1czywaluta->setVisible(z.wrachunek1czywaluta);
    m_wrachunek2czywaluta->setVisible(z.wrachunek2czywaluta);
    m_lrachunek1waluta->setText(z.lrachunek1waluta);
    m_lrachunek2waluta->setText(z.lrachunek2waluta);
    m_lrachunek2waluta_2->setText(z.lrachunek2waluta_2);
    m_lbrakrachunku->setVisible(z.lbrakrachunku);
    // A negative settlement or bailiff's deduction: red in its edit, white in its result.
    const QString negative = QStringLiteral("color: white; background: #c0392b;");
    m_wyrownanie->setStyleSheet(z.wyrownanieujemne ? QStringLiteral("color: red;") : QString());
    m_lwyrownanie->setStyleSheet(z.wyrownanieujemne ? negative : QString());
    m_innezwiekszenia->setStyleSheet(z.innezwiekszeniaujemne ? QStringLiteral("color: red;")
                                                             : QString());
    m_linnezwiekszenia->setStyleSheet(z.innezwiekszeniaujemne ? negative : QString());
}

void PositionEditorPage::pokazDniWMiesiacu() {
    m_wdniwmiesiacu->setVisible(m_p.iloscdni.value_or(0) > DniMiesiaca(m_miesiacrok));
}

void PositionEditorPage::wybierzNiepobrane(bool checked) {
    // Without a cash amount there is nothing to collect.
    if (m_p.zaliczkapln == 0)
        m_p.niepobranewkasie.clear();
    else
        m_p.niepobranewkasie = checked ? QStringLiteral("N") : QStringLiteral("W");
    if (aktywna()) przelicz();
}

} // namespace vexa
