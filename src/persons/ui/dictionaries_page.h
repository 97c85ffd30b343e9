#pragma once

#include <QWidget>

class QFrame;

namespace vexa {

struct AppContext;
class DictionaryPanel;

// Page slowniki "SŁOWNIKI": sub-units and post grades side by side in the centred panel
// pslowniki. One dictionary row at a time is open for editing; the close icon of the title bar
// cancels it, releases the navigation lock and shows the empty page.
class DictionariesPage : public QWidget {
    Q_OBJECT
public:
    explicit DictionariesPage(AppContext& ctx, QWidget* parent = nullptr);

    DictionaryPanel* pododdzialy() const { return m_pododdzialy; }
    DictionaryPanel* stopnie() const { return m_stopnie; }

public slots:
    // Entry from the button bar: centre the panel, show both grids, read both dictionaries.
    void otworz();
    // The close icon SpeedButton22.
    void zamknij();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    AppContext& m_ctx;
    QFrame* m_panel = nullptr;
    DictionaryPanel* m_pododdzialy = nullptr;
    DictionaryPanel* m_stopnie = nullptr;
};

} // namespace vexa
