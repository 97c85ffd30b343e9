#include "printouts/ui/preview_page.h"

#include "ui/action_guard.h"
#include "ui/app_context.h"
#include "ui/navigator.h"
#include "data/clock.h"
#include "data/error.h"
#include "data/messages.h"
#include "printouts/report_painter.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QCoreApplication>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace vexa {

namespace {

QPushButton* przycisk(const QString& caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

} // namespace

PageView::PageView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("QRP"));
}

void PageView::ustaw(const StronaRaportu* strona, QSizeF rozmiarMm, double pikseliNaMm) {
    m_strona = strona;
    m_rozmiar = rozmiarMm;
    m_k = pikseliNaMm;
    setFixedSize(QSize(int(rozmiarMm.width() * m_k) + 24, int(rozmiarMm.height() * m_k) + 24));
    update();
}

void PageView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0x80, 0x8a, 0x96));
    if (!m_strona) return;
    const QRectF page(12, 12, m_rozmiar.width() * m_k, m_rozmiar.height() * m_k);
    p.fillRect(page.translated(3, 3), QColor(0x50, 0x58, 0x60));
    p.fillRect(page, Qt::white);
    p.translate(page.topLeft());
    RysujStrone(p, *m_strona, m_k);
}

PreviewPage::PreviewPage(AppContext& ctx, QWidget* parent) : QWidget(parent), m_ctx(ctx) {
    auto* tytul = new QLabel(QStringLiteral("PODGLĄD WYDRUKU"), this);
    tytul->setProperty("pageTitle", true);
    auto* zamknijB = new QToolButton(this);
    zamknijB->setObjectName(QStringLiteral("sbpodglzamknij"));
    zamknijB->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    zamknijB->setToolTip(QStringLiteral("Zamknij podgląd"));
    zamknijB->setFocusPolicy(Qt::TabFocus);
    connect(zamknijB, &QToolButton::clicked, this, guarded(this, &PreviewPage::zamknij));
    auto* pasek = new QHBoxLayout;
    pasek->setSpacing(0);
    pasek->addWidget(tytul, 1);
    pasek->addWidget(zamknijB);

    auto* drukujB = przycisk(QStringLiteral("DR&UKUJ"), "SpeedButton18", this);
    auto* pdfB = przycisk(QStringLiteral("PD&F"), "sbpodglpdf", this);
    pdfB->setToolTip(QStringLiteral("Zapisz wydruk w pliku PDF"));
    auto* pierwszaB = przycisk(QStringLiteral("PI&ERWSZA\nSTRONA"), "SpeedButton36", this);
    auto* poprzedniaB = przycisk(QStringLiteral("POPR&ZEDNIA\nSTRONA"), "SpeedButton20", this);
    auto* nastepnaB = przycisk(QStringLiteral("NAS&TĘPNA\nSTRONA"), "SpeedButton19", this);
    auto* ostatniaB = przycisk(QStringLiteral("OSTATNI&A\nSTRONA"), "SpeedButton37", this);
    auto* przejdzB = przycisk(QStringLiteral("PRZE&JDŹ DO\nSTRONY"), "SpeedButton38", this);
    m_estr = new QLineEdit(QStringLiteral("1"), this);
    m_estr->setObjectName(QStringLiteral("estr"));
    m_estr->setFixedWidth(60);
    m_estr->setAlignment(Qt::AlignRight);
    m_opis = new QLabel(this);
    m_opis->setObjectName(QStringLiteral("lpodglstrona"));
    m_zoom = new QComboBox(this);
    m_zoom->setObjectName(QStringLiteral("ezoom"));
    m_zoom->addItems({QStringLiteral("SZEROKOŚĆ STRONY"), QStringLiteral("CAŁA STRONA"),
                      QStringLiteral("100 %")});
    m_zoom->setFocusPolicy(Qt::TabFocus);
    connect(drukujB, &QPushButton::clicked, this, guarded(this, &PreviewPage::drukuj));
    connect(pdfB, &QPushButton::clicked, this, guarded(this, &PreviewPage::doPdf));
    connect(pierwszaB, &QPushButton::clicked, this, guarded(this, &PreviewPage::pierwsza));
    connect(poprzedniaB, &QPushButton::clicked, this, guarded(this, &PreviewPage::poprzednia));
    connect(nastepnaB, &QPushButton::clicked, this, guarded(this, &PreviewPage::nastepna));
    connect(ostatniaB, &QPushButton::clicked, this, guarded(this, &PreviewPage::ostatnia));
    connect(przejdzB, &QPushButton::clicked, this, guarded(this, &PreviewPage::przejdz));
    connect(m_estr, &QLineEdit::returnPressed, this, guarded(this, &PreviewPage::przejdz));
    connect(m_zoom, &QComboBox::currentIndexChanged, this, guarded(this, &PreviewPage::odswiez));

    m_przyciskiRaportu = {drukujB, pdfB, pierwszaB, poprzedniaB, nastepnaB, ostatniaB, przejdzB};

    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(drukujB);
    przyciski->addWidget(pdfB);
    przyciski->addSpacing(16);
    for (QPushButton* b : {pierwszaB, poprzedniaB, nastepnaB, ostatniaB, przejdzB})
        przyciski->addWidget(b);
    przyciski->addWidget(m_estr);
    przyciski->addSpacing(16);
    przyciski->addWidget(m_opis);
    przyciski->addStretch();
    auto* widok = new QLabel(QStringLiteral("&WIDOK:"), this);
    widok->setBuddy(m_zoom);
    przyciski->addWidget(widok);
    przyciski->addWidget(m_zoom);

    m_widok = new PageView;
    m_przewijanie = new QScrollArea(this);
    m_przewijanie->setObjectName(QStringLiteral("ppodgl"));
    m_przewijanie->setWidget(m_widok);
    m_przewijanie->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_przewijanie->setBackgroundRole(QPalette::Dark);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(pasek);
    layout->addLayout(przyciski);
    layout->addWidget(m_przewijanie, 1);

    m_dialogDrukarki = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
    odswiez();
}

