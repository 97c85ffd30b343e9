#include "persons/ui/days_off_dialog.h"

#include "ui/action_guard.h"
#include "ui/ui_helpers.h"
#include "data/messages.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexa {

namespace {

const char* const kLitery[] = {"U", "W", "P"};

QDateEdit* poleDaty(const QString& nazwa, QWidget* parent) {
    auto* e = new QDateEdit(parent);
    e->setObjectName(nazwa);
    e->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    e->setCalendarPopup(true);
    return e;
}

} // namespace

const QStringList& DaysOffDialog::typy() {
    static const QStringList t{QStringLiteral("U - urlop poza PKW"),
                               QStringLiteral("W - urlop spędzony w PKW"),
                               QStringLiteral("P - podróż służbowa")};
    return t;
}

DaysOffDialog::DaysOffDialog(Messages& messages, QWidget* parent)
    : QDialog(parent), m_messages(messages) {
    setObjectName(QStringLiteral("Tfdni_wolne"));
    setWindowTitle(QStringLiteral("EDYCJA URLOPU LUB PODRÓŻY SŁ."));
    setModal(true);

    m_od = poleDaty(QStringLiteral("edod"), this);
    m_do = poleDaty(QStringLiteral("eddo"), this);
    m_typ = new QComboBox(this);
    m_typ->setObjectName(QStringLiteral("edtyp"));
    m_typ->addItems(typy());
    m_rozkaz = new QLineEdit(this);
    m_rozkaz->setObjectName(QStringLiteral("edrozkaz"));
    m_rozkaz->setMinimumWidth(220);
    WielkieLitery(m_rozkaz);

    auto* pola = new QGridLayout;
    pola->addWidget(new QLabel(QStringLiteral("DATA POCZĄTKOWA:"), this), 0, 0);
    pola->addWidget(m_od, 0, 1, Qt::AlignLeft);
    pola->addWidget(new QLabel(QStringLiteral("DATA KOŃCOWA:"), this), 1, 0);
    pola->addWidget(m_do, 1, 1, Qt::AlignLeft);
    pola->addWidget(new QLabel(QStringLiteral("TYP NIEOBECNOŚCI:"), this), 2, 0);
    pola->addWidget(m_typ, 2, 1);
    pola->addWidget(new QLabel(QStringLiteral("NUMER ROZKAZU:"), this), 3, 0);
    pola->addWidget(m_rozkaz, 3, 1);

    QPushButton* ok = nullptr;
    auto* przyciski =
        PrzyciskiDialogu(this, QStringLiteral("ZATWIERDŹ"), QStringLiteral("ANULUJ"), &ok);
    connect(ok, &QPushButton::clicked, this, guarded(this, &DaysOffDialog::zatwierdz));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pola);
    layout->addSpacing(8);
    layout->addLayout(przyciski);
}

void DaysOffDialog::ustaw(const DzienWolny& d) {
    m_dzien = d;
    m_od->setDate(d.od);
    m_do->setDate(d.do_);
    int item = -1;
    for (int i = 0; i < 3; ++i)
        if (d.typ == QLatin1String(kLitery[i])) item = i;
    m_typ->setCurrentIndex(item);
    m_rozkaz->setText(d.rozkaz);
    m_od->setFocus();
}

DzienWolny DaysOffDialog::dzien() const {
    DzienWolny d = m_dzien;
    d.od = m_od->date();
    d.do_ = m_do->date();
    if (const int i = m_typ->currentIndex(); i >= 0 && i < 3)
        d.typ = QString::fromLatin1(kLitery[i]);
    d.rozkaz = m_rozkaz->text();
    return d;
}

void DaysOffDialog::zatwierdz() {
    if (m_do->date() < m_od->date()) {
        m_messages.Komunikat(KOMUNIKAT_INFORMACJA,
                             QStringLiteral("Data końcowa nie może być wcześniejsza od daty "
                                            "początkowej!"));
        m_do->setFocus();
        return;
    }
    accept();
}

} // namespace vexa
