#include "persons/ui/person_list_model.h"

#include "ui/ui_helpers.h"
#include "data/codepage.h"
#include "data/validators.h"
#include "persons/person_views.h"
#include "persons/ui/dictionary_model.h"

namespace vexa {

namespace {

struct Kolumna {
    const char* tytul;
    const char* pole;
};

const Kolumna kKolumny[] = {
    {"Z", "zaz"},
    {"A", "akt"},
    {"PODODDZIAŁ", "skrotpododdzialu"},
    {"PESEL", "pesel"},
    {"P", "plec"},
    {"NABYCIE", "datanabycia"},
    {"UTRATA", "datautraty"},
    {"STE", "ste"},
    {"NAZWISKO", "nazwisko"},
    {"IMIĘ", "imie"},
    {"IMIĘ OJCA", "imieojca"},
    {"STANOWISKO", "stanowisko"},
    {"NIS", "nis"},
    {"RACHUNEK", "rachunek1"},
};
constexpr int kIlosc = int(std::size(kKolumny));

// The mark drawn as a box: ticked for a marked person, empty for an unmarked one.
QString znakZaznaczenia(const QString& zaz) {
    if (zaz == QString(ZAZ_ZAZNACZONY)) return QStringLiteral("☑");
    if (zaz == QString(ZAZ_NIEZAZNACZONY)) return QStringLiteral("☐");
    return QString();
}

} // namespace

PersonListModel::PersonListModel(QObject* parent) : QAbstractTableModel(parent) {}

void PersonListModel::ustaw(const QList<Osoba>& osoby) {
    beginResetModel();
    m_osoby = osoby;
    endResetModel();
}

void PersonListModel::ustawSort(const QString& pole) {
    m_sort = pole.toUpper();
    emit headerDataChanged(Qt::Horizontal, 0, kIlosc - 1);
}

void PersonListModel::ustawCzcionke(const QFont& font) {
    m_font = font;
    if (!m_osoby.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, kIlosc - 1), {Qt::FontRole});
}

const Osoba* PersonListModel::osoba(int row) const {
    return row >= 0 && row < m_osoby.size() ? &m_osoby.at(row) : nullptr;
}

QList<int> PersonListModel::identyfikatory() const {
    QList<int> ids;
    ids.reserve(m_osoby.size());
    for (const Osoba& o : m_osoby)
        ids.append(o.id);
    return ids;
}

int PersonListModel::wierszId(int id) const {
    for (int i = 0; i < m_osoby.size(); ++i)
        if (m_osoby.at(i).id == id) return i;
    return -1;
}

int PersonListModel::wierszPesel(const QString& pesel) const {
    for (int i = 0; i < m_osoby.size(); ++i)
        if (m_osoby.at(i).pesel == pesel) return i;
    return -1;
}

int PersonListModel::znajdzPoczatek(const QString& pole, const QString& szukany) const {
    const int column = kolumnaPola(pole);
    for (int i = 0; i < m_osoby.size(); ++i) {
        const Osoba& o = m_osoby.at(i);
        const QString t = column >= 0 ? tekst(o, column) : WartoscPola(o, pole);
        if (t.startsWith(szukany, Qt::CaseInsensitive)) return i;
    }
    return -1;
}

void PersonListModel::przelaczZaznaczenie(int row) {
    if (row < 0 || row >= m_osoby.size()) return;
    QString& zaz = m_osoby[row].zaz;
    zaz = zaz == QString(ZAZ_NIEZAZNACZONY) ? QString(ZAZ_ZAZNACZONY) : QString(ZAZ_NIEZAZNACZONY);
    emit dataChanged(index(row, 0), index(row, 0));
}

QString PersonListModel::pole(int column) {
    return column >= 0 && column < kIlosc ? QString::fromLatin1(kKolumny[column].pole) : QString();
}

int PersonListModel::kolumnaPola(const QString& nazwa) {
    for (int i = 0; i < kIlosc; ++i)
        if (nazwa.compare(QLatin1String(kKolumny[i].pole), Qt::CaseInsensitive) == 0) return i;
    return -1;
}

int PersonListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_osoby.size());
}

int PersonListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kIlosc;
}

QString PersonListModel::tekst(const Osoba& o, int column) const {
    switch (column) {
    case 0:
        return znakZaznaczenia(o.zaz);
    case 5:
        return o.datanabycia.isValid() ? DataKrotka(o.datanabycia) : QString();
    case 6:
        return o.datautraty.isValid() ? DataKrotka(o.datautraty) : QString();
    default:
        return WartoscPola(o, pole(column));
    }
}

QVariant PersonListModel::data(const QModelIndex& index, int role) const {
    const Osoba* o = osoba(index.row());
    if (!o) return {};
    switch (role) {
    case Qt::DisplayRole:
        return tekst(*o, index.column());
    case Qt::BackgroundRole:
        return TloWiersza(index.row());
    case Qt::ForegroundRole:
        return QColor(Qt::black);
    case Qt::FontRole: {
        QFont f = m_font;
        f.setStrikeOut(o->akt == QLatin1String("N"));
        return f;
    }
    case Qt::TextAlignmentRole:
        return index.column() == 0 ? QVariant(Qt::AlignCenter)
                                   : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant PersonListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kIlosc)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole) return QString::fromUtf8(kKolumny[section].tytul);
    if (role == Qt::ForegroundRole)
        return pole(section).toUpper() == m_sort ? QColor(Qt::red) : QColor(92, 92, 92);
    return {};
}

} // namespace vexa
