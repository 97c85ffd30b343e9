#include "persons/ui/person_bulk_change_dialog.h"

#include "ui/action_guard.h"
#include "ui/ui_helpers.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexa {

namespace {

QCheckBox* zastosuj(const QString& nazwa, QWidget* parent) {
    auto* cb = new QCheckBox(QStringLiteral("ZMIEŃ"), parent);
    cb->setObjectName(nazwa);
    return cb;
}

} // namespace

PersonBulkChangeDialog::PersonBulkChangeDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFZmianaOsoba"));
    setWindowTitle(QStringLiteral("GRUPOWA ZMIANA"));
    setModal(true);

    m_datautraty = new QDateEdit(this);
    m_datautraty->setObjectName(QStringLiteral("zdatautraty"));
    m_datautraty->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    m_datautraty->setCalendarPopup(true);
    m_rozkazprzybyl = new QLineEdit(this);
    m_rozkazprzybyl->setObjectName(QStringLiteral("zrozkazprzybyl"));
    m_rozkazubyl = new QLineEdit(this);
    m_rozkazubyl->setObjectName(QStringLiteral("zrozkazubyl"));
    for (QLineEdit* e : {m_rozkazprzybyl, m_rozkazubyl}) {
        WielkieLitery(e);
        e->setMinimumWidth(220);
    }
    m_akt = new QCheckBox(QStringLiteral("OSOBA AKTYWNA"), this);
    m_akt->setObjectName(QStringLiteral("eakt"));
    m_zmienDate = zastosuj(QStringLiteral("cbzdatautraty"), this);
    m_zmienPrzybyl = zastosuj(QStringLiteral("cbzrozkazprzybyl"), this);
    m_zmienUbyl = zastosuj(QStringLiteral("cbzrozkazubyl"), this);
    m_zmienStatus = zastosuj(QStringLiteral("cbzakt"), this);

    auto* pola = new QGridLayout;
    pola->setHorizontalSpacing(12);
    auto wiersz = [&](int r, const char* napis, QWidget* pole, QCheckBox* cb) {
        pola->addWidget(new QLabel(QString::fromUtf8(napis), this), r, 0);
        pola->addWidget(pole, r, 1);
        pola->addWidget(cb, r, 2);
    };
    wiersz(0, "DATA UTRATY UPRAWNIEŃ:", m_datautraty, m_zmienDate);
    wiersz(1, "NR ROZKAZU PRZYBYCIA:", m_rozkazprzybyl, m_zmienPrzybyl);
    wiersz(2, "NR ROZKAZU UBYCIA:", m_rozkazubyl, m_zmienUbyl);
    wiersz(3, "ZMIANA STATUSU OSOBY:", m_akt, m_zmienStatus);

    QPushButton* ok = nullptr;
    auto* przyciski =
        PrzyciskiDialogu(this, QStringLiteral("ZATWIERDŹ"), QStringLiteral("ANAULUJ"), &ok);
    connect(ok, &QPushButton::clicked, this, guarded(this, &QDialog::accept));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pola);
    layout->addSpacing(8);
    layout->addLayout(przyciski);
}

void PersonBulkChangeDialog::przygotuj(const QDate& dzis) {
    m_datautraty->setDate(dzis);
    m_rozkazprzybyl->clear();
    m_rozkazubyl->clear();
    for (QCheckBox* cb : {m_zmienDate, m_zmienPrzybyl, m_zmienUbyl, m_zmienStatus})
        cb->setChecked(false);
    m_akt->setChecked(true);
    m_datautraty->setFocus();
}

ZmianaOsob PersonBulkChangeDialog::zmiana() const {
    ZmianaOsob z;
    if (m_zmienDate->isChecked()) z.datautraty = m_datautraty->date();
    if (m_zmienPrzybyl->isChecked()) z.rozkazprzybyl = m_rozkazprzybyl->text();
    if (m_zmienUbyl->isChecked()) z.rozkazubyl = m_rozkazubyl->text();
    if (m_zmienStatus->isChecked())
        z.akt = m_akt->isChecked() ? QStringLiteral("T") : QStringLiteral("N");
    return z;
}

} // namespace vexa
