#include "persons/ui/dictionary_panel.h"

#include "ui/action_guard.h"
#include "ui/app_context.h"
#include "ui/navigator.h"
#include "ui/ui_helpers.h"
#include "data/database.h"
#include "data/error.h"
#include "data/messages.h"
#include "persons/ui/dictionary_model.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace vexa {

namespace {

QPushButton* przycisk(const QString& napis, const QString& nazwa, QWidget* parent) {
    auto* b = new QPushButton(napis, parent);
    b->setObjectName(nazwa);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

} // namespace

DictionaryPanel::DictionaryPanel(AppContext& ctx, Slownik slownik, const NazwyPanelu& nazwy,
                                 QWidget* parent)
    : QFrame(parent), m_ctx(ctx), m_slownik(slownik) {
    setObjectName(nazwy.panel);
    setProperty("dictionaryPanel", true);
    const OpisSlownika& opis = opisSlownika(slownik);

    auto* tytul = new QLabel(nazwy.tytul, this);
    tytul->setProperty("panelTitle", true);
    tytul->setAlignment(Qt::AlignCenter);

    // The grid with its buttons.
    auto* lista = new QWidget(this);
    m_model = new DictionaryModel(this);
    m_siatka = new QTableView(lista);
    // Tab leaves the grid for the next control; the arrows move inside it.
    m_siatka->setTabKeyNavigation(false);
    m_siatka->setObjectName(nazwy.siatka);
    m_siatka->setModel(m_model);
    m_siatka->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_siatka->setSelectionMode(QAbstractItemView::SingleSelection);
    m_siatka->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_siatka->verticalHeader()->hide();
    m_siatka->verticalHeader()->setDefaultSectionSize(22);
    m_siatka->horizontalHeader()->setStretchLastSection(true);
    m_siatka->setColumnWidth(0, 130);
    connect(m_siatka, &QTableView::doubleClicked, this, guarded([this] {
                if (m_akcje.first()->isEnabled()) edytuj();
            }));
    auto* dopiszB = przycisk(QStringLiteral("DOPISZ"), nazwy.dopisz, lista);
    auto* edytujB = przycisk(QStringLiteral("EDYTUJ"), nazwy.edytuj, lista);
    auto* usunB = przycisk(QStringLiteral("USUŃ"), nazwy.usun, lista);
    m_akcje = {dopiszB, edytujB, usunB};
    connect(dopiszB, &QPushButton::clicked, this, guarded(this, &DictionaryPanel::dopisz));
    connect(edytujB, &QPushButton::clicked, this, guarded(this, &DictionaryPanel::edytuj));
    connect(usunB, &QPushButton::clicked, this, guarded(this, &DictionaryPanel::usun));
    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(dopiszB);
    przyciski->addWidget(edytujB);
    przyciski->addWidget(usunB);
    auto* listaLayout = new QVBoxLayout(lista);
    listaLayout->setContentsMargins(0, 0, 0, 0);
    listaLayout->addWidget(m_siatka, 1);
    listaLayout->addLayout(przyciski);

    // The edit panel that replaces them while a row is open.
    auto* edycja = new QWidget(this);
    edycja->setObjectName(nazwy.edycja);
    m_skrot = new QLineEdit(edycja);
    m_skrot->setObjectName(opis.poleSkrotu);
    m_nazwa = new QLineEdit(edycja);
    m_nazwa->setObjectName(opis.poleNazwy);
    for (QLineEdit* e : {m_skrot, m_nazwa}) {
        WielkieLitery(e);
        e->installEventFilter(this);
        connect(e, &QLineEdit::returnPressed, this, guarded(this, &DictionaryPanel::zatwierdz));
    }
    auto* zatwierdzB = przycisk(QStringLiteral("ZATWIERDŹ"), nazwy.zatwierdz, edycja);
    auto* anulujB = przycisk(QStringLiteral("ANULUJ"), nazwy.anuluj, edycja);
    connect(zatwierdzB, &QPushButton::clicked, this, guarded(this, &DictionaryPanel::zatwierdz));
    connect(anulujB, &QPushButton::clicked, this, guarded(this, &DictionaryPanel::anuluj));
    auto* pola = new QGridLayout(edycja);
    pola->setContentsMargins(8, 16, 8, 8);
    pola->setVerticalSpacing(10);
    pola->addWidget(new QLabel(QStringLiteral("SKRÓT:"), edycja), 0, 0);
    pola->addWidget(m_skrot, 0, 1, 1, 2);
    pola->addWidget(new QLabel(QStringLiteral("NAZWA:"), edycja), 1, 0);
    pola->addWidget(m_nazwa, 1, 1, 1, 2);
    pola->addWidget(zatwierdzB, 2, 1);
    pola->addWidget(anulujB, 2, 2);
    pola->setRowStretch(3, 1);
    pola->setColumnStretch(1, 1);
    pola->setColumnStretch(2, 1);

    m_stos = new QStackedWidget(this);
    m_stos->addWidget(lista);
    m_stos->addWidget(edycja);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->addWidget(tytul);
    layout->addWidget(m_stos, 1);
}

void DictionaryPanel::wczytaj(int id) {
    m_stos->setCurrentIndex(0);
    try {
        m_model->ustaw(PozycjeSlownika(m_ctx.db, m_slownik));
    } catch (const VexaError& e) {
        m_model->ustaw({});
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, e.message());
    }
    const int row = qMax(0, m_model->wierszId(id));
    if (m_model->rowCount() > 0) m_siatka->selectRow(row);
}

