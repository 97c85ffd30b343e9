#pragma once

#include <QString>

class QWidget;

namespace vexa {

// Where an area puts its pages: the notebook of named pages of the main window. The areas
// install their own pages through it, so that none of them needs the window itself.
class RejestrStron {
public:
    virtual ~RejestrStron() = default;

    // Puts a page's widget into the notebook in place of its placeholder.
    virtual void ustawStrone(const QString& name, QWidget* page) = 0;
    virtual QWidget* strona(const QString& name) const = 0;
};

} // namespace vexa
