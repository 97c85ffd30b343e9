#pragma once

#include "ui/app_context.h"
#include "ui/navigator.h"
#include "ui/page_registry.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

class QLabel;
class QStackedWidget;
class QTimer;
class QToolButton;

namespace vexa {

class ListKindsDialog;

// The one main window, TFvexa_f: top strip with the unit name and clock, the button bar,
// the notebook STR of named pages and a footer. It owns the navigation lock, the shared
// window state and the keyboard table, and nothing else: every page is its own class.
class MainWindow : public QMainWindow, public Navigator, public RejestrStron {
    Q_OBJECT
public:
    // The names of the notebook's pages, in their order.
    static const QStringList& nazwyStron();

    explicit MainWindow(AppContext& ctx, QWidget* parent = nullptr);
    ~MainWindow() override;

    // RejestrStron: puts a page's widget into the notebook in place of its placeholder.
    void ustawStrone(const QString& name, QWidget* page) override;
    QWidget* strona(const QString& name) const override;
    // Shows a page and runs its opening work (its otworz() slot) when it has one.
    void otworzStrone(const QString& name);

    // Navigator
    void pokazStrone(const QString& page) override;
    QString aktywnaStrona() const override;
    bool locked() const override { return m_locked; }
    void setLocked(bool locked) override { m_locked = locked; }
    StanOkna& stan() override { return m_stan; }
    void odswiezNazweJednostki() override;
    void otworzUstawienia() override;
    void zakonczProgram() override;

    // The action of one key on one page (the keyboard table); false when the table has none.
    bool obsluzKlawisz(const QString& page, int key);
    // The rows of the keyboard table for a page: each key and the button or method it uses.
    static QList<QPair<int, QString>> klawiszeStrony(const QString& page);
    // "Enter", "Esc", "Spacja", "PgUp", "PgDn".
    static QString nazwaKlawisza(int key);
    // The footer of a page: its keys from the keyboard table and the bar's Alt letters.
    QString tekstStopki(const QString& page) const;
    ListKindsDialog* listKindsDialog() const { return m_kinds; }
    QToolButton* button(const QString& objectName) const;

signals:
    void terminated();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildTopStrip(QWidget* parent);
    void buildButtonBar(QWidget* parent);
    QToolButton* addBarButton(QWidget* bar, const QString& name, const QString& caption,
                              bool honoursLock, std::function<void()> action);
    void tick();
    bool askAndBackUp();
    void updateTitle();

    AppContext& m_ctx;
    StanOkna m_stan;
    bool m_locked = true;
    bool m_terminating = false;
    QStackedWidget* m_str = nullptr;
    QHash<QString, QWidget*> m_pages;
    QLabel* m_version = nullptr;
    QLabel* m_stopka = nullptr;
    QLabel* m_unitName = nullptr;
    QLabel* m_time = nullptr;
    QLabel* m_date = nullptr;
    QTimer* m_timer = nullptr;
    ListKindsDialog* m_kinds = nullptr;
};

} // namespace vexa
