#include "lists/ui/date_filter_dialog.h"

#include "ui/action_guard.h"
#include "data/messages.h"
#include "lists/list_editing.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexa {

namespace {

QDateEdit* poleDaty(const char* name, QWidget* parent) {
    auto* d = new QDateEdit(parent);
    d->setObjectName(QString::fromLatin1(name));
    d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    d->setCalendarPopup(true);
    return d;
}

} // namespace

DateFilterDialog::DateFilterDialog(Messages& messages, QWidget* parent)
    : QDialog(parent), m_messages(messages) {
    setObjectName(QStringLiteral("TFFiltrData"));
    setWindowTitle(QStringLiteral("FILTR DATY"));
    setModal(true);
    m_cbNabycie = new QCheckBox(QStringLiteral("DATA NABYCIA UPRAWNIEŃ:"), this);
    m_cbNabycie->setObjectName(QStringLiteral("cbnabycie"));
    m_cbUtrata = new QCheckBox(QStringLiteral("DATA UTRATY UPRAWNIEŃ:"), this);
    m_cbUtrata->setObjectName(QStringLiteral("cbutrata"));
    m_nabycieOd = poleDaty("enabycieod", this);
    m_nabycieDo = poleDaty("enabyciedo", this);
    m_utrataOd = poleDaty("eutrataod", this);
    m_utrataDo = poleDaty("eutratado", this);

    auto* g = new QGridLayout;
    g->addWidget(m_cbNabycie, 0, 0, 1, 4);
    g->addWidget(new QLabel(QStringLiteral("OD:"), this), 1, 0);
    g->addWidget(m_nabycieOd, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("DO:"), this), 1, 2);
    g->addWidget(m_nabycieDo, 1, 3);
    g->addWidget(m_cbUtrata, 2, 0, 1, 4);
    g->addWidget(new QLabel(QStringLiteral("OD:"), this), 3, 0);
    g->addWidget(m_utrataOd, 3, 1);
    g->addWidget(new QLabel(QStringLiteral("DO:"), this), 3, 2);
    g->addWidget(m_utrataDo, 3, 3);

    auto* ok = new QPushButton(QStringLiteral("ZATWIERDŹ"), this);
    ok->setObjectName(QStringLiteral("sbfiltrdatazatwierdz"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("ANULUJ"), this);
    cancel->setObjectName(QStringLiteral("sbfiltrdataanuluj"));
    connect(ok, &QPushButton::clicked, this, guarded(this, &DateFilterDialog::zatwierdz));
    connect(cancel, &QPushButton::clicked, this, guarded(this, &QDialog::reject));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(g);
    layout->addLayout(buttons);
}

void DateFilterDialog::przygotuj(const QDate& today) {
    for (QDateEdit* d : {m_nabycieOd, m_nabycieDo, m_utrataOd, m_utrataDo})
        d->setDate(today);
}

std::optional<ZakresDat> DateFilterDialog::nabycie() const {
    if (!m_cbNabycie->isChecked()) return std::nullopt;
    return ZakresDat{m_nabycieOd->date(), m_nabycieDo->date()};
}

std::optional<ZakresDat> DateFilterDialog::utrata() const {
    if (!m_cbUtrata->isChecked()) return std::nullopt;
    return ZakresDat{m_utrataOd->date(), m_utrataDo->date()};
}

void DateFilterDialog::zatwierdz() {
    if (const auto blad = SprawdzZakresyDat(nabycie(), utrata())) {
        m_messages.Komunikat(KOMUNIKAT_INFORMACJA, blad->komunikat);
        (blad->nabycie ? m_nabycieOd : m_utrataOd)->setFocus();
        return;
    }
    accept();
}

} // namespace vexa
