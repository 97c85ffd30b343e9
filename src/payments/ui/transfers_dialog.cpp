#include "payments/ui/transfers_dialog.h"

#include "ui/action_guard.h"
#include "ui/app_context.h"
#include "ui/navigator.h"
#include "data/clock.h"
#include "data/messages.h"
#include "data/validators.h"
#include "payments/zwsi_files.h"

#include <QDateEdit>
#include <QDir>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

namespace vexa {

namespace {

QLineEdit* tytul(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(35);
    e->setMinimumWidth(330);
    return e;
}

// Plain printing of a text through the print dialog.
void drukujTekst(QWidget* parent, const QString& title, const QString& text) {
    QPrinter printer;
    printer.setDocName(title);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    QTextDocument doc;
    doc.setDefaultFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    doc.setPlainText(text);
    doc.print(&printer);
}

} // namespace

TransfersDialog::TransfersDialog(AppContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx) {
    setObjectName(QStringLiteral("TFPrzelewy"));
    setWindowTitle(QStringLiteral("GENEROWANIE PRZELEWÓW"));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setModal(true);
    auto* naglowek = new QLabel(QStringLiteral("GENEROWANIE PRZELEWÓW"), this);
    naglowek->setProperty("pageTitle", true);
    m_osoby = new QLabel(this);
    m_osoby->setObjectName(QStringLiteral("eosoby"));
    m_tytul1 = tytul(this, "etytulem");
    m_tytul2 = tytul(this, "etytulem2");
    m_tytul3 = tytul(this, "etytulem3");
    m_dataWaluty = new QDateEdit(this);
    m_dataWaluty->setObjectName(QStringLiteral("edatawaluty"));
    m_dataWaluty->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_dataWaluty->setCalendarPopup(true);
    m_raport = new QTextEdit(this);
    m_raport->setObjectName(QStringLiteral("eraport"));
    m_raport->setReadOnly(true);
    m_raport->setLineWrapMode(QTextEdit::NoWrap);
    m_raport->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_raport->setMinimumSize(620, 300);

    auto* g = new QGridLayout;
    g->addWidget(new QLabel(QStringLiteral("ILOŚĆ OSÓB:"), this), 0, 0);
    g->addWidget(m_osoby, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("TYTUŁ PRZELEWÓW:"), this), 1, 0);
    g->addWidget(m_tytul1, 1, 1);
    g->addWidget(m_tytul2, 2, 1);
    g->addWidget(m_tytul3, 3, 1);
    g->addWidget(new QLabel(QStringLiteral("DATA WALUTY:"), this), 4, 0);
    auto* data = new QHBoxLayout;
    data->addWidget(m_dataWaluty);
    data->addWidget(new QLabel(QStringLiteral("(Dotyczy przelewów walutowych)"), this));
    data->addStretch();
    g->addLayout(data, 4, 1);

    auto* tak = new QPushButton(QStringLiteral("ZATWIERDŹ"), this);
    tak->setObjectName(QStringLiteral("SBTak"));
    auto* nie = new QPushButton(QStringLiteral("ANULUJ"), this);
    nie->setObjectName(QStringLiteral("SBNie"));
    auto* druk = new QPushButton(QStringLiteral("DRUKUJ"), this);
    druk->setObjectName(QStringLiteral("SpeedButton1"));
    for (QPushButton* b : {tak, nie, druk})
        b->setAutoDefault(false);
    connect(tak, &QPushButton::clicked, this, guarded(this, &TransfersDialog::zatwierdz));
    connect(nie, &QPushButton::clicked, this, guarded(this, &QDialog::reject));
    connect(druk, &QPushButton::clicked, this, guarded(this, &TransfersDialog::drukuj));
    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(druk);
    przyciski->addStretch();
    przyciski->addWidget(tak);
    przyciski->addWidget(nie);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(naglowek);
    layout->addLayout(g);
    layout->addWidget(m_raport, 1);
    layout->addLayout(przyciski);
    m_drukuj = [this](const QString& title, const QString& text) {
        drukujTekst(this, title, text);
    };
}

void TransfersDialog::przygotuj(const QString& osoby) {
    m_osoby->setText(osoby);
    for (QLineEdit* e : {m_tytul1, m_tytul2, m_tytul3})
        e->clear();
    m_raport->clear();
    m_dataWaluty->setDate(m_ctx.clock.today());
    m_zRaportem = false;
}

