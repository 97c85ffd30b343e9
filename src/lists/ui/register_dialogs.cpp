#include "lists/ui/register_dialogs.h"

#include "ui/action_guard.h"
#include "lists/list_register.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace vexa {

namespace {

QPushButton* przycisk(const QString& caption, const QString& name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

QLineEdit* rok(const QString& name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(4);
    e->setFixedWidth(70);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,4}"), e));
    return e;
}

} // namespace

YearDialog::YearDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFRok"));
    setWindowTitle(QStringLiteral("WPROWADŹ ZAKRES LAT"));
    setModal(true);
    m_wszystkie = new QRadioButton(QStringLiteral("Wszystkie"), this);
    m_wszystkie->setObjectName(QStringLiteral("rbwszystkie"));
    m_rok = new QRadioButton(QStringLiteral("Wybrany rok"), this);
    m_rok->setObjectName(QStringLiteral("rbwybranyrok"));
    m_zakres = new QRadioButton(QStringLiteral("Zakres lat"), this);
    m_zakres->setObjectName(QStringLiteral("rbzakreslat"));
    m_od = rok(QStringLiteral("eod"), this);
    m_do = rok(QStringLiteral("edo"), this);
    for (QRadioButton* r : {m_wszystkie, m_rok, m_zakres})
        connect(r, &QRadioButton::clicked, this, guarded(this, &YearDialog::wybor));
    auto* ok = przycisk(QStringLiteral("Zatwierdź"), QStringLiteral("sbrokzatwierdz"), this);
    ok->setDefault(true);
    auto* cancel = przycisk(QStringLiteral("Anuluj"), QStringLiteral("sbrokanuluj"), this);
    connect(ok, &QPushButton::clicked, this, guarded(this, &YearDialog::zatwierdz));
    connect(cancel, &QPushButton::clicked, this, guarded(this, &QDialog::reject));

    auto* grid = new QGridLayout;
    grid->addWidget(m_wszystkie, 0, 0);
    grid->addWidget(m_rok, 1, 0);
    grid->addWidget(m_zakres, 2, 0);
    auto* years = new QHBoxLayout;
    years->addWidget(m_od);
    years->addWidget(m_do);
    years->addStretch();
    grid->addLayout(years, 1, 1, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void YearDialog::przygotuj(const QString& tekst, int biezacyRok) {
    m_biezacyRok = biezacyRok;
    m_tekst = tekst;
    if (tekst.size() == 4) {
        m_rok->setChecked(true);
        m_od->setText(tekst);
    } else if (tekst.size() == 9) {
        m_zakres->setChecked(true);
        m_od->setText(tekst.left(4));
        m_do->setText(tekst.mid(5, 4));
    } else {
        m_wszystkie->setChecked(true);
    }
    wybor();
}

void YearDialog::wybor() {
    // An edit without a year of four digits starts from the current year.
    for (QLineEdit* e : {m_od, m_do})
        if (e->text().size() != 4) e->setText(QString::number(m_biezacyRok));
    m_od->setVisible(!m_wszystkie->isChecked());
    m_do->setVisible(m_zakres->isChecked());
}

void YearDialog::zatwierdz() {
    const int choice = m_zakres->isChecked() ? 2 : m_rok->isChecked() ? 1 : 0;
    const std::optional<QString> t = TekstRoku(choice, m_od->text().toInt(), m_do->text().toInt());
    if (!t) return; // a range that ends before it starts: the dialog stays
    m_tekst = *t;
    accept();
}

ContingentDialog::ContingentDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFPkw"));
    setWindowTitle(QStringLiteral("WYBÓR PKW"));
    setModal(true);
    m_lista = new QListWidget(this);
    m_lista->setObjectName(QStringLiteral("lbpkw"));
    auto* ok = przycisk(QStringLiteral("Zatwierdź"), QStringLiteral("sbpkwzatwierdz"), this);
    ok->setDefault(true);
    auto* cancel = przycisk(QStringLiteral("Anuluj"), QStringLiteral("sbpkwanuluj"), this);
    connect(ok, &QPushButton::clicked, this, guarded(this, &ContingentDialog::zatwierdz));
    connect(cancel, &QPushButton::clicked, this, guarded(this, &QDialog::reject));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lista);
    layout->addLayout(buttons);
    resize(260, 320);
}

void ContingentDialog::przygotuj(const QStringList& kody, const QString& tekst,
                                 const QStringList& mpkw) {
    m_kody = kody;
    m_tekst = tekst;
    m_grupa = mpkw;
    m_lista->clear();
    for (const QString& k : kody) {
        auto* item = new QListWidgetItem(k, m_lista);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        const bool on = tekst == WSZYSTKIE || mpkw.contains(k);
        item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
}

void ContingentDialog::zatwierdz() {
    QStringList ticked;
    for (int i = 0; i < m_lista->count(); ++i)
        if (m_lista->item(i)->checkState() == Qt::Checked) ticked << m_lista->item(i)->text();
    m_tekst = TekstPkw(m_kody, ticked, m_grupa);
    accept();
}

} // namespace vexa
