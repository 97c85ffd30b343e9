#include "lists/ui/bulk_change_dialog.h"

#include "ui/action_guard.h"
#include "ui/app_context.h"
#include "ui/navigator.h"
#include "ui/ui_helpers.h"
#include "data/messages.h"
#include "data/numbers.h"
#include "data/settings.h"
#include "lists/list_repository.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexa {

namespace {

QCheckBox* box(QWidget* parent, const char* name, const QString& text = QString()) {
    auto* b = new QCheckBox(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QLineEdit* edit(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

// The value of a field that accept() has checked.
double value(const QLineEdit* e) { return ParsujKwote(e->text()); }

// A negative amount is shown in red while it is typed.
void redWhenNegative(QLineEdit* e) {
    QObject::connect(e, &QLineEdit::textChanged, e, guarded([e] {
                         e->setStyleSheet(value(e) < 0 ? QStringLiteral("color: red;") : QString());
                     }));
}

// Amounts in PLN: any sign, to the grosz.
const ZakresPola kKwota{-1e12, 1e12, 2};

void addButtons(QDialog* d, QBoxLayout* layout) {
    QPushButton* ok = nullptr;
    layout->addLayout(
        PrzyciskiDialogu(d, QStringLiteral("ZATWIERDŹ"), QStringLiteral("ANAULUJ"), &ok));
    QObject::connect(ok, &QPushButton::clicked, d, guarded(d, &QDialog::accept));
}

bool enterAccepts(QDialog* d, QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        d->accept();
        return true;
    }
    return false;
}

} // namespace

BulkChangeDialog::BulkChangeDialog(Messages& messages, QWidget* parent)
    : QDialog(parent), m_messages(messages) {
    setObjectName(QStringLiteral("TFZmiana"));
    setWindowTitle(QStringLiteral("GRUPOWA ZMIANA"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    int row = 0;
    auto line = [&](QCheckBox* b, QWidget* caption, QLineEdit* e, const QString& unit = {}) {
        m_boxes << b;
        grid->addWidget(b, row, 0);
        grid->addWidget(caption, row, 1);
        if (e) grid->addWidget(e, row, 2);
        if (!unit.isEmpty()) grid->addWidget(new QLabel(unit, this), row, 3);
        ++row;
    };
    auto label = [this](const QString& t) { return new QLabel(t, this); };
    m_pkw = edit(this, "ezwnaleznpkw");
    m_woj1 = edit(this, "eildniwoj3");
    m_woj2 = edit(this, "eildniwoj4");
    m_woj3 = edit(this, "eildniwoj5");
    m_hig = edit(this, "esrhig");
    m_wyr = edit(this, "ewyr");
    m_innezw = edit(this, "einnezw");
    m_innezm = edit(this, "einnezm");
    m_uwagi = edit(this, "euwagi");
    WielkieLitery(m_uwagi);
    redWhenNegative(m_wyr);
    m_lwoj1 = label({});
    m_lwoj2 = label({});
    m_lwoj3 = label({});
    line(box(this, "cbzwnaleznpkw"), label("ZWIĘKSZENIE\nNALEŻN. D-CA PKW:"), m_pkw, "%");
    line(box(this, "cbildniwoj3"), m_lwoj1, m_woj1);
    line(box(this, "cbildniwoj4"), m_lwoj2, m_woj2);
    line(box(this, "cbildniwoj5"), m_lwoj3, m_woj3);
    line(box(this, "cbsrhig"), label("EKWIWALENT\nZA ŚRODKI HIGIENY:"), m_hig, "PLN");
    line(box(this, "cbwyr"), label("WYRÓWNANIE /\nPOTRĄCENIE"), m_wyr, "PLN");
    line(box(this, "cbinnezw"), label("KOMORNIK:"), m_innezw, "PLN");
    line(box(this, "cbinnezm"), label("ZALICZKOWO\nWYPŁACONE NAL.:"), m_innezm, "PLN");
    line(box(this, "cbuwagi"), label("UWAGI:"), m_uwagi);
    line(box(this, "cbdaneosobowe"), label("ZAKTUALIZUJ DANE OSOBOWE I RACHUNKI BANKOWE"), nullptr);
    line(box(this, "cbzaliczka"), label("ZAKTUALIZUJ ZALICZKI NA POCZET NALEŻN. ZAGR."), nullptr);
    line(box(this, "cbmnoznik"), label("ZAKTUALIZUJ MNOŻNIK ZALEŻNY OD STE"), nullptr);
    line(box(this, "cbzeruj"), label("ZERUJ WSZYSTKIE SKŁADNIKI POZA ZW. NALEŻN. MON"), nullptr);
    const ZakresPola procent{0, 30, 1};
    const ZakresPola dni{0, 31, 0};
    m_liczby = {{m_pkw, procent, m_boxes[0]},   {m_woj1, dni, m_boxes[1]},
                {m_woj2, dni, m_boxes[2]},      {m_woj3, dni, m_boxes[3]},
                {m_hig, kKwota, m_boxes[4]},    {m_wyr, kKwota, m_boxes[5]},
                {m_innezw, kKwota, m_boxes[6]}, {m_innezm, kKwota, m_boxes[7]}};
    layout->addLayout(grid);
    addButtons(this, layout);
}

void BulkChangeDialog::przygotuj(double dodwojenny, double dodwojenny2, double dodwojenny3) {
    m_pkw->setText(Liczba1(0));
    m_lwoj1->setText(QString(OpisDniWojennych(dodwojenny)).replace(u'\r', u'\n'));
    m_lwoj2->setText(QString(OpisDniWojennych(dodwojenny2)).replace(u'\r', u'\n'));
    m_lwoj3->setText(QString(OpisDniWojennych(dodwojenny3)).replace(u'\r', u'\n'));
    for (QCheckBox* b : m_boxes)
        b->setChecked(false);
}

ZmianaPozycji BulkChangeDialog::zmiana() const {
    ZmianaPozycji z;
    auto on = [this](int i) { return m_boxes[i]->isChecked(); };
    if (on(0)) z.zwnaleznpkwproc = value(m_pkw);
    if (on(1)) z.iloscdniwojna = int(value(m_woj1));
    if (on(2)) z.iloscdniwojna2 = int(value(m_woj2));
    if (on(3)) z.iloscdniwojna3 = int(value(m_woj3));
    if (on(4)) z.srhigieny = value(m_hig);
    if (on(5)) z.wyrownanie = value(m_wyr);
    if (on(6)) z.innezwiekszenia = value(m_innezw);
    if (on(7)) z.innezmniejszenia = value(m_innezm);
    if (on(8)) z.uwagi = m_uwagi->text();
    z.daneOsobowe = on(9);
    z.zaliczka = on(10);
    z.mnoznik = on(11);
    z.zeruj = on(12);
    return z;
}

void BulkChangeDialog::accept() {
    if (PolaLiczbowePoprawne(m_messages, m_liczby)) QDialog::accept();
}

void BulkChangeDialog::keyPressEvent(QKeyEvent* event) {
    if (!enterAccepts(this, event)) QDialog::keyPressEvent(event);
}

ShortBulkChangeDialog::ShortBulkChangeDialog(Messages& messages, QWidget* parent)
    : QDialog(parent), m_messages(messages) {
    setObjectName(QStringLiteral("TFZmiana2"));
    setWindowTitle(QStringLiteral("GRUPOWA ZMIANA"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    m_dane =
        box(this, "cbdaneosobowe", QStringLiteral("ZAKTUALIZUJ DANE OSOBOWE I RACHUNKI BANKOWE"));
    m_razemBox = box(this, "cbrazem", QStringLiteral("KWOTA NALEŻNOŚCI"));
    m_przeliczBox = box(this, "cbprzelicz", QStringLiteral("PRZELICZ PO KURSIE:"));
    m_uwagiBox = box(this, "cbuwagi", QStringLiteral("UWAGI:"));
    m_razem = edit(this, "erazem");
    m_przelicz = edit(this, "eprzelicz");
    m_uwagi = edit(this, "euwagi");
    WielkieLitery(m_uwagi);
    grid->addWidget(m_dane, 0, 0, 1, 3);
    grid->addWidget(m_razemBox, 1, 0);
    grid->addWidget(m_razem, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("PLN"), this), 1, 2);
    grid->addWidget(m_przeliczBox, 2, 0);
    grid->addWidget(m_przelicz, 2, 1);
    grid->addWidget(m_uwagiBox, 3, 0);
    grid->addWidget(m_uwagi, 3, 1, 1, 2);
    m_liczby = {{m_razem, kKwota, m_razemBox}, {m_przelicz, ZakresPola{0, 1e6, 6}, m_przeliczBox}};
    layout->addLayout(grid);
    addButtons(this, layout);
}

void ShortBulkChangeDialog::przygotuj() {
    m_dane->setChecked(false);
    m_uwagiBox->setChecked(false);
    m_przelicz->setText(Liczba6(1));
}

ZmianaPozycjiSkroconej ShortBulkChangeDialog::zmiana() const {
    ZmianaPozycjiSkroconej z;
    z.daneOsobowe = m_dane->isChecked();
    if (m_razemBox->isChecked()) z.razem = value(m_razem);
    if (m_przeliczBox->isChecked()) z.przelicz = value(m_przelicz);
    if (m_uwagiBox->isChecked()) z.uwagi = m_uwagi->text();
    return z;
}

void ShortBulkChangeDialog::accept() {
    if (PolaLiczbowePoprawne(m_messages, m_liczby)) QDialog::accept();
}

void ShortBulkChangeDialog::keyPressEvent(QKeyEvent* event) {
    if (!enterAccepts(this, event)) QDialog::keyPressEvent(event);
}

bool ZmienZaznaczoneZListy(AppContext& ctx, int idlisty, BulkChangeDialog& full,
                           ShortBulkChangeDialog& shortDialog) {
    ListRepository repo(ctx.db);
    const Lista l = repo.lista(idlisty);
    if (repo.pozycje(idlisty).isEmpty()) return false;
    if (repo.iloscZaznaczonych(idlisty) == 0) {
        ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, BrakZaznaczonychPozycji(l.typ));
        return false;
    }
    const bool isFull = l.typ == QLatin1String("P");
    int result = QDialog::Rejected;
    if (isFull) {
        full.przygotuj(OdczytSetne(ctx.db, "DODWOJENNY"), OdczytSetne(ctx.db, "DODWOJENNY2"),
                       OdczytSetne(ctx.db, "DODWOJENNY3"));
        result = full.exec();
    } else {
        shortDialog.przygotuj();
        result = shortDialog.exec();
    }
    if (result != QDialog::Accepted) return false;
    if (ctx.nav) {
        ctx.nav->stan().osobaZp = l.zp;
        ctx.nav->stan().osobaFiltr = QStringLiteral("(true)");
    }
    if (isFull)
        ZmienZaznaczonePozycje(ctx.db, idlisty, full.zmiana());
    else
        ZmienZaznaczonePozycje(ctx.db, idlisty, shortDialog.zmiana());
    ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA,
                           QStringLiteral("Zauktualizowano zaznaczone pozycje."));
    return true;
}

} // namespace vexa
