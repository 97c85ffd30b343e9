#include "lists/ui/constants_page.h"

#include "ui/action_guard.h"
#include "ui/app_context.h"
#include "ui/navigator.h"
#include "ui/ui_helpers.h"
#include "data/error.h"
#include "data/messages.h"
#include "data/numbers.h"
#include "lists/constants.h"

#include <QAbstractTableModel>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace vexa {

namespace {

// Colour numbers hold blue, green and red in their three low bytes, red lowest.
const int kNominalZerowy = 14283519; // a denomination of 0: very light

// Amounts are shown with two decimals; percentages with one, or two where the stored
// hundredths need them, so that opening and confirming never changes a value.
QString kwota(double v) {
    return formatujLiczbe(v, u"#0.00", u',');
}
QString procent(double v) {
    return formatujLiczbe(v, u"#0.0#", u',');
}

QLabel* caption(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QLabel* unit(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QStringLiteral("ljednostka"));
    return l;
}

QFrame* group(const QString& title, QWidget* parent, QVBoxLayout** body) {
    auto* box = new QFrame(parent);
    box->setProperty("constantsGroup", true);
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(10, 6, 10, 10);
    auto* t = new QLabel(title, box);
    t->setProperty("groupTitle", true);
    v->addWidget(t);
    *body = v;
    return box;
}

const char* const kStyle = R"(
QFrame#pskladniki { background: #ffffff; border: 1px solid #8a99ab; border-radius: 6px; }
QFrame[constantsGroup="true"] { background: #f4f6f9; border: 1px solid #c9d3df;
  border-radius: 4px; }
QLabel[groupTitle="true"] { color: #1f3a5f; font-weight: bold; }
QLabel#ljednostka { color: #5a6b80; }
QFrame#pmnoznik { background: #e9edf2; border: 1px solid #8a99ab; border-radius: 4px; }
QFrame#ptytulskladniki { background: #1f3a5f; }
QFrame#ptytulskladniki QLabel { color: white; font-weight: bold; }
QFrame#ptytulskladniki QToolButton { background: transparent; border: none; }
)";

} // namespace

// The post grades of the multiplier table: grade and multiplier, rows banded by record number.
class MnoznikiModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void ustaw(QList<MnoznikStopnia> rows) {
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
    }
    const MnoznikStopnia& wiersz(int row) const { return m_rows.at(row); }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(m_rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : 2;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= m_rows.size()) return {};
        const MnoznikStopnia& s = m_rows.at(index.row());
        switch (role) {
        case Qt::DisplayRole:
            return index.column() == 0 ? QVariant(s.skrot) : QVariant(kwota(s.mnoznik));
        case Qt::TextAlignmentRole:
            return index.column() == 1 ? int(Qt::AlignRight | Qt::AlignVCenter)
                                       : int(Qt::AlignLeft | Qt::AlignVCenter);
        case Qt::BackgroundRole: // record numbers count from 1
            return TloWiersza(index.row());
        case Qt::ForegroundRole:
            return QColor(Qt::black);
        default:
            return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        if (o == Qt::Horizontal && role == Qt::DisplayRole)
            return section == 0 ? QStringLiteral("STOPIEŃ ETATOWY") : QStringLiteral("MNOŻNIK");
        return QAbstractTableModel::headerData(section, o, role);
    }

private:
    QList<MnoznikStopnia> m_rows;
};