void DictionaryPanel::setAkcjeDostepne(bool on) {
    for (QPushButton* b : m_akcje)
        b->setEnabled(on);
}

const PozycjaSlownika* DictionaryPanel::biezaca() const {
    const QModelIndex i = m_siatka->currentIndex();
    return i.isValid() ? m_model->pozycja(i.row()) : nullptr;
}

void DictionaryPanel::rozpocznij(const PozycjaSlownika& p) {
    m_edytowana = p;
    m_edytuje = true;
    m_ctx.nav->setLocked(true);
    m_skrot->setText(p.skrot);
    m_nazwa->setText(p.nazwa);
    m_stos->setCurrentIndex(1);
    m_skrot->setFocus();
    m_skrot->selectAll(); // typing replaces the short name, as on entering any field
    emit edycjaRozpoczeta();
}

void DictionaryPanel::zakoncz(int id) {
    m_edytuje = false;
    m_ctx.nav->setLocked(false);
    wczytaj(id);
    m_siatka->setFocus();
    emit edycjaZakonczona();
}

void DictionaryPanel::dopisz() {
    if (m_edytuje) return;
    rozpocznij(PozycjaSlownika{});
}

void DictionaryPanel::edytuj() {
    if (m_edytuje) return;
    // Nothing to edit in an empty dictionary.
    if (const PozycjaSlownika* p = biezaca()) rozpocznij(*p);
}

void DictionaryPanel::usun() {
    const PozycjaSlownika* p = biezaca();
    if (m_edytuje || !p) return;
    const PozycjaSlownika kopia = *p;
    const int row = m_siatka->currentIndex().row();
    try {
        if (!UsunPozycje(m_ctx.db, m_ctx.messages, m_slownik, kopia)) return;
    } catch (const VexaError& e) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, e.message());
    }
    // The row that took the deleted one's place becomes current.
    const PozycjaSlownika* next = m_model->pozycja(row + 1);
    const PozycjaSlownika* prev = m_model->pozycja(row - 1);
    wczytaj(next ? next->id : prev ? prev->id : 0);
}

void DictionaryPanel::zatwierdz() {
    if (!m_edytuje) return;
    PozycjaSlownika p = m_edytowana;
    p.skrot = m_skrot->text();
    p.nazwa = m_nazwa->text();
    BladSlownika blad;
    int id = 0;
    id = ZapiszPozycje(m_ctx.db, m_slownik, p, &blad);
    if (id == 0) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, blad.komunikat);
        if (auto* pole = findChild<QLineEdit*>(blad.pole)) pole->setFocus();
        return;
    }
    zakoncz(id);
}

void DictionaryPanel::anuluj() {
    if (!m_edytuje) return;
    zakoncz(m_edytowana.id);
}

bool DictionaryPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        (watched == m_skrot || watched == m_nazwa)) {
        ActionGuard::run([this] { anuluj(); });
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace vexa