void PreviewPage::otworz(const QString& powrot) {
    m_powrot = powrot;
    if (m_ctx.nav) {
        m_ctx.nav->stan().stronaPowrotu = powrot;
        m_ctx.nav->pokazStrone(QStringLiteral("podgl"));
    }
}

void PreviewPage::pokaz(Raport raport, const QString& powrot) {
    m_raport = std::move(raport);
    otworz(powrot);
    m_strona = 1;
    m_estr->setText(QStringLiteral("1"));
    odswiez();
}

void PreviewPage::ustawDialogDrukarki(std::function<bool(QPrinter&)> dialog) {
    m_dialogDrukarki = std::move(dialog);
}

void PreviewPage::ustawStrone(int n) {
    if (n < 1 || n > m_raport.iloscStron()) return;
    m_strona = n;
    odswiez();
}

void PreviewPage::pierwsza() {
    ustawStrone(1);
}
void PreviewPage::poprzednia() {
    ustawStrone(m_strona - 1);
}
void PreviewPage::nastepna() {
    ustawStrone(m_strona + 1);
}

void PreviewPage::ostatnia() {
    // One page at a time, a thousand times: the last page of any report up to 1001 pages.
    ustawStrone(qMin(m_raport.iloscStron(), m_strona + 1000));
}

void PreviewPage::przejdz() {
    bool ok = false;
    const int n = m_estr->text().trimmed().toInt(&ok);
    if (!ok) {
        m_estr->setText(QStringLiteral("1"));
        ustawStrone(1);
        return;
    }
    ustawStrone(n);
}

void PreviewPage::ustawDrukarkeDomyslna(std::function<void(const Raport&)> drukarka) {
    m_drukarkaDomyslna = std::move(drukarka);
}

void PreviewPage::drukujBezPodgladu(const Raport& raport) {
    if (raport.iloscStron() == 0) return;
    if (m_drukarkaDomyslna) {
        m_drukarkaDomyslna(raport);
        return;
    }
    if (QPrinterInfo::defaultPrinter().isNull())
        throw VexaError(QStringLiteral("Nie znaleziono drukarki domyślnej."));
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(raport.tytulZadania);
    if (raport.dwustronnie) printer.setDuplex(QPrinter::DuplexLongSide);
    DrukujStrony(raport, printer, 1, raport.iloscStron(), postep(QStringLiteral("Drukowanie...")));
}

