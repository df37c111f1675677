#pragma once

#include "KeyBox.h"
#include "ViewState.h"

#include <QObject>
#include <QPoint>
#include <QRect>

#include <functional>
#include <memory>

class QWidget;

// The legend of the directory on display: made anew for every new set of
// entries (a placeholder when there are none), following the state's
// selection and telling the state of the person's.
class LegendHolder : public QObject {
public:
    struct Handlers {
        std::function<void()> goDown;                           // an entry was double-clicked
        std::function<void(const QPoint& globalPosition)> menu; // after a right press chose the target
        KeyBox::DragData dragData;
    };

    LegendHolder(QWidget* window, ViewState& state, Handlers handlers);
    ~LegendHolder() override;

    // The legend shown, full or placeholder.
    KeyBox* Shown() const { return legend ? legend.get() : emptyLegend.get(); }
    // The full legend; null while the placeholder shows.
    KeyBox* Full() const { return legend.get(); }
    void Place(const QRect& geometry);

private:
    void Follow(ViewState::Changes what);
    void Rebuild();
    void Wire();
    void OpenMenu(const QPoint& globalPosition);

    QWidget* window;
    ViewState& state;
    Handlers handlers;
    QRect geometry;
    std::unique_ptr<KeyBox> emptyLegend;
    std::unique_ptr<KeyBox> legend;
};
