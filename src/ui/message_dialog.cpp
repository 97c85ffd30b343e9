#include "ui/message_dialog.h"

#include "ui/action_guard.h"
#include "data/messages.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace vexa {

namespace {

constexpr int kIconSize = 32;
constexpr int kButtonRowHeight = 48;
constexpr int kButtonTop = 8;
constexpr int kBodyMargin = 16;
constexpr int kBodySpacing = 12;
// LTr's width: the panel less the margins and the icon beside the text.
constexpr int kTextWidth = MessageDialog::kPanelWidth - 2 * kBodyMargin - kIconSize - kBodySpacing;

const QString kFontFamily = QStringLiteral("DejaVu Sans");

// The band behind the heading: blue for an information, amber for a question.
QString headingStyle(bool question) {
    return QStringLiteral("QLabel#LTyt { background: %1; color: white; padding: 6px 12px; }")
        .arg(question ? QStringLiteral("#9a5b13") : QStringLiteral("#2c5a87"));
}

QLabel* iconLabel(QWidget* parent, const QString& name, QStyle::StandardPixmap pixmap) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFixedSize(kIconSize, kIconSize);
    label->setPixmap(parent->style()->standardIcon(pixmap).pixmap(kIconSize, kIconSize));
    return label;
}

QPushButton* button(QWidget* parent, const QString& name) {
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    // The answer comes from the keys of the whole window, never from a focused button:
    // Enter is TAK even after a click elsewhere.
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
    b->setFixedSize(MessageDialog::kButtonWidth, MessageDialog::kButtonHeight);
    return b;
}

// The messages mark a line break with "\r"; a stray "\r\n" counts as one break.
QString withLineBreaks(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

MessageDialog::MessageDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("TFInfo"));
    setModal(true);
    setFocusPolicy(Qt::StrongFocus);
    setFont(QFont(kFontFamily, 10));

    // A one-pixel dark edge around the panel stands in for the missing window frame.
    setAutoFillBackground(true);
    QPalette edge = palette();
    edge.setColor(QPalette::Window, QColor(0x3c, 0x46, 0x50));
    setPalette(edge);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(1, 1, 1, 1);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    auto* panel = new QFrame(this);
    m_panel = panel;
    panel->setObjectName(QStringLiteral("PTlo"));
    panel->setFixedWidth(kPanelWidth);
    panel->setAutoFillBackground(true);
    QPalette face = panel->palette();
    face.setColor(QPalette::Window, QColor(0xf6, 0xf7, 0xf9));
    face.setColor(QPalette::WindowText, QColor(0x1e, 0x23, 0x28));
    panel->setPalette(face);
    outer->addWidget(panel);

    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    m_heading = new QLabel(panel);
    m_heading->setObjectName(QStringLiteral("LTyt"));
    QFont headingFont(kFontFamily, 11);
    headingFont.setBold(true);
    headingFont.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    m_heading->setFont(headingFont);
    m_heading->setAlignment(Qt::AlignCenter);
    column->addWidget(m_heading);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(kBodyMargin, kBodyMargin, kBodyMargin, kBodyMargin);
    body->setSpacing(kBodySpacing);
    m_infoIcon = iconLabel(panel, QStringLiteral("IInfo"), QStyle::SP_MessageBoxInformation);
    m_questionIcon = iconLabel(panel, QStringLiteral("IPyt"), QStyle::SP_MessageBoxQuestion);
    body->addWidget(m_infoIcon, 0, Qt::AlignVCenter);
    body->addWidget(m_questionIcon, 0, Qt::AlignVCenter);
    m_text = new QLabel(panel);
    m_text->setObjectName(QStringLiteral("LTr"));
    m_text->setTextFormat(Qt::PlainText); // a name with "<" stays a name
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setWordWrap(true);
    m_text->setFixedWidth(kTextWidth);
    m_text->setFont(QFont(kFontFamily, 10));
    body->addWidget(m_text, 1);
    column->addLayout(body);

    // The buttons sit at fixed places of the panel's width, as the users know them.
    auto* buttonRow = new QWidget(panel);
    buttonRow->setFixedSize(kPanelWidth, kButtonRowHeight);
    buttonRow->setAutoFillBackground(true);
    QPalette shade = buttonRow->palette();
    shade.setColor(QPalette::Window, QColor(0xe6, 0xe9, 0xed));
    buttonRow->setPalette(shade);
    column->addWidget(buttonRow);
    m_yes = button(buttonRow, QStringLiteral("SBTak"));
    m_no = button(buttonRow, QStringLiteral("SBNie"));
    m_no->setText(QStringLiteral("NIE"));
    m_no->setIcon(style()->standardIcon(QStyle::SP_DialogNoButton));
    m_no->move(kRightButtonX, kButtonTop);
    connect(m_yes, &QPushButton::clicked, this, guarded([this] { done(TAK); }));
    connect(m_no, &QPushButton::clicked, this, guarded([this] { done(NIE); }));

    prepare(KOMUNIKAT_INFORMACJA, QString());
}

int MessageDialog::Komunikat(int kind, const QString& text) {
    prepare(kind, text);
    // Both layouts run now, so the window has its final size before it is centred.
    m_panel->layout()->activate();
    layout()->activate();
    return exec();
}

void MessageDialog::prepare(int kind, const QString& text) {
    m_question = kind == KOMUNIKAT_PYTANIE;
    m_heading->setText(m_question ? QStringLiteral("PYTANIE") : QStringLiteral("INFORMACJA"));
    m_heading->setStyleSheet(headingStyle(m_question));
    m_infoIcon->setVisible(!m_question);
    m_questionIcon->setVisible(m_question);
    if (m_question) {
        m_yes->setText(QStringLiteral("TAK"));
        m_yes->setIcon(style()->standardIcon(QStyle::SP_DialogYesButton));
        m_yes->move(kLeftButtonX, kButtonTop);
    } else {
        m_yes->setText(QStringLiteral("DALEJ"));
        m_yes->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
        m_yes->move(kCentreButtonX, kButtonTop);
    }
    m_no->setVisible(m_question);
    m_text->setText(withLineBreaks(text));
    // A wrapped label has no reliable size hint of its own: give it the height its
    // lines need at its width, so a long message is never cut off.
    m_text->setFixedHeight(qMax(kIconSize, m_text->heightForWidth(kTextWidth)));
}

void MessageDialog::centreOnScreen() {
    QScreen* screen = nullptr;
    if (QWidget* active = QApplication::activeWindow(); active && active != this)
        screen = active->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = geometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void MessageDialog::showEvent(QShowEvent* event) {
    centreOnScreen();
    QDialog::showEvent(event);
}

int MessageDialog::cancelCode() const {
    return m_question ? NIE : TAK;
}

void MessageDialog::reject() {
    done(cancelCode());
}

void MessageDialog::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & ~Qt::KeypadModifier) {
        QDialog::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        done(TAK);
        break;
    case Qt::Key_Escape:
        done(cancelCode());
        break;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace vexa
