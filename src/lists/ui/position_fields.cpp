#include "lists/ui/position_fields.h"

#include "ui/action_guard.h"
#include "data/numbers.h"
#include "data/validators.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace vexa {

namespace {

std::optional<int> dzien(const QString& t) {
    bool ok = false;
    const int v = t.trimmed().toInt(&ok);
    if (t.trimmed().isEmpty()) return std::nullopt;
    return ok ? v : 0;
}

QString dataOsoby(const QDate& d) {
    return d.isValid() ? DataKrotka(d) : QString();
}

} // namespace

PolaPozycji::PolaPozycji(Pozycja* p, QWidget* owner) : QObject(owner), m_p(p), m_owner(owner) {}

QLineEdit* PolaPozycji::edit(const QString& name, bool right) {
    auto* e = new QLineEdit(m_owner);
    e->setObjectName(name);
    e->setAlignment(right ? Qt::AlignRight : Qt::AlignLeft);
    e->setFixedWidth(right ? 110 : 60);
    connect(e, &QLineEdit::editingFinished, this, guarded([this, e] { emit opuszczono(e); }));
    return e;
}

QLineEdit* PolaPozycji::dni(const QString& name, std::optional<int> Pozycja::*member) {
    QLineEdit* e = edit(name, false);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression("-?[0-9]{0,3}"), e));
    connect(e, &QLineEdit::textEdited, this, guarded([this, e, member](const QString& t) {
                m_p->*member = dzien(t);
                emit wpisano(e);
            }));
    m_pola.append({e,
                   [this, member] {
                       const auto& v = m_p->*member;
                       return v ? QString::number(*v) : QString();
                   },
                   [this, member](const QString& t) { return dzien(t) == m_p->*member; },
                   [this, member] { return (m_p->*member).value_or(0) == 0; }});
    return e;
}

QLineEdit* PolaPozycji::dni(const QString& name, int Pozycja::*member) {
    QLineEdit* e = edit(name, false);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression("-?[0-9]{0,3}"), e));
    connect(e, &QLineEdit::textEdited, this, guarded([this, e, member](const QString& t) {
                m_p->*member = dzien(t).value_or(0);
                emit wpisano(e);
            }));
    m_pola.append(
        {e, [this, member] { return QString::number(m_p->*member); },
         [this, member](const QString& t) { return dzien(t).value_or(0) == m_p->*member; },
         [this, member] { return m_p->*member == 0; }});
    return e;
}

QLineEdit* PolaPozycji::kwota(const QString& name, double Pozycja::*member,
                              const char16_t* format) {
    QLineEdit* e = edit(name, true);
    static const QRegularExpression number(QStringLiteral("-?[0-9 ]{0,12}([.,][0-9]{0,2})?"));
    e->setValidator(new QRegularExpressionValidator(number, e));
    connect(e, &QLineEdit::textEdited, this, guarded([this, e, member](const QString& t) {
                m_p->*member = ParsujKwote(t); // a text that is not a number counts as 0
                emit wpisano(e);
            }));
    m_pola.append({e, [this, member, format] { return formatujLiczbe(m_p->*member, format, u','); },
                   [this, member](const QString& t) { return ParsujKwote(t) == m_p->*member; },
                   [this, member] { return m_p->*member == 0; }});
    return e;
}

QLineEdit* PolaPozycji::tekst(const QString& name, QString Pozycja::*member) {
    QLineEdit* e = edit(name, false);
    e->setFixedWidth(QWIDGETSIZE_MAX);
    e->setMinimumWidth(200);
    connect(e, &QLineEdit::textEdited, this, guarded([this, e, member](const QString& t) {
                m_p->*member = t;
                emit wpisano(e);
            }));
    m_pola.append({e, [this, member] { return m_p->*member; },
                   [this, member](const QString& t) { return t == m_p->*member; },
                   [] { return false; }});
    return e;
}

QLabel* PolaPozycji::wynik(const QString& name, double Pozycja::*member) {
    auto* l = new QLabel(m_owner);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(110);
    l->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    l->setProperty("wynik", true);
    m_pokaz << [this, l, member] { l->setText(Kwota00Przecinek(m_p->*member)); };
    return l;
}

