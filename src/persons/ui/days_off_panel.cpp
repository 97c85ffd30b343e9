#include "persons/ui/days_off_panel.h"

#include "ui/action_guard.h"
#include "ui/app_context.h"
#include "ui/ui_helpers.h"
#include "data/clock.h"
#include "data/error.h"
#include "data/messages.h"
#include "data/validators.h"
#include "persons/ui/days_off_dialog.h"
#include "persons/ui/dictionary_model.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace vexa {

DaysOffModel::DaysOffModel(QObject* parent) : QAbstractTableModel(parent) {}

void DaysOffModel::ustaw(const QList<DzienWolnyWiersz>& wiersze) {
    beginResetModel();
    m_wiersze = wiersze;
    endResetModel();
}

const DzienWolnyWiersz* DaysOffModel::wiersz(int row) const {
    return row >= 0 && row < m_wiersze.size() ? &m_wiersze.at(row) : nullptr;
}

int DaysOffModel::wierszRowid(qint64 rowid) const {
    for (int i = 0; i < m_wiersze.size(); ++i)
        if (m_wiersze.at(i).rowid == rowid) return i;
    return -1;
}

int DaysOffModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_wiersze.size());
}

int DaysOffModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 4;
}

QVariant DaysOffModel::data(const QModelIndex& index, int role) const {
    const DzienWolnyWiersz* w = wiersz(index.row());
    if (!w) return {};
    if (role == Qt::BackgroundRole) return TloWiersza(index.row());
    if (role != Qt::DisplayRole) return {};
    const DzienWolny& d = w->dane;
    switch (index.column()) {
    case 0:
        return d.od.isValid() ? DataKrotka(d.od) : QString();
    case 1:
        return d.do_.isValid() ? DataKrotka(d.do_) : QString();
    case 2:
        return d.typ;
    case 3:
        return d.rozkaz;
    default:
        return {};
    }
}

QVariant DaysOffModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const tytuly[] = {"OD", "DO", "TYP", "ROZKAZ"};
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 4)
        return QString::fromLatin1(tytuly[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

DaysOffPanel::DaysOffPanel(AppContext& ctx, QWidget* parent) : QFrame(parent), m_ctx(ctx) {
    auto* tytul = new QLabel(QStringLiteral("URLOPY I PODRÓŻE SŁUŻBOWE"), this);
    tytul->setProperty("sectionTitle", true);
    m_model = new DaysOffModel(this);
    m_siatka = new QTableView(this);
    m_siatka->setTabKeyNavigation(false); // Tab leaves the grid
    m_siatka->setObjectName(QStringLiteral("RxDBGrid5"));
    m_siatka->setModel(m_model);
    m_siatka->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_siatka->setSelectionMode(QAbstractItemView::SingleSelection);
    m_siatka->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_siatka->verticalHeader()->hide();
    m_siatka->verticalHeader()->setDefaultSectionSize(22);
    m_siatka->horizontalHeader()->setStretchLastSection(true);
    m_siatka->setColumnWidth(0, 82);
    m_siatka->setColumnWidth(1, 82);
    m_siatka->setColumnWidth(2, 40);
    connect(m_siatka, &QTableView::doubleClicked, this, guarded(this, &DaysOffPanel::zmien));

    auto* dopiszB = new QPushButton(QStringLiteral("DOPISZ"), this);
    dopiszB->setObjectName(QStringLiteral("SpeedButton53"));
    auto* zmienB = new QPushButton(QStringLiteral("ZMIEŃ"), this);
    zmienB->setObjectName(QStringLiteral("SpeedButton54"));
    auto* usunB = new QPushButton(QStringLiteral("USUŃ"), this);
    usunB->setObjectName(QStringLiteral("SpeedButton55"));
    for (QPushButton* b : {dopiszB, zmienB, usunB})
        b->setFocusPolicy(Qt::TabFocus);
    connect(dopiszB, &QPushButton::clicked, this, guarded(this, &DaysOffPanel::dopisz));
    connect(zmienB, &QPushButton::clicked, this, guarded(this, &DaysOffPanel::zmien));
    connect(usunB, &QPushButton::clicked, this, guarded(this, &DaysOffPanel::usun));
    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(dopiszB);
    przyciski->addWidget(zmienB);
    przyciski->addWidget(usunB);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tytul);
    layout->addWidget(m_siatka, 1);
    layout->addLayout(przyciski);

    m_dialog = new DaysOffDialog(ctx.messages, this);
}

void DaysOffPanel::wczytaj(const QString& pesel, bool zapisana) {
    m_pesel = pesel;
    m_zapisana = zapisana;
    odswiez(0);
}

bool DaysOffPanel::dostepne() const {
    return m_zapisana && !m_pesel.trimmed().isEmpty();
}

void DaysOffPanel::odswiez(qint64 rowid) {
    QList<DzienWolnyWiersz> wiersze;
    if (dostepne()) {
        try {
            wiersze = DniWolneDoEdycji(m_ctx.db, m_pesel);
        } catch (const VexaError& e) {
            m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, e.message());
        }
    }
    m_model->ustaw(wiersze);
    const int row = qMax(0, m_model->wierszRowid(rowid));
    if (m_model->rowCount() > 0) m_siatka->setCurrentIndex(m_model->index(row, 0));
}

const DzienWolnyWiersz* DaysOffPanel::biezacy() const {
    const QModelIndex i = m_siatka->currentIndex();
    return i.isValid() ? m_model->wiersz(i.row()) : nullptr;
}

void DaysOffPanel::dopisz() {
    if (!m_zapisana) return;
    // The rows are keyed by the PESEL: without one they would belong to every such person.
    if (m_pesel.trimmed().isEmpty()) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA,
                                 QStringLiteral("Osoba nie ma numeru PESEL.\r\rUrlopy i podróże "
                                                "służbowe można dopisać po wpisaniu numeru PESEL "
                                                "i zatwierdzeniu danych osoby."));
        return;
    }
    const QDate dzis = m_ctx.clock.today();
    m_dialog->ustaw(DzienWolny{m_pesel, QStringLiteral("U"), dzis, dzis, QString()});
    if (m_dialog->exec() != QDialog::Accepted) return;
    odswiez(DopiszDzienWolny(m_ctx.db, m_dialog->dzien()));
}

void DaysOffPanel::zmien() {
    const DzienWolnyWiersz* w = biezacy();
    if (!dostepne() || !w) return;
    const qint64 rowid = w->rowid;
    m_dialog->ustaw(w->dane);
    if (m_dialog->exec() != QDialog::Accepted) return;
    try {
        ZmienDzienWolny(m_ctx.db, rowid, m_dialog->dzien());
    } catch (const VexaError& e) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, e.message());
    }
    odswiez(rowid);
}

void DaysOffPanel::usun() {
    const DzienWolnyWiersz* w = biezacy();
    if (!dostepne() || !w) return;
    const qint64 rowid = w->rowid;
    if (m_ctx.messages.Komunikat(KOMUNIKAT_PYTANIE, QStringLiteral("Czy usunąć zapis ?")) != TAK)
        return;
    try {
        UsunDzienWolny(m_ctx.db, rowid);
    } catch (const VexaError& e) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, e.message());
    }
    odswiez(0);
}

} // namespace vexa