OpcjePrzelewow TransfersDialog::opcje() const {
    OpcjePrzelewow o;
    o.tytul1 = m_tytul1->text();
    o.tytul2 = m_tytul2->text();
    o.tytul3 = m_tytul3->text();
    o.dataWaluty = m_dataWaluty->date();
    o.dzis = m_ctx.clock.today();
    return o;
}

void TransfersDialog::pokazRaport(const QStringList& raport) {
    m_raport->setPlainText(raport.join(u'\n'));
    m_zRaportem = true;
}

QString TransfersDialog::raport() const {
    return m_raport->toPlainText();
}

void TransfersDialog::ustawDrukowanie(
    std::function<void(const QString& title, const QString& text)> drukuj) {
    m_drukuj = std::move(drukuj);
}

void TransfersDialog::zatwierdz() {
    if (!m_zRaportem && m_tytul1->text().isEmpty()) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA,
                                 QStringLiteral("Proszę wpisać tytuł przelewów."));
        m_tytul1->setFocus();
        return;
    }
    accept();
}

void TransfersDialog::drukuj() {
    if (m_ctx.messages.Komunikat(
            KOMUNIKAT_PYTANIE, QStringLiteral("Czy wydrukować raport z generowania przelewów?")) !=
        TAK)
        return;
    m_drukuj(QStringLiteral("Raport z generowania przelewów"), raport());
}

void TransfersDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ActionGuard::run([this] { zatwierdz(); });
        return;
    }
    QDialog::keyPressEvent(event); // Esc cancels
}

void TransfersDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_tytul1->setFocus();
}

bool GenerujPrzelewyZListy(AppContext& ctx, int idlisty, KolejnoscPozycji kolejnosc,
                           TransfersDialog& dialog) {
    if (idlisty == 0) return false;
    const bool niepobrane =
        ctx.messages.Komunikat(
            KOMUNIKAT_PYTANIE,
            QStringLiteral(
                "Czy chcesz wygenerować przelewy dla należności niepobranych w kasie?")) == TAK;
    QString osoby;
    if (!niepobrane) {
        ListRepository repo(ctx.db);
        int ile = repo.iloscZaznaczonych(idlisty);
        if (ile == 0) {
            if (ctx.messages.Komunikat(KOMUNIKAT_PYTANIE,
                                       QStringLiteral("Czy chcesz wygenerować przelewy dla "
                                                      "wszystkich osób na liście należności?")) !=
                TAK)
                return false;
            repo.zaznaczWszystkie(idlisty);
            ile = repo.iloscZaznaczonych(idlisty);
        }
        osoby = QString::number(ile);
    }
    dialog.przygotuj(osoby);
    if (dialog.exec() != QDialog::Accepted) return false;
    const QString plik = ctx.files.saveFileName(
        QStringLiteral("Nazwa pliku programu VIDEOTEL"),
        QDir(ctx.programFolder).filePath(QStringLiteral("Przelewy")),
        QStringLiteral("Pliki przelewów VIDEOTEL (*.imp)"), QStringLiteral("imp"),
        PytanieONadpisanie::BezPytania); // the files are created anew on every run
    if (plik.isEmpty()) return false;
    OpcjePrzelewow o = dialog.opcje();
    o.niepobrane = niepobrane;
    o.filtr = ctx.nav ? ctx.nav->stan().przelewWaluta : QString();
    o.plik = QDir::toNativeSeparators(plik);
    const WynikPrzelewow w = PrzelewyListy(ctx.db, idlisty, kolejnosc, o);
    ZapiszPrzelewy(w, plik, niepobrane);
    dialog.pokazRaport(w.raport);
    dialog.exec();
    return true;
}

bool GenerujPlikiZwsiZListy(AppContext& ctx, int idlisty, KolejnoscPozycji kolejnosc) {
    if (idlisty == 0) return false;
    const Lista l = ListRepository(ctx.db).wymaganaLista(idlisty);
    const QString plik = ctx.files.saveFileName(
        QStringLiteral("Export listy należności do pliku ZWSI RON"),
        QDir(QDir(ctx.programFolder).filePath(QStringLiteral("Listy"))).filePath(NazwaPliku(l.nr)),
        QStringLiteral("Plik tekstowy (*.txt)"), QStringLiteral("txt"),
        PytanieONadpisanie::BezPytania); // the four files are created anew on every run
    if (plik.isEmpty()) return false;
    const QString folder = ZapiszPlikiZwsi(PlikiZwsiListy(ctx.db, idlisty, kolejnosc), plik);
    ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, KomunikatZwsi(folder));
    return true;
}

} // namespace vexa