ConstantsPage::ConstantsPage(AppContext& ctx, QWidget* parent) : QWidget(parent), m_ctx(ctx) {
    setStyleSheet(QString::fromUtf8(kStyle));
    // The page's title bar with its close button.
    auto* titleBar = new QFrame(this);
    titleBar->setObjectName(QStringLiteral("ptytulskladniki"));
    auto* tb = new QHBoxLayout(titleBar);
    tb->setContentsMargins(8, 3, 4, 3);
    tb->addWidget(new QLabel(QStringLiteral("DANE DO NALICZEŃ"), titleBar), 1);
    auto* close = new QToolButton(titleBar);
    close->setObjectName(QStringLiteral("sbskladnikizamknij"));
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setToolTip(QStringLiteral("Zamknij"));
    close->setFocusPolicy(Qt::TabFocus);
    connect(close, &QToolButton::clicked, this, guarded(this, &ConstantsPage::anuluj));
    tb->addWidget(close);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(titleBar);
    page->addStretch();

    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("pskladniki"));
    m_panel->setFixedSize(1130, 470);
    auto* grid = new QGridLayout(m_panel);
    grid->setContentsMargins(16, 14, 16, 14);
    grid->setHorizontalSpacing(14);
    QVBoxLayout* body = nullptr;
    QFrame* rates = group(QStringLiteral("STAWKI"), m_panel, &body);
    buildRates(rates);
    QFrame* money = group(QStringLiteral("WALUTY, PODATEK I NOMINAŁY"), m_panel, &body);
    buildCurrencies(money);
    grid->addWidget(rates, 0, 0);
    grid->addWidget(money, 0, 1);
    grid->addWidget(buildGrades(m_panel), 0, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("ZATWIERDŹ"), m_panel);
    ok->setObjectName(QStringLiteral("sbskladnikizatwierdz"));
    ok->setFocusPolicy(Qt::TabFocus);
    auto* cancel = new QPushButton(QStringLiteral("ANULUJ"), m_panel);
    cancel->setObjectName(QStringLiteral("sbskladnikianuluj"));
    cancel->setFocusPolicy(Qt::TabFocus);
    connect(ok, &QPushButton::clicked, this, guarded(this, &ConstantsPage::zatwierdz));
    connect(cancel, &QPushButton::clicked, this, guarded(this, &ConstantsPage::anuluj));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 1, 0, 1, 3);
}

ConstantsPage::~ConstantsPage() = default;

QLineEdit* ConstantsPage::addEdit(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setAlignment(Qt::AlignRight);
    e->setFixedWidth(110);
    static const QRegularExpression liczba(QStringLiteral("-?[0-9 ]{0,12}([.,][0-9]{0,6})?"));
    e->setValidator(new QRegularExpressionValidator(liczba, e));
    return e;
}

void ConstantsPage::buildRates(QWidget* box) {
    auto* g = new QGridLayout;
    g->setVerticalSpacing(8);
    struct Wiersz {
        const char* name;
        const char* caption;
        const char* unit;
        QLineEdit** edit;
    };
    const Wiersz wiersze[] = {
        {"euposazenie", "NAJNIŻSZE UPOSAŻENIE\nŻOŁNIERZA ZAWODOWEGO:", "PLN", &m_uposazenie},
        {"ezwnalmon", "ZWIĘKSZENIE NALEŻNOŚCI\nZAGRANICZNEJ MON:", "%", &m_zwnalmon},
        {"edodwojenny", "DODATEK WOJENNY I:", "% / dzień", &m_dodwojenny[0]},
        {"edodwojenny2", "DODATEK WOJENNY II:", "% / dzień", &m_dodwojenny[1]},
        {"edodwojenny3", "DODATEK WOJENNY III:", "% / dzień", &m_dodwojenny[2]},
        {"erozm", "ZWIĘKSZENIE NALEŻNOŚCI\n- UDZIAŁ W ROZMINOWYWANIU:", "% / dzień", &m_rozm},
        {"esrhigienym", "EKWIWALENT ZA ŚRODKI\nHIGIENY - MEŻCZYŹNI:", "PLN / m-c", &m_srhigienym},
        {"esrhigienyk", "EKWIWALENT ZA ŚRODKI\nHIGIENY - KOBIETY:", "PLN / m-c", &m_srhigienyk},
    };
    int row = 0;
    for (const Wiersz& w : wiersze) {
        *w.edit = addEdit(box, w.name);
        g->addWidget(caption(QString::fromUtf8(w.caption), box), row, 0);
        g->addWidget(*w.edit, row, 1);
        g->addWidget(unit(QString::fromUtf8(w.unit), box), row, 2);
        ++row;
    }
    auto* body = static_cast<QVBoxLayout*>(box->layout());
    body->addLayout(g);
    body->addStretch();
}

