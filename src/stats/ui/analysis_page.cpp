#include "stats/ui/analysis_page.h"

#include "ui/action_guard.h"
#include "ui/app_context.h"
#include "ui/navigator.h"
#include "ui/ui_helpers.h"
#include "data/codepage.h"
#include "data/database.h"
#include "data/messages.h"
#include "data/numbers.h"
#include "data/output_file.h"
#include "lists/ui/list_register_page.h"

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace vexa {

namespace {

const char* const kStyl = R"(
QFrame#panaliza { background: #ffffff; border: 1px solid #8a99ab; border-radius: 6px; }
QFrame#panaliza QFrame#ptytul { background: #1f3a5f; border: none; border-radius: 0; }
QFrame#panaliza QFrame#ptytul QLabel { color: white; font-weight: bold; padding: 6px; }
QFrame#panaliza QToolButton#SpeedButton35 { background: transparent; border: none; }
QLabel[wynik="true"] { font-weight: bold; color: #1f3a5f; }
QTableView { gridline-color: #8a8a8a; selection-background-color: #1f3a5f;
  selection-color: white; }
QHeaderView::section { background: #dfe5ec; color: #1f3a5f; font-weight: bold;
  border: 1px solid #b0bccb; padding: 3px; }
)";

QString Kwota(double v) {
    return Kwota00Przecinek(v);
}

} // namespace

void AnalysisModel::ustaw(WynikAnalizy w) {
    beginResetModel();
    m_w = std::move(w);
    endResetModel();
}

QVariant AnalysisModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_w.wiersze.size()) return {};
    const QVariantList& row = m_w.wiersze[index.row()];
    if (role == Qt::BackgroundRole) return TloWiersza(index.row());
    const bool kwota = index.column() >= row.size() - 2;
    if (role == Qt::TextAlignmentRole)
        return index.column() >= row.size() - 3 ? int(Qt::AlignRight | Qt::AlignVCenter)
                                                : int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    const QVariant& v = row.value(index.column());
    return kwota ? Kwota(v.toDouble()) : TekstKomorkiAnalizy(v);
}

