#include "persons/ui/grade_dialog.h"

#include "ui/action_guard.h"
#include "persons/grades.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexa {

GradeDialog::GradeDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Tfste"));
    setWindowTitle(QStringLiteral("WYBÓR STOPNIA ETATOWEGO"));
    setModal(true);

    // Soldiers' ranks on the left, officers, generals and employees on the right.
    auto* lewa = new QVBoxLayout;
    auto* prawa = new QVBoxLayout;
    const QStringList grupy = GrupyStopni();
    for (int g = 0; g < grupy.size(); ++g) {
        auto* ramka = new QGroupBox(grupy.at(g), this);
        auto* przyciski = new QVBoxLayout(ramka);
        przyciski->setSpacing(3);
        for (const StopienEtatowy& s : StopnieEtatowe()) {
            if (s.grupa != grupy.at(g)) continue;
            auto* b = new QPushButton(s.napis, ramka);
            b->setAutoDefault(false);
            b->setProperty("skrot", s.skrot);
            connect(b, &QPushButton::clicked, this, guarded([this, skrot = s.skrot] {
                        m_wybrany = skrot;
                        accept();
                    }));
            przyciski->addWidget(b);
        }
        (g < 2 ? lewa : prawa)->addWidget(ramka);
    }
    lewa->addStretch();
    prawa->addStretch();

    auto* anuluj = new QPushButton(QStringLiteral("ANULUJ"), this);
    anuluj->setObjectName(QStringLiteral("sbsteanuluj"));
    anuluj->setAutoDefault(false);
    connect(anuluj, &QPushButton::clicked, this, guarded(this, &QDialog::reject));

    auto* kolumny = new QHBoxLayout;
    kolumny->addLayout(lewa, 1);
    kolumny->addLayout(prawa, 1);
    auto* dol = new QHBoxLayout;
    dol->addStretch();
    dol->addWidget(anuluj);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kolumny);
    layout->addLayout(dol);
}

void GradeDialog::showEvent(QShowEvent* event) {
    m_wybrany.clear();
    QDialog::showEvent(event);
}

} // namespace vexa
