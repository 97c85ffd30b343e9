#include "persons/ui/tax_office_dialog.h"

#include "ui/action_guard.h"
#include "ui/ui_helpers.h"
#include "data/messages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexa {

TaxOfficeDialog::TaxOfficeDialog(Messages& messages, QWidget* parent)
    : QDialog(parent), m_messages(messages) {
    setObjectName(QStringLiteral("Tfurzad_sk"));
    setWindowTitle(QStringLiteral("WPROWADŹ DANE URZĘDU SKARBOWEGO"));
    setModal(true);

    auto pole = [this](const char* nazwa, int maks) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(nazwa));
        if (maks > 0) e->setMaxLength(maks);
        WielkieLitery(e);
        return e;
    };
    m_nazwa = pole("eurzad_nazwa", 0);
    m_ulica = pole("eurzad_ulica", 0);
    m_kod = pole("eurzad_kod", 0);
    m_kodIs = pole("eurzad_kod_is", 4);
    m_nazwa->setMinimumWidth(360);
    m_kodIs->setFixedWidth(70);

    auto* pola = new QGridLayout;
    const struct {
        const char* napis;
        QLineEdit* e;
    } wiersze[] = {{"NAZWA:", m_nazwa},
                   {"ULICA:", m_ulica},
                   {"KOD, MIEJSCOWOŚĆ:", m_kod},
                   {"KOD IS:", m_kodIs}};
    int r = 0;
    for (const auto& w : wiersze) {
        pola->addWidget(new QLabel(QString::fromUtf8(w.napis), this), r, 0);
        pola->addWidget(w.e, r++, 1, w.e == m_kodIs ? Qt::AlignLeft : Qt::Alignment());
    }

    QPushButton* ok = nullptr;
    auto* przyciski =
        PrzyciskiDialogu(this, QStringLiteral("Zatwierdź"), QStringLiteral("Anuluj"), &ok);
    connect(ok, &QPushButton::clicked, this, guarded(this, &TaxOfficeDialog::zatwierdz));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pola);
    layout->addSpacing(8);
    layout->addLayout(przyciski);
}

void TaxOfficeDialog::przygotuj() {
    for (QLineEdit* e : {m_nazwa, m_ulica, m_kod, m_kodIs})
        e->clear();
    m_nazwa->setFocus();
}

UrzadSkarbowy TaxOfficeDialog::urzad() const {
    return {m_nazwa->text().trimmed(), m_ulica->text().trimmed(), m_kod->text().trimmed(),
            m_kodIs->text().trimmed()};
}

void TaxOfficeDialog::zatwierdz() {
    // An office without a name could never be chosen from the list.
    if (m_nazwa->text().trimmed().isEmpty()) {
        m_messages.Komunikat(KOMUNIKAT_INFORMACJA,
                             QStringLiteral("Proszę wpisać nazwę urzędu skarbowego!"));
        m_nazwa->setFocus();
        return;
    }
    accept();
}

} // namespace vexa