QVariant AnalysisModel::headerData(int section, Qt::Orientation o, int role) const {
    if (o == Qt::Horizontal && role == Qt::DisplayRole) return m_w.naglowki.value(section);
    if (o == Qt::Horizontal && role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    return QAbstractTableModel::headerData(section, o, role);
}

AnalysisPage::AnalysisPage(AppContext& ctx, ListRegisterPage& rejestr, QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_rejestr(rejestr) {
    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("panaliza"));
    m_panel->setStyleSheet(QString::fromUtf8(kStyl));
    m_panel->setMaximumSize(1300, 620);

    auto* pasek = new QFrame(m_panel);
    pasek->setObjectName(QStringLiteral("ptytul"));
    auto* tytul = new QLabel(QStringLiteral("ANALIZY LIST NALEŻNOŚCI ZAGRANICZNYCH"), pasek);
    auto* zamknijB = new QToolButton(pasek);
    zamknijB->setObjectName(QStringLiteral("SpeedButton35"));
    zamknijB->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    zamknijB->setToolTip(QStringLiteral("Zamknij"));
    zamknijB->setFocusPolicy(Qt::TabFocus);
    connect(zamknijB, &QToolButton::clicked, this, guarded(this, &AnalysisPage::zamknij));
    auto* pasekRow = new QHBoxLayout(pasek);
    pasekRow->setContentsMargins(0, 0, 0, 0);
    pasekRow->addWidget(tytul, 1);
    pasekRow->addWidget(zamknijB);

    // The register's filter, shown only.
    auto* filtr = new QGridLayout;
    filtr->addWidget(new QLabel(QStringLiteral("<b>FILTR LIST</b>"), m_panel), 0, 0, 1, 2);
    for (int i = 0; i < 6; ++i) {
        auto* p = new QLabel(m_panel);
        auto* w = new QLabel(m_panel);
        w->setObjectName(QStringLiteral("lffiltr%1").arg(i + 1));
        m_podpisyFiltru << p;
        m_wartosciFiltru << w;
        filtr->addWidget(p, i + 1, 0);
        filtr->addWidget(w, i + 1, 1);
    }
    m_zaz = new QLabel(m_panel);
    m_zaz->setObjectName(QStringLiteral("lfzaz"));
    m_zaz->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    filtr->addWidget(m_zaz, 7, 0, 1, 2);

    // The choices.
    auto* wybor = new QGridLayout;
    auto combo = [this](const char* nazwa, const QStringList& pozycje) {
        auto* c = new QComboBox(m_panel);
        c->setObjectName(QString::fromLatin1(nazwa));
        c->addItems(pozycje);
        c->setMinimumWidth(260);
        return c;
    };
    m_kwota = combo("lfkwota", PozycjeKwotAnalizy());
    m_grupa1 = combo("lfgrupa1", PozycjeGrupyAnalizy());
    m_grupa2 = combo("lfgrupa2", PozycjePodgrupyAnalizy());
    wybor->addWidget(new QLabel(QStringLiteral("KWOTA:"), m_panel), 0, 0);
    wybor->addWidget(m_kwota, 0, 1);
    wybor->addWidget(new QLabel(QStringLiteral("GRUPA:"), m_panel), 1, 0);
    wybor->addWidget(m_grupa1, 1, 1);
    wybor->addWidget(new QLabel(QStringLiteral("PODGRUPA:"), m_panel), 2, 0);
    wybor->addWidget(m_grupa2, 2, 1);
    auto snap = [this] {
        const int p = PodgrupaAnalizy(m_grupa1->currentIndex(), m_grupa2->currentIndex());
        if (p != m_grupa2->currentIndex()) m_grupa2->setCurrentIndex(p);
    };
    connect(m_grupa1, &QComboBox::currentIndexChanged, this, guarded(snap));
    connect(m_grupa2, &QComboBox::currentIndexChanged, this, guarded(snap));
    auto* generujB = new QPushButton(QStringLiteral("GENERUJ"), m_panel);
    generujB->setObjectName(QStringLiteral("sbanaliza"));
    generujB->setMinimumHeight(36);
    connect(generujB, &QPushButton::clicked, this, guarded(this, &AnalysisPage::generuj));
    auto* excel = new QPushButton(QStringLiteral("DO EXCELA"), m_panel);
    excel->setObjectName(QStringLiteral("SpeedButton34"));
    excel->setMinimumHeight(36);
    connect(excel, &QPushButton::clicked, this, guarded(this, &AnalysisPage::eksportuj));
    wybor->addWidget(generujB, 3, 1);
    wybor->addWidget(excel, 4, 1);

    // The results.
    auto* wyniki = new QGridLayout;
    auto wynik = [this, wyniki](int r, const QString& podpis, const char* nazwa) {
        auto* l = new QLabel(m_panel);
        l->setObjectName(QString::fromLatin1(nazwa));
        l->setProperty("wynik", true);
        wyniki->addWidget(new QLabel(podpis, m_panel), r, 0);
        wyniki->addWidget(l, r, 1);
        return l;
    };
    m_listy = wynik(0, QStringLiteral("LISTY:"), "lfillist");
    m_wyplaty = wynik(1, QStringLiteral("WYPŁATY:"), "lfilpozycji");
    m_grupy = wynik(2, QStringLiteral("GRUPY:"), "lfgrupy");
    m_suma = wynik(3, QStringLiteral("SUMA:"), "lfsuma");
    m_srednia = wynik(4, QStringLiteral("ŚREDNIA:"), "lfsrednia");

    // The controls keep their height; the grid, once shown, takes the rest.
    auto* goraW = new QWidget(m_panel);
    goraW->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* gora = new QHBoxLayout(goraW);
    gora->setContentsMargins(0, 0, 0, 0);
    gora->addLayout(filtr);
    gora->addSpacing(30);
    gora->addLayout(wybor);
    gora->addSpacing(30);
    gora->addLayout(wyniki);
    gora->addStretch();

    m_model = new AnalysisModel(this);
    m_grid = new QTableView(m_panel);
    m_grid->setTabKeyNavigation(false); // Tab leaves the grid
    m_grid->setObjectName(QStringLiteral("dbganaliza"));
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(22);
    m_grid->horizontalHeader()->setDefaultSectionSize(200);
    m_grid->hide();

    auto* col = new QVBoxLayout(m_panel);
    col->setContentsMargins(0, 0, 0, 8);
    col->addWidget(pasek);
    auto* wnetrze = new QVBoxLayout;
    wnetrze->setContentsMargins(10, 6, 10, 0);
    wnetrze->addWidget(goraW);
    wnetrze->addWidget(m_grid, 1);
    wnetrze->addStretch(0);
    col->addLayout(wnetrze, 1);
}

void AnalysisPage::otworz() {
    if (m_ctx.nav) m_ctx.nav->pokazStrone(QStringLiteral("analiza"));
    m_grid->hide();
    m_wygenerowana = false;
    const QList<LiniaFiltruAnalizy> l = OpisFiltruAnalizy(
        m_rejestr.filtr(), m_rejestr.tytulKolumnyFiltru(), m_rejestr.wartoscFiltru());
    for (int i = 0; i < 6; ++i) {
        m_podpisyFiltru[i]->setText(l.value(i).podpis);
        m_wartosciFiltru[i]->setText(l.value(i).wartosc);
        m_wartosciFiltru[i]->setStyleSheet(l.value(i).szara ? QStringLiteral("color: rgb(128,128,128);")
                                                            : QStringLiteral("color: black;"));
    }
    const int zaznaczonych = LiczbaZaznaczonychList(m_ctx.db);
    m_zaz->setText(TylkoZaznaczoneAnalizy(zaznaczonych, int(m_rejestr.listy().size()))
                       ? QStringLiteral("TYLKO ZAZNACZONE LISTY")
                       : QString());
    for (QLabel* w : {m_listy, m_wyplaty, m_grupy, m_suma, m_srednia})
        w->clear();
    m_kwota->setCurrentIndex(11);
    m_grupa1->setCurrentIndex(0);
    m_grupa2->setCurrentIndex(0);
    m_model->ustaw({});
}

void AnalysisPage::generuj() {
    m_grid->hide();
    m_wygenerowana = false;
    m_model->ustaw({});
    m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA,
                             QStringLiteral("Proszę zaczekać, aż aplikacja wyliczy analizę..."));
    const WynikAnalizy w = Analizuj(
        m_ctx.db, m_rejestr.filtr(),
        {m_kwota->currentIndex(), m_grupa1->currentIndex(), m_grupa2->currentIndex()},
        int(m_rejestr.listy().size()));
    m_listy->setText(QString::number(w.listy));
    m_wyplaty->setText(QString::number(w.wyplaty));
    m_grupy->setText(QString::number(w.wiersze.size()));
    m_suma->setText(Kwota(w.suma) + QStringLiteral(" PLN"));
    m_srednia->setText(Kwota(w.srednia) + QStringLiteral(" PLN"));
    m_model->ustaw(w);
    m_wygenerowana = true;
    m_grid->show();
    m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA,
                             QStringLiteral("Przygotowanie analizy zostało zakończone..."));
}

void AnalysisPage::eksportuj() {
    if (!m_wygenerowana || m_model->rowCount() == 0 || !m_grid->isVisible()) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, BRAK_ANALIZY);
        return;
    }
    const QString plik = m_ctx.files.saveFileName(
        QStringLiteral("Export analizy do pliku Excel"),
        QDir(m_ctx.programFolder).filePath(QStringLiteral("Analizy/analiza.csv")),
        QStringLiteral("Pliki Excel (*.csv);;Skoroszyt Excel (*.xlsx)"), QStringLiteral("csv"),
        PytanieONadpisanie::BezPytania); // the file is created or overwritten
    if (plik.isEmpty()) return;
    m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, QDir::toNativeSeparators(plik));
    if (plik.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
        ZapiszXlsxAnalizy(m_model->wynik(), plik);
    else
        ZapiszPlik(plik, CsvAnalizy(m_model->wynik()));
    m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA,
                             QStringLiteral("Export analizy do pliku Excela został zakończony..."));
}

void AnalysisPage::zamknij() {
    if (m_ctx.nav) m_ctx.nav->pokazStrone(QStringLiteral("pusta"));
}

void AnalysisPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    CentrujPanel(m_panel);
}

} // namespace vexa
