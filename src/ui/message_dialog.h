#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace vexa {

// TFInfo: the one window through which every message and yes/no question is shown.
// Frameless, modal, centred on the screen. A question (kind 1) offers TAK / NIE,
// an information (kind 0) only DALEJ.
//
// Keys: Enter answers TAK (6); Esc answers NIE (7) to a question and DALEJ (6) to an
// information. A window closed any other way gives the same answer as Esc.
class MessageDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPanelWidth = 360;
    static constexpr int kButtonWidth = 88;
    static constexpr int kButtonHeight = 30;
    static constexpr int kLeftButtonX = 84;    // TAK of a question
    static constexpr int kCentreButtonX = 136; // DALEJ of an information
    static constexpr int kRightButtonX = kPanelWidth - kLeftButtonX - kButtonWidth; // NIE

    explicit MessageDialog(QWidget* parent = nullptr);

    // Shows the text modally and returns 6 (TAK / DALEJ) or 7 (NIE). "\r" in the text
    // is a line break, "\r\r" an empty line. Any kind other than 1 is an information.
    int Komunikat(int kind, const QString& text);

public slots:
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void prepare(int kind, const QString& text);
    void centreOnScreen();
    int cancelCode() const;

    QWidget* m_panel = nullptr;
    QLabel* m_heading = nullptr;
    QLabel* m_infoIcon = nullptr;
    QLabel* m_questionIcon = nullptr;
    QLabel* m_text = nullptr;
    QPushButton* m_yes = nullptr;
    QPushButton* m_no = nullptr;
    bool m_question = false;
};

} // namespace vexa
