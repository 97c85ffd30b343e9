#include "persons/ui/person_date_filter_dialog.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexa {

PersonDateFilterDialog::PersonDateFilterDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFFiltrDataOsoba"));
    setWindowTitle(QStringLiteral("FILTR OSOÓB WG DATY"));
    setModal(true);

    auto* etykieta = new QLabel(QStringLiteral("ZAZNACZ OSOBY DOPISANE PO:"), this);
    m_data = new QDateEdit(this);
    m_data->setObjectName(QStringLiteral("edata"));
    m_data->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    m_data->setCalendarPopup(true);
    etykieta->setBuddy(m_data);

    auto* ok = new QPushButton(QStringLiteral("ZATWIERDŹ"), this);
    ok->setObjectName(QStringLiteral("sbzatwierdz"));
    ok->setDefault(true);
    auto* anuluj = new QPushButton(QStringLiteral("ANULUJ"), this);
    anuluj->setObjectName(QStringLiteral("sbanuluj"));
    anuluj->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(anuluj, &QPushButton::clicked, this, &QDialog::reject);

    auto* pole = new QHBoxLayout;
    pole->addWidget(etykieta);
    pole->addWidget(m_data);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(ok);
    przyciski->addWidget(anuluj);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pole);
    layout->addSpacing(8);
    layout->addLayout(przyciski);
}

void PersonDateFilterDialog::przygotuj(const QDate& dzis) {
    m_data->setDate(dzis);
    m_data->setFocus();
}

QDate PersonDateFilterDialog::data() const {
    return m_data->date();
}

} // namespace vexa
