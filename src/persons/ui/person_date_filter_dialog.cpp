#include "persons/ui/person_date_filter_dialog.h"

#include "ui/action_guard.h"
#include "ui/ui_helpers.h"
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

    QPushButton* ok = nullptr;
    auto* przyciski =
        PrzyciskiDialogu(this, QStringLiteral("ZATWIERDŹ"), QStringLiteral("ANULUJ"), &ok);
    connect(ok, &QPushButton::clicked, this, guarded(this, &QDialog::accept));

    auto* pole = new QHBoxLayout;
    pole->addWidget(etykieta);
    pole->addWidget(m_data);
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