void ConstantsPage::buildCurrencies(QWidget* box) {
    auto* g = new QGridLayout;
    g->setVerticalSpacing(8);
    m_waluta = new QLineEdit(box);
    m_waluta->setObjectName(QStringLiteral("ewaluta"));
    m_walutarach = new QLineEdit(box);
    m_walutarach->setObjectName(QStringLiteral("ewalutarach"));
    for (QLineEdit* e : {m_waluta, m_walutarach}) {
        e->setMaxLength(10);
        e->setFixedWidth(80);
        WielkieLitery(e);
    }
    m_podatekproc = addEdit(box, "epodatekproc");
    g->addWidget(caption(QStringLiteral("WALUTA W KASIE:"), box), 0, 0);
    g->addWidget(m_waluta, 0, 1, Qt::AlignLeft);
    g->addWidget(caption(QStringLiteral("WALUTA DLA WYPŁATY NA\nRACHUNKI BANKOWE W KRAJU:"), box),
                 1, 0);
    g->addWidget(m_walutarach, 1, 1, Qt::AlignLeft);
    g->addWidget(caption(QStringLiteral("WYSOKOŚĆ PODATKU:"), box), 2, 0);
    g->addWidget(m_podatekproc, 2, 1);
    g->addWidget(unit(QStringLiteral("%"), box), 2, 2);
    auto* nominaly = new QLabel(QStringLiteral("NOMINAŁY:"), box);
    g->addWidget(nominaly, 3, 0, 1, 3);
    auto* n = new QGridLayout;
    n->setVerticalSpacing(6);
    for (int i = 0; i < 12; ++i) {
        QLineEdit* e = addEdit(box, QStringLiteral("n%1").arg(i + 1).toLatin1().constData());
        e->setFixedWidth(100);
        connect(e, &QLineEdit::textChanged, this, guarded([this, e] { colourDenomination(e); }));
        m_nominaly << e;
        n->addWidget(e, i / 2, i % 2);
    }
    auto* body = static_cast<QVBoxLayout*>(box->layout());
    body->addLayout(g);
    body->addLayout(n);
    body->addStretch();
}

QWidget* ConstantsPage::buildGrades(QWidget* parent) {
    QVBoxLayout* body = nullptr;
    QFrame* box = group(QStringLiteral("TABELA NALEŻNOŚCI"), parent, &body);
    box->setFixedWidth(300);
    m_model = new MnoznikiModel(this);
    m_grid = new QTableView(box);
    m_grid->setTabKeyNavigation(false); // Tab leaves the grid
    m_grid->setObjectName(QStringLiteral("RxDBGrid3"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    connect(m_grid, &QTableView::doubleClicked, this,
            guarded([this](const QModelIndex& i) { edytujMnoznik(i.row()); }));
    body->addWidget(m_grid, 1);

    m_pmnoznik = new QFrame(box);
    m_pmnoznik->setObjectName(QStringLiteral("pmnoznik"));
    auto* row = new QHBoxLayout(m_pmnoznik);
    row->setContentsMargins(8, 6, 8, 6);
    row->addWidget(new QLabel(QStringLiteral("MNOŻNIK:"), m_pmnoznik));
    m_emnoznik = addEdit(m_pmnoznik, "emnoznik");
    m_emnoznik->setFixedWidth(80);
    row->addWidget(m_emnoznik);
    auto* save = new QPushButton(QStringLiteral("ZAPISZ"), m_pmnoznik);
    save->setObjectName(QStringLiteral("SpeedButton13"));
    save->setFocusPolicy(Qt::TabFocus);
    connect(save, &QPushButton::clicked, this, guarded(this, &ConstantsPage::zapiszMnoznik));
    row->addWidget(save);
    row->addStretch();
    m_pmnoznik->hide();
    body->addWidget(m_pmnoznik);
    return box;
}

void ConstantsPage::otworz() {
    if (m_ctx.nav->locked()) return;
    DaneDoNaliczen d;
    d = WczytajDaneDoNaliczen(m_ctx.db);
    m_model->ustaw(MnoznikiStopni(m_ctx.db));
    m_ctx.nav->pokazStrone(QStringLiteral("skladniki"));
    m_ctx.nav->setLocked(true);
    CentrujPanel(m_panel);
    fill(d);
    m_pmnoznik->hide();
    m_editedRow = -1;
    m_uposazenie->setFocus();
}

void ConstantsPage::fill(const DaneDoNaliczen& d) {
    m_uposazenie->setText(kwota(d.uposazenie));
    m_zwnalmon->setText(procent(d.zwnalmon));
    m_dodwojenny[0]->setText(procent(d.dodwojenny));
    m_dodwojenny[1]->setText(procent(d.dodwojenny2));
    m_dodwojenny[2]->setText(procent(d.dodwojenny3));
    m_rozm->setText(procent(d.rozm));
    m_srhigienym->setText(kwota(d.srhigienym));
    m_srhigienyk->setText(kwota(d.srhigienyk));
    m_waluta->setText(d.walutazaliczki);
    m_walutarach->setText(d.walutarachunek);
    m_podatekproc->setText(procent(d.podatekproc));
    for (int i = 0; i < 12; ++i)
        m_nominaly[i]->setText(kwota(d.nominaly[i]));
}

bool ConstantsPage::readNumbers(DaneDoNaliczen& d) {
    struct Pole {
        QLineEdit* edit;
        double* value;
    };
    QList<Pole> pola{{m_uposazenie, &d.uposazenie},     {m_zwnalmon, &d.zwnalmon},
                     {m_dodwojenny[0], &d.dodwojenny},  {m_dodwojenny[1], &d.dodwojenny2},
                     {m_dodwojenny[2], &d.dodwojenny3}, {m_rozm, &d.rozm},
                     {m_srhigienym, &d.srhigienym},     {m_srhigienyk, &d.srhigienyk},
                     {m_podatekproc, &d.podatekproc}};
    for (int i = 0; i < 12; ++i)
        pola.append({m_nominaly[i], &d.nominaly[i]});
    for (const Pole& p : pola) {
        bool ok = false;
        *p.value = ParsujKwote(p.edit->text(), &ok);
        if (!ok) {
            m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, QString::fromUtf8(kNiepoprawnaLiczba));
            p.edit->setFocus();
            p.edit->selectAll();
            return false;
        }
    }
    return true;
}

void ConstantsPage::zatwierdz() {
    if (m_ctx.nav->aktywnaStrona() != QLatin1String("skladniki")) return;
    // A multiplier still in its editor is saved first.
    if (!m_pmnoznik->isHidden() && !zapiszMnoznik()) return;
    DaneDoNaliczen d;
    d.walutazaliczki = m_waluta->text();
    d.walutarachunek = m_walutarach->text();
    const QString powod = SprawdzDaneDoNaliczen(d);
    if (!powod.isEmpty()) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, powod);
        m_waluta->setFocus();
        return;
    }
    if (!readNumbers(d)) return;
    QString blad;
    if (!ZapiszDaneDoNaliczen(m_ctx.db, d, &blad)) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, blad);
        m_waluta->setFocus();
        return;
    }
    m_walutarach->setText(d.walutarachunek);
    leave();
}

