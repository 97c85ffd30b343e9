#include "ui/style.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vexa {

namespace {

const char* const kStyle = R"(
QMainWindow#TFvexa_f, QWidget#klient { background: #e9edf2; }
QFrame#pgora { background: #1f3a5f; }
QFrame#pgora QLabel { color: #ffffff; }
QLabel#Ltytul { font-size: 15pt; font-weight: bold; letter-spacing: 2px; }
QLabel#Lwersja { color: #b8c7db; font-size: 8pt; }
QLabel#Pnazwa { font-size: 11pt; font-weight: bold; }
QLabel#LData, QLabel#LCzas { font-size: 10pt; }
QFrame#pgora QToolButton { background: transparent; border: none; color: white; }
QFrame#pgora QToolButton:hover { background: #2f5282; }
QFrame#ppasek { background: #c9d3df; border-bottom: 1px solid #9aa8b8; }
QFrame#ppasek QToolButton { background: #f4f6f9; border: 1px solid #8a99ab; border-radius: 3px;
  padding: 5px 10px; font-weight: bold; color: #1f3a5f; }
QFrame#ppasek QToolButton:hover { background: #ffffff; border-color: #1f3a5f; }
QFrame#ppasek QToolButton:pressed { background: #d6e2f0; }
QLabel#pstopka { background: #c9d3df; color: #37475a; padding: 2px 8px; font-size: 8pt; }
QLabel[pageTitle="true"] { background: #1f3a5f; color: white; font-weight: bold;
  padding: 4px 8px; }
QFrame#pmivra { background: #ffffff; border: 1px solid #8a99ab; border-radius: 6px; }
QFrame#pmivra QLabel#lprodukt { font-size: 26pt; font-weight: bold; color: #1f3a5f;
  letter-spacing: 4px; }
QLabel#pimieniny { color: #1f3a5f; font-style: italic; font-size: 10pt; padding: 8px; }
QPushButton { background: #f4f6f9; border: 1px solid #8a99ab; border-radius: 3px;
  padding: 5px 14px; font-weight: bold; color: #1f3a5f; }
QPushButton:hover { background: #ffffff; border-color: #1f3a5f; }
QPushButton:pressed { background: #d6e2f0; }
QPushButton:focus { border: 2px solid #d9822b; }
QLineEdit { background: white; border: 1px solid #8a99ab; border-radius: 2px; padding: 3px; }
QLineEdit:focus { border-color: #1f3a5f; }
)";

} // namespace

void UstawWyglad(QApplication& app) {
    app.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    app.setStyleSheet(QString::fromUtf8(kStyle));
}

bool ZaladujTlumaczeniaQt(QApplication& app) {
    auto* tlumacz = new QTranslator(&app);
    if (!tlumacz->load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"),
                       QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete tlumacz;
        return false;
    }
    return app.installTranslator(tlumacz);
}

} // namespace vexa
