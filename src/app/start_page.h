#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vexa {

struct AppContext;

// Page mivra: the password gate in the centred panel pmivra and today's name days.
class StartPage : public QWidget {
    Q_OBJECT
public:
    explicit StartPage(AppContext& ctx, QWidget* parent = nullptr);

    // Once the unit settings page exists, a database whose settings were never confirmed
    // opens it after the password instead of the empty page.
    void setSettingsAfterPassword(bool on) { m_settingsAfterPassword = on; }

public slots:
    void zatwierdz();
    void anuluj();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    AppContext& m_ctx;
    QWidget* m_panel = nullptr;
    QLineEdit* m_password = nullptr;
    QLabel* m_nameDays = nullptr;
    bool m_settingsAfterPassword = false;
};

} // namespace vexa