void PreviewPage::drukuj() {
    if (m_raport.iloscStron() == 0) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_raport.tytulZadania);
    if (m_raport.dwustronnie) printer.setDuplex(QPrinter::DuplexLongSide);
    printer.setFromTo(1, m_raport.iloscStron());
    if (!m_dialogDrukarki(printer)) return;
    if (m_ctx.messages.Komunikat(KOMUNIKAT_PYTANIE,
                                 QStringLiteral("Czy chcesz wydrukować dokument?")) != TAK)
        return;
    int od = 1, do_ = m_raport.iloscStron();
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        od = printer.fromPage();
        do_ = printer.toPage();
    } else if (printer.printRange() == QPrinter::CurrentPage) {
        od = do_ = m_strona;
    }
    DrukujStrony(m_raport, printer, od, do_, postep(QStringLiteral("Drukowanie...")));
}

void PreviewPage::doPdf() {
    if (m_raport.iloscStron() == 0) return;
    const QString plik =
        m_ctx.files.saveFileName(QStringLiteral("Zapisz wydruk w pliku PDF"),
                                 QDir(m_ctx.programFolder).filePath(QStringLiteral("Wydruki")),
                                 QStringLiteral("Dokument PDF (*.pdf)"), QStringLiteral("pdf"),
                                 PytanieONadpisanie::WOknie);
    if (plik.isEmpty()) return;
    if (!ZapiszPdf(m_raport, plik, postep(QStringLiteral("Zapisywanie pliku PDF...")))) return;
    m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, QStringLiteral("Wydruk zapisano w pliku:\r") +
                                                       QDir::toNativeSeparators(plik));
}

PostepDrukowania PreviewPage::postep(const QString& opis) {
    // A report of many pages shows its progress after a moment and can be stopped; the window
    // keeps being redrawn meanwhile.
    auto dialog = std::make_shared<QProgressDialog>(opis, QStringLiteral("PRZERWIJ"), 0,
                                                    m_raport.iloscStron(), this);
    dialog->setObjectName(QStringLiteral("ppostepwydruku"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(700);
    return [dialog](int zrobione, int wszystkie) {
        dialog->setMaximum(wszystkie);
        dialog->setValue(zrobione);
        QCoreApplication::processEvents();
        return !dialog->wasCanceled();
    };
}

void PreviewPage::zamknij() {
    // The navigator's return page: every printout trigger sets it first, also one that ends up
    // showing nothing new.
    const QString powrot = m_ctx.nav ? m_ctx.nav->stan().stronaPowrotu : m_powrot;
    if (m_ctx.nav) m_ctx.nav->pokazStrone(powrot.isEmpty() ? QStringLiteral("pusta") : powrot);
}

void PreviewPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    odswiez();
}

void PreviewPage::odswiez() {
    const int n = m_raport.iloscStron();
    m_opis->setText(n ? QStringLiteral("Strona %1 z %2").arg(m_strona).arg(n) : QString());
    // Without a report there is nothing to print, save or page through.
    for (QPushButton* b : m_przyciskiRaportu)
        b->setEnabled(n > 0);
    m_estr->setEnabled(n > 0);
    if (!n) {
        m_widok->ustaw(nullptr, {}, 1);
        return;
    }
    const QSizeF mm = m_raport.rozmiarStrony();
    // Room for the page inside the scroll area, its scroll bars and the page's shadow left out.
    const int pasek = m_przewijanie->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QSize room = m_przewijanie->size() - QSize(32 + pasek, 32);
    double k = logicalDpiX() / 25.4; // 100 %
    if (m_zoom->currentIndex() == 0)
        k = room.width() / mm.width();
    else if (m_zoom->currentIndex() == 1)
        k = qMin(room.width() / mm.width(), room.height() / mm.height());
    m_widok->ustaw(&m_raport.strony[m_strona - 1], mm, qMax(0.5, k));
}

} // namespace vexa