QLabel* PolaPozycji::dane(const QString& name, std::function<QString(const Pozycja&)> text) {
    auto* l = new QLabel(m_owner);
    l->setObjectName(name);
    l->setProperty("daneOsoby", true);
    m_pokaz << [this, l, text] { l->setText(text(*m_p)); };
    return l;
}

QLabel* PolaPozycji::znak(const QString& name) {
    auto* l = new QLabel(QStringLiteral("!"), m_owner);
    l->setObjectName(name);
    l->setProperty("znak", true);
    l->setFixedWidth(12);
    l->setVisible(false);
    return l;
}

void PolaPozycji::pokaz() {
    QWidget* focus = QApplication::focusWidget();
    for (const Pole& p : m_pola) {
        if (p.edit == focus && p.edit->isModified()) {
            if (!p.rowne(p.edit->text())) p.edit->setText(p.tekst());
            // A zero is selected whole, so the next key replaces it.
            if (p.zero()) p.edit->selectAll();
            continue;
        }
        p.edit->setText(p.tekst());
    }
    for (const auto& f : m_pokaz)
        f();
}

QFrame* PolaPozycji::panelOsoby(QWidget* parent, const QString& suffix, QLabel* znakOkresu,
                                QWidget* waluta2) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("posoba") + suffix);
    panel->setProperty("personPanel", true);
    auto* g = new QGridLayout(panel);
    g->setContentsMargins(8, 4, 8, 4);
    g->setVerticalSpacing(2);
    auto caption = [panel](const char* t) {
        auto* l = new QLabel(QString::fromUtf8(t), panel);
        l->setProperty("podpisOsoby", true);
        return l;
    };
    QLabel* name =
        dane("lpozosoba" + suffix, [](const Pozycja& p) { return p.nazwisko + " " + p.imie; });
    name->setProperty("nazwiskoOsoby", true);
    g->addWidget(name, 0, 0, 1, 6);
    g->addWidget(caption("PESEL:"), 1, 0);
    g->addWidget(dane("lpozpesel" + suffix, [](const Pozycja& p) { return p.pesel; }), 1, 1);
    g->addWidget(caption("STOPIEŃ ETATOWY:"), 1, 2);
    g->addWidget(
        dane("lpozste" + suffix,
             [](const Pozycja& p) { return p.ste + "  (" + Kwota00Przecinek(p.mnoznik) + ")"; }),
        1, 3);
    g->addWidget(caption("PODODDZIAŁ:"), 1, 4);
    g->addWidget(
        dane("lpozpododdzial" + suffix, [](const Pozycja& p) { return p.skrotpododdzial; }), 1, 5);
    g->addWidget(caption("STANOWISKO:"), 2, 0);
    g->addWidget(dane("lpozstanowisko" + suffix, [](const Pozycja& p) { return p.stanowisko; }), 2,
                 1, 1, 3);
    g->addWidget(caption("NIS:"), 2, 4);
    g->addWidget(dane("lpoznis" + suffix, [](const Pozycja& p) { return p.nis; }), 2, 5);
    g->addWidget(caption("OKRES UPRAWNIEŃ:"), 3, 0);
    auto* period = new QHBoxLayout;
    period->addWidget(dane("lpozokres" + suffix, [](const Pozycja& p) {
        return dataOsoby(p.datanabycia) + QStringLiteral(" – ") + dataOsoby(p.datautraty);
    }));
    if (znakOkresu) period->addWidget(znakOkresu);
    period->addStretch();
    g->addLayout(period, 3, 1);
    g->addWidget(caption("RACHUNEK 1:"), 3, 2);
    g->addWidget(dane("lpoznrachunek1" + suffix, [](const Pozycja& p) { return p.nrachunek1; }), 3,
                 3, 1, 3);
    g->addWidget(caption("RACHUNEK 2:"), 4, 2);
    auto* account2 = new QHBoxLayout;
    account2->addWidget(
        dane("lpoznrachunek2" + suffix, [](const Pozycja& p) { return p.nrachunek2; }));
    if (waluta2) account2->addWidget(waluta2);
    account2->addStretch();
    g->addLayout(account2, 4, 3, 1, 3);
    g->setColumnStretch(3, 1);
    return panel;
}

} // namespace vexa
