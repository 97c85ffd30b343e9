#pragma once

#include "lists/list_repository.h"

#include <QDialog>

class QCheckBox;
class QDateEdit;

namespace vexa {

class Messages;

// TFFiltrData "FILTR DATY": the ranges of the start and of the end of entitlement by which the
// list editor marks positions. A ticked range that starts after its end is refused.
class DateFilterDialog : public QDialog {
    Q_OBJECT
public:
    explicit DateFilterDialog(Messages& messages, QWidget* parent = nullptr);

    // All four dates are set to today before each showing; the boxes keep their state.
    void przygotuj(const QDate& today);
    // The ticked ranges (std::nullopt for an unticked one).
    std::optional<ZakresDat> nabycie() const;
    std::optional<ZakresDat> utrata() const;

public slots:
    void zatwierdz();

private:
    Messages& m_messages;
    QCheckBox* m_cbNabycie;
    QCheckBox* m_cbUtrata;
    QDateEdit *m_nabycieOd, *m_nabycieDo, *m_utrataOd, *m_utrataDo;
};

} // namespace vexa
