#include "lists/ui/person_dues_dialog.h"

#include "ui/action_guard.h"
#include "ui/ui_helpers.h"
#include "data/messages.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace vexa {

PersonDuesDialog::PersonDuesDialog(Messages& messages, QWidget* parent)
    : QDialog(parent), m_messages(messages) {
    setObjectName(QStringLiteral("TFDataOsoba"));
    setWindowTitle(QStringLiteral("NALEŻNOŚCI DLA OSOBY"));
    setModal(true);
    m_pesel = new QLineEdit(this);
    m_pesel->setObjectName(QStringLiteral("epesel"));
    m_pesel->setMaxLength(11);
    m_pesel->setValidator(new QRegularExpressionValidator(QRegularExpression("\\d{0,11}"), m_pesel));
    m_nazwisko = new QLineEdit(this);
    m_nazwisko->setObjectName(QStringLiteral("enazwisko"));
    WielkieLitery(m_nazwisko);
    m_okres = new QCheckBox(QStringLiteral("NALEŻNOŚCI Z OKRESU:"), this);
    m_okres->setObjectName(QStringLiteral("cbokres"));
    m_odL = new QLabel(QStringLiteral("OD:"), this);
    m_doL = new QLabel(QStringLiteral("DO:"), this);
    m_od = new QDateEdit(this);
    m_od->setObjectName(QStringLiteral("eod"));
    m_do = new QDateEdit(this);
    m_do->setObjectName(QStringLiteral("edo"));
    for (QDateEdit* e : {m_od, m_do}) {
        e->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        e->setCalendarPopup(true);
    }
    auto* g = new QGridLayout;
    g->addWidget(new QLabel(QStringLiteral("PESEL:"), this), 0, 0);
    g->addWidget(m_pesel, 0, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("NAZWISKO:"), this), 1, 0);
    g->addWidget(m_nazwisko, 1, 1, 1, 3);
    g->addWidget(m_okres, 2, 0, 1, 4);
    g->addWidget(m_odL, 3, 0);
    g->addWidget(m_od, 3, 1);
    g->addWidget(m_doL, 3, 2);
    g->addWidget(m_do, 3, 3);
    auto* col = new QVBoxLayout(this);
    col->addLayout(g);
    QPushButton* ok = nullptr;
    col->addLayout(PrzyciskiDialogu(this, QStringLiteral("ZATWIERDŹ"), QStringLiteral("ANAULUJ"), &ok));
    connect(ok, &QPushButton::clicked, this, guarded(this, &PersonDuesDialog::zatwierdz));
    connect(m_okres, &QCheckBox::toggled, this, guarded(this, &PersonDuesDialog::pokazOkres));
}

void PersonDuesDialog::przygotuj(const QDate& dzis) {
    m_dzis = dzis;
    m_pesel->clear();
    m_nazwisko->clear();
    m_okres->setChecked(false);
    m_od->setDate(QDate(dzis.year(), 1, 1));
    m_do->setDate(QDate(dzis.year(), 12, 31));
    pokazOkres(false);
    m_pesel->setFocus();
}

void PersonDuesDialog::pokazOkres(bool widoczny) {
    for (QWidget* w : {static_cast<QWidget*>(m_odL), static_cast<QWidget*>(m_doL),
                       static_cast<QWidget*>(m_od), static_cast<QWidget*>(m_do)})
        w->setVisible(widoczny);
    if (widoczny) {
        m_od->setDate(QDate(m_dzis.year(), 1, 1));
        m_do->setDate(QDate(m_dzis.year(), 12, 31));
    }
}

void PersonDuesDialog::zatwierdz() {
    if (m_okres->isChecked() && m_do->date() < m_od->date()) {
        m_messages.Komunikat(KOMUNIKAT_INFORMACJA, QStringLiteral("Niewłaściwy zakres dat..."));
        return;
    }
    accept();
}

ZapytanieNaleznosci PersonDuesDialog::zapytanie() const {
    ZapytanieNaleznosci z;
    z.pesel = m_pesel->text().trimmed();
    z.nazwisko = m_nazwisko->text().trimmed();
    z.od = m_okres->isChecked() ? m_od->date() : m_dzis;
    z.do_ = m_okres->isChecked() ? m_do->date() : m_dzis;
    return z;
}

} // namespace vexa
