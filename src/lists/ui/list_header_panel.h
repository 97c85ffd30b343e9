#pragma once

#include "lists/records.h"

#include <QFrame>
#include <QHash>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace vexa {

// The header of the list editor bound to a list row held by the page: what is typed goes into
// the row at once; numbers that do not convert count as 0. Totals are shown read-only.
// The edits are named "el" + field ("elwykonal"), the list number `enr`, the totals "esuma" +
// field.
class ListHeaderPanel : public QFrame {
    Q_OBJECT
public:
    explicit ListHeaderPanel(QWidget* parent = nullptr);

    // Shows the row and binds the edits to it (the row must outlive the binding).
    void ustaw(Lista* lista);
    // Shows the totals of the bound row again.
    void odswiezSumy();
    // Puts the focus into the edit of a field (by its name in the row).
    void fokus(const QString& field);
    QWidget* pole(const QString& field) const { return m_pola.value(field); }

signals:
    void zmieniono();

private:
    QLineEdit* tekst(const char* field, QString Lista::*member, int maxLength = 0);
    QLineEdit* liczba(const char* field, double Lista::*member, const char16_t* format);
    QLineEdit* suma(const char* field);
    void pokaz();

    Lista* m_lista = nullptr;
    QHash<QString, QWidget*> m_pola;
    QList<std::function<void()>> m_pokaz;
    QList<std::function<void()>> m_sumy;
    QComboBox* m_status;
    QLineEdit* m_data;
    QFrame* m_podatek;
    QLabel* m_lpodatek;
};

} // namespace vexa