void ConstantsPage::anuluj() {
    if (m_ctx.nav->aktywnaStrona() != QLatin1String("skladniki")) return;
    leave();
}

void ConstantsPage::leave() {
    m_pmnoznik->hide();
    m_editedRow = -1;
    m_ctx.nav->setLocked(false);
    m_ctx.nav->pokazStrone(QStringLiteral("pusta"));
}

void ConstantsPage::edytujMnoznik(int row) {
    if (row < 0 || row >= m_model->rowCount()) return;
    m_editedRow = row;
    m_grid->selectRow(row);
    m_emnoznik->setText(formatujLiczbe(m_model->wiersz(row).mnoznik, u"0.00", u','));
    m_pmnoznik->show();
    m_emnoznik->setFocus();
    m_emnoznik->selectAll();
}

bool ConstantsPage::zapiszMnoznik() {
    if (m_editedRow < 0 || m_editedRow >= m_model->rowCount()) return true;
    bool ok = false;
    const double mnoznik = ParsujKwote(m_emnoznik->text(), &ok);
    if (!ok) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, QString::fromUtf8(kNiepoprawnaLiczba));
        m_emnoznik->setFocus();
        return false;
    }
    const int row = m_editedRow;
    try {
        ZapiszMnoznik(m_ctx.db, m_model->wiersz(row).id, mnoznik);
        m_model->ustaw(MnoznikiStopni(m_ctx.db));
    } catch (const VexaError& e) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, e.message());
        return false;
    }
    m_pmnoznik->hide();
    m_editedRow = -1;
    m_grid->selectRow(row);
    m_grid->setFocus();
    return true;
}

void ConstantsPage::colourDenomination(QLineEdit* edit) {
    bool ok = false;
    const double v = ParsujKwote(edit->text(), &ok);
    QPalette pal = edit->palette();
    pal.setColor(QPalette::Text, ok && v == 0 ? KolorBGR(kNominalZerowy) : QColor(Qt::black));
    edit->setPalette(pal);
}

void ConstantsPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    CentrujPanel(m_panel);
}

void ConstantsPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    CentrujPanel(m_panel);
}

} // namespace vexa
