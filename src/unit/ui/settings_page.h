#pragma once

#include <QHash>
#include <QWidget>

class QFrame;
class QLineEdit;

namespace vexa {

struct AppContext;
struct UstawieniaJednostki;

// Page dane "STAŁE DANE APLIKACJI": every unit setting in the centred panel pdane, one control
// per key, named after the key's control. ZATWIERDŹ (SBDZatw, Enter) checks and stores them,
// ANULUJ (SBDAnuluj, Esc, the close icon SpeedButton26) leaves without writing, and ends the
// program on a database whose settings were never confirmed.
class SettingsPage : public QWidget {
    Q_OBJECT
public:
    explicit SettingsPage(AppContext& ctx, QWidget* parent = nullptr);

    // The control of a key's objectName ("ekonto").
    QLineEdit* pole(const QString& kontrolka) const { return m_pola.value(kontrolka); }

public slots:
    // Called by the main window once the page is shown and locked: centre and load.
    void otworz();
    void zatwierdz();
    void anuluj();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void pokaz(const UstawieniaJednostki& u);
    UstawieniaJednostki zebrane() const;
    void podpowiedzBanku();

    AppContext& m_ctx;
    QFrame* m_panel = nullptr;
    QHash<QString, QLineEdit*> m_pola;
};

} // namespace vexa
