// The list editor's actions on positions: marks, collection and to-do flags, deletions and
// appending new persons. Each change goes through the repository in one transaction and the
// grid is read again afterwards.

#include "ui/app_context.h"
#include "ui/navigator.h"
#include "data/clock.h"
#include "data/error.h"
#include "data/messages.h"
#include "lists/generation.h"
#include "lists/ui/date_filter_dialog.h"
#include "lists/ui/list_editor_page.h"
#include "lists/ui/bulk_change_dialog.h"
#include "lists/ui/list_header_panel.h"
#include "lists/ui/position_grid_model.h"

#include <QLineEdit>
#include <QTableView>

namespace vexa {

namespace {

SumyListy sumyListy(const Lista& l) {
    SumyListy s;
    s.razem = l.razem;
    s.zaliczka = l.zaliczka;
    s.zaliczkawaluta = l.zaliczkawaluta;
    s.rachunek = l.rachunek;
    s.skladkizus = l.skladkizus;
    s.innezmniejszenia = l.innezmniejszenia;
    s.iloscpozycji = l.iloscpozycji;
    return s;
}

} // namespace

void ListEditorPage::przelaczZaznaczenie() {
    const int id = biezacaPozycja();
    if (!id) return;
    if (wykonaj([&] { ListRepository(m_ctx.db).przelaczZaznaczenie(id); })) odswiezWiersz(id);
}

void ListEditorPage::klikniecie(const QModelIndex& index) {
    const Pozycja* p = m_model->pozycja(index.row());
    if (!p) return;
    const int id = p->id;
    // Errors of these clicks are ignored.
    try {
        ListRepository repo(m_ctx.db);
        if (index.column() == PositionGridModel::KOLUMNA_ZAZ)
            repo.przelaczZaznaczenie(id);
        else if (index.column() == PositionGridModel::KOLUMNA_K)
            repo.przelaczNiepobrane(id);
        else
            return;
        m_model->odswiezWiersz(repo.pozycja(id));
    } catch (const VexaError&) {
    }
}

void ListEditorPage::zaznaczWszystkie() {
    if (wykonaj([&] { ListRepository(m_ctx.db).zaznaczWszystkie(m_lista.id); })) otworzpozycje();
}

void ListEditorPage::odznaczWszystkie() {
    if (wykonaj([&] { ListRepository(m_ctx.db).odznaczWszystkie(m_lista.id); })) otworzpozycje();
}

void ListEditorPage::zaznaczRachunki(const QString& czyWaluta, const QString& caption) {
    if (!wykonaj([&] { ListRepository(m_ctx.db).zaznaczRachunki(m_lista.id, czyWaluta); })) return;
    m_ctx.nav->stan().przelewWaluta = czyWaluta;
    m_przelewWaluta->setText(caption);
    otworzpozycje();
}

void ListEditorPage::zaznaczPln() {
    zaznaczRachunki(QStringLiteral("N"), QStringLiteral("PLN"));
}

void ListEditorPage::zaznaczWal() {
    zaznaczRachunki(QStringLiteral("T"), QStringLiteral("WAL"));
}

void ListEditorPage::zaznaczWgDat() {
    m_dateDialog->przygotuj(m_ctx.clock.today());
    if (m_dateDialog->exec() != QDialog::Accepted) return;
    int n = 0;
    if (!wykonaj([&] {
            n = ListRepository(m_ctx.db).zaznaczWgDat(m_lista.id, m_dateDialog->nabycie(),
                                                      m_dateDialog->utrata());
        }))
        return;
    otworzpozycje();
    m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA,
                             QStringLiteral("Liczba zaznaczonych pozycji: %1").arg(n));
}

void ListEditorPage::doZrobienia() {
    const int id = biezacaPozycja();
    if (!id) return;
    if (wykonaj([&] { ListRepository(m_ctx.db).przelaczDoZrobienia(id); })) odswiezWiersz(id);
    odswiezDoZrobienia();
}

bool ListEditorPage::chroniona(const QString& message) {
    bool locked = false;
    wykonaj([&] { locked = ListaChroniona(m_ctx.db, m_zapisana); });
    if (locked) m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, message);
    return locked;
}

