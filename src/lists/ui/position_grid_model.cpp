#include "lists/ui/position_grid_model.h"

#include "data/codepage.h"
#include "data/numbers.h"
#include "data/validators.h"
#include "lists/ui/list_grid.h"

namespace vexa {

namespace {

const char* const kTytuly[] = {"Z",  "PODODDZIAŁ", "NAZWISKO", "IMIĘ",    "PESEL",  "STANOWISKO",
                               "MN", "STE",        "ID",       "PKW",     "RAZEM",  "KASA [PLN]",
                               "K",  "RACHUNEK",   "...",      "NABYCIE", "UTRATA", "RACHUNEK"};
constexpr int kIlosc = int(std::size(kTytuly));

QString dni(const std::optional<int>& d) {
    return d ? QString::number(*d) : QString();
}
QString dataSiatki(const QDate& d) {
    return d.isValid() ? DataKrotka(d) : QString();
}

} // namespace

void PositionGridModel::ustaw(QList<Pozycja> pozycje, const QString& waluta,
                              QSet<QString> powtorzone) {
    beginResetModel();
    m_pozycje = std::move(pozycje);
    m_kasa = QStringLiteral("KASA [") + waluta + u']';
    m_powtorzone = std::move(powtorzone);
    endResetModel();
}

void PositionGridModel::odswiezWiersz(const Pozycja& p) {
    const int row = wierszId(p.id);
    if (row < 0) return;
    m_pozycje[row] = p;
    emit dataChanged(index(row, 0), index(row, kIlosc - 1));
}

const Pozycja* PositionGridModel::pozycja(int row) const {
    return row >= 0 && row < m_pozycje.size() ? &m_pozycje.at(row) : nullptr;
}

int PositionGridModel::wierszId(int id) const {
    for (int i = 0; i < m_pozycje.size(); ++i)
        if (m_pozycje.at(i).id == id) return i;
    return -1;
}

int PositionGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_pozycje.size());
}

int PositionGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kIlosc;
}

QString PositionGridModel::tekst(const Pozycja& p, int column) const {
    switch (column) {
    case 1:
        return p.skrotpododdzial;
    case 2:
        return p.nazwisko;
    case 3:
        return p.imie;
    case 4:
        return p.pesel;
    case 5:
        return p.stanowisko;
    case 6:
        return Kwota00Przecinek(p.mnoznik);
    case 7:
        return p.ste;
    case 8:
        return dni(p.iloscdni);
    case 9:
        return Liczba1(p.zwnaleznpkwproc);
    case 10:
        return Kwota00Przecinek(p.razem);
    case 11:
        return Kwota00Przecinek(p.zaliczkapln);
    case 12:
        return p.niepobranewkasie;
    case 13:
        return Kwota00Przecinek(p.rachunek);
    case 14:
        return Kwota00Przecinek(p.zaliczkawaluta);
    case 15:
        return dataSiatki(p.datanabycia);
    case 16:
        return dataSiatki(p.datautraty);
    case 17:
        return p.nrachunek1;
    default:
        return {};
    }
}

QVariant PositionGridModel::data(const QModelIndex& index, int role) const {
    const Pozycja* p = pozycja(index.row());
    if (!p || index.column() < 0 || index.column() >= kIlosc) return {};
    const int c = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return tekst(*p, c);
    case Qt::CheckStateRole:
        if (c == KOLUMNA_ZAZ)
            return p->zaz == QString(ZAZ_ZAZNACZONY) ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::TextAlignmentRole:
        return (c >= 6 && c <= 14 && c != 7 && c != 12) ? int(Qt::AlignRight | Qt::AlignVCenter)
               : c == 12                                ? int(Qt::AlignCenter)
                                                        : int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return p->wyr == QLatin1String("T") ? KolorBGR(KOLOR_ZOLTY) : TloWiersza(index.row());
    case Qt::ForegroundRole:
        if (!p->pesel.isEmpty() && m_powtorzone.contains(p->pesel)) return KolorBGR(KOLOR_ZIELONY);
        return p->niepobranewkasie == QLatin1String("N") ? KolorBGR(KOLOR_CZERWONY)
                                                         : QColor(Qt::black);
    default:
        return {};
    }
}

QVariant PositionGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < kIlosc)
        return section == KOLUMNA_KASA ? m_kasa : QString::fromUtf8(kTytuly[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

QString PositionGridModel::legenda() {
    return QStringLiteral("LEGENDA:  Z - zaznaczona pozycja   MN - mnożnik   ID - ilość dni   "
                          "PKW - zwiększenie należności d-ca PKW   K - niepobrane w kasie");
}

} // namespace vexa
