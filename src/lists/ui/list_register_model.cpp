#include "lists/ui/list_register_model.h"

#include "data/codepage.h"
#include "data/numbers.h"
#include "data/validators.h"
#include "lists/ui/list_grid.h"

namespace vexa {

namespace {

struct KolumnaSiatki {
    const char* title;
    const char* field;
    bool amount;
};

const KolumnaSiatki kKolumny[] = {
    {"Z", "zaz", false},
    {"S", "status", false},
    {"T", "typ", false},
    {"R", "rodzaj", false},
    {"NR", "nr", false},
    {"PKW", "skrotpkw", false},
    {"PODODDZIAŁ", "skrotpododdzial", false},
    {"Z/P", "zp", false},
    {"DATA", "datawykonania", false},
    {"MIESIĄC", "miesiacrok", false},
    {"IP", "iloscpozycji", false},
    {"RAZEM", "razem", true},
    {"KASA [zł]", "zaliczka", true},
    {"RACHUNEK", "rachunek", true},
    {"KASA [WZ]", "zaliczkawaluta", true},
};
constexpr int kIlosc = int(std::size(kKolumny));

QVariant stored(const Lista& l, const QString& field) {
    for (const auto& c : Lista::kolumny())
        if (c.name == field) return c.get(l);
    return {};
}

} // namespace

void ListRegisterModel::ustaw(QList<Lista> listy) {
    beginResetModel();
    m_listy = std::move(listy);
    endResetModel();
}

void ListRegisterModel::ustawSort(const QString& field) {
    m_sort = field.toUpper();
    emit headerDataChanged(Qt::Horizontal, 0, kIlosc - 1);
}

void ListRegisterModel::odswiezWiersz(const Lista& l) {
    const int row = wierszId(l.id);
    if (row < 0) return;
    m_listy[row] = l;
    emit dataChanged(index(row, 0), index(row, kIlosc - 1));
}

const Lista* ListRegisterModel::lista(int row) const {
    return row >= 0 && row < m_listy.size() ? &m_listy.at(row) : nullptr;
}

int ListRegisterModel::wierszId(int id) const {
    for (int i = 0; i < m_listy.size(); ++i)
        if (m_listy.at(i).id == id) return i;
    return -1;
}

QString ListRegisterModel::pole(int column) {
    return column >= 0 && column < kIlosc ? QString::fromLatin1(kKolumny[column].field) : QString();
}

int ListRegisterModel::kolumnaPola(const QString& field) {
    for (int i = 0; i < kIlosc; ++i)
        if (field.compare(QLatin1String(kKolumny[i].field), Qt::CaseInsensitive) == 0) return i;
    return -1;
}

QVariant ListRegisterModel::wartosc(int row, const QString& field) const {
    const Lista* l = lista(row);
    return l ? stored(*l, field.toLower()) : QVariant();
}

QString ListRegisterModel::tekst(int row, const QString& field) const {
    const int column = kolumnaPola(field);
    if (column >= 0) return data(index(row, column)).toString();
    const QVariant v = wartosc(row, field);
    return v.isNull() ? QString() : v.toString();
}

int ListRegisterModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_listy.size());
}

int ListRegisterModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kIlosc;
}

QVariant ListRegisterModel::data(const QModelIndex& index, int role) const {
    const Lista* l = lista(index.row());
    if (!l || index.column() < 0 || index.column() >= kIlosc) return {};
    const KolumnaSiatki& c = kKolumny[index.column()];
    const QString field = QString::fromLatin1(c.field);
    switch (role) {
    case Qt::DisplayRole:
        if (field == QLatin1String("zaz")) return QString();
        if (field == QLatin1String("datawykonania"))
            return l->datawykonania.isValid() ? DataKrotka(l->datawykonania) : QString();
        if (field == QLatin1String("iloscpozycji")) return QString::number(l->iloscpozycji);
        if (c.amount) return Kwota00Przecinek(stored(*l, field).toDouble());
        return stored(*l, field).toString();
    case Qt::CheckStateRole:
        if (field == QLatin1String("zaz"))
            return l->zaz == QString(ZAZ_ZAZNACZONY) ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::TextAlignmentRole:
        return c.amount || field == QLatin1String("iloscpozycji")
                   ? int(Qt::AlignRight | Qt::AlignVCenter)
                   : int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return TloWiersza(index.row());
    case Qt::ForegroundRole:
        return QColor(Qt::black);
    default:
        return {};
    }
}

QVariant ListRegisterModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kIlosc)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole) return QString::fromUtf8(kKolumny[section].title);
    if (role == Qt::ForegroundRole)
        return KolorBGR(QString::fromLatin1(kKolumny[section].field).toUpper() == m_sort
                            ? KOLOR_CZERWONY
                            : KOLOR_TYTULU);
    return {};
}

QString ListRegisterModel::legenda() {
    return QStringLiteral(
        "LEGENDA:  S - (Z - lista zamknięta, O - lista otwarta)    T - (P - lista pełna, D - "
        "lista dodatkowa)    Z/P - (Z - lista żołnierzy, P - lista cywili)    IP - Ilość "
        "pozycji    R - rodzaj listy dodatkowej");
}

} // namespace vexa
