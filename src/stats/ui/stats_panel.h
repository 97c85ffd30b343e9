#pragma once
// Pstat: the statistics of the register's lists, shown over the list register by GENERUJ
// PODSUMOWANIE and printed by DRUKUJ PODSUMOWANIE (computing first when the panel is hidden).
// The panel hides whenever the register is entered again, so a printout always follows a
// computation made since.
#include "stats/statistics.h"

#include <QFrame>
#include <QHash>

#include <functional>

class QLabel;

namespace vexa {

struct AppContext;
class ListRegisterPage;

class StatsPanel : public QFrame {
    Q_OBJECT
public:
    StatsPanel(AppContext& ctx, ListRegisterPage& rejestr);
    // Where the printout goes (the preview page).
    void ustawPodglad(std::function<void(Raport)> pokaz) { m_pokaz = std::move(pokaz); }
    QLabel* etykieta(const QString& nazwa) const { return m_etykiety.value(nazwa); }
    const Statystyka& wynik() const { return m_wynik; }

public slots:
    // sbgenstat: computes over the register's lists and shows the panel.
    void generuj();
    // SpeedButton33.
    void drukuj();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ustawMiejsce();

    AppContext& m_ctx;
    ListRegisterPage& m_rejestr;
    QHash<QString, QLabel*> m_etykiety;
    Statystyka m_wynik;
    QString m_waluta;
    std::function<void(Raport)> m_pokaz;
};

} // namespace vexa