void ListEditorPage::usunPozycje() {
    if (chroniona(QStringLiteral("Lista należności jest zamknięta\r\rUsunięcie pozycji nie jest "
                                 "możliwe.")))
        return;
    const Pozycja* current = m_model->pozycja(m_grid->currentIndex().row());
    if (!current) return;
    const Pozycja p = *current;
    Messages& msg = m_ctx.messages;
    ListRepository repo(m_ctx.db);
    int marked = 0;
    if (!wykonaj([&] { marked = repo.iloscZaznaczonych(m_lista.id); })) return;
    bool done = false;
    if (marked > 0) {
        if (msg.Komunikat(KOMUNIKAT_PYTANIE,
                          QStringLiteral("Czy jesteś pewien, że chcesz usunąć zaznaczone z listy "
                                         "należności?\r\rIlość pozycji: %1")
                              .arg(marked)) == TAK)
            done = wykonaj([&] { repo.usunZaznaczone(m_lista.id); });
    } else if (msg.Komunikat(KOMUNIKAT_PYTANIE,
                             "Czy jesteś pewien, że chcesz usunąć pozycję z listy "
                             "należności?\r\rPozycja: " +
                                 p.nazwisko + " " + p.imie) == TAK) {
        done = wykonaj([&] { repo.usunPozycje(p.id); });
    }
    if (done) wykonaj([&] { ustawSumy(0, sumyListy(repo.lista(m_lista.id))); });
}

void ListEditorPage::usunPuste() {
    if (chroniona(QStringLiteral("Lista należności jest zamknięta\r\rUsunięcie pozycji nie jest "
                                 "możliwe.")))
        return;
    Messages& msg = m_ctx.messages;
    if (msg.Komunikat(KOMUNIKAT_PYTANIE,
                      QStringLiteral("Czy chcesz usunąć zerowe pozycje z listy należności?")) !=
        TAK)
        return;
    ListRepository repo(m_ctx.db);
    if (!wykonaj([&] { repo.usunPuste(m_lista.id); })) return;
    wykonaj([&] { ustawSumy(biezacaPozycja(), sumyListy(repo.lista(m_lista.id))); });
    msg.Komunikat(KOMUNIKAT_INFORMACJA,
                  QStringLiteral("Zerowe pozycje na liście należności zostały usunięte..."));
}

void ListEditorPage::dopisz() {
    if (chroniona(QStringLiteral("Lista należności jest zamknięta!\r\rDopisanie nowych osób nie "
                                 "jest możliwe.")))
        return;
    if (m_ctx.messages.Komunikat(
            KOMUNIKAT_PYTANIE,
            "Aplikacja jeszcze raz przeanalizuje kartotekę osobową i dopisze do listy należności "
            "nowo dodane osoby.\r\rCzy jesteś pewien, że chcesz wykonać tą operację?") != TAK)
        return;
    ListRepository repo(m_ctx.db);
    const int current = biezacaPozycja();
    if (wykonaj([&] { DopiszNoweOsoby(m_ctx.db, m_lista.id); }))
        wykonaj([&] { ustawSumy(current, sumyListy(repo.lista(m_lista.id))); });
}

void ListEditorPage::zmienSkladniki() {
    if (!m_zmiana) {
        m_zmiana = new BulkChangeDialog(m_ctx.messages, this);
        m_zmiana2 = new ShortBulkChangeDialog(m_ctx.messages, this);
    }
    ListRepository repo(m_ctx.db);
    bool changed = false;
    wykonaj([&] { changed = ZmienZaznaczoneZListy(m_ctx, m_lista.id, *m_zmiana, *m_zmiana2); });
    if (changed)
        wykonaj([&] { ustawSumy(biezacaPozycja(), sumyListy(repo.lista(m_lista.id))); });
}

void ListEditorPage::generujPrzelewy() {
    if (m_lista.id == 0 || !m_generujPrzelewy) return;
    // The marks may have changed ("all persons"), also in a run that failed or was cancelled
    // afterwards: the grid shows them as stored and starts again from its first row.
    auto odswiez = [this] {
        otworzpozycje();
        if (m_model->rowCount() > 0) m_grid->setCurrentIndex(m_model->index(0, 1));
    };
    try {
        m_generujPrzelewy(m_lista.id, kolejnosc());
    } catch (...) {
        odswiez();
        throw;
    }
    odswiez();
}

} // namespace vexa
