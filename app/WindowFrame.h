#pragma once

class QWidget;

// What the window's controllers (the loader of trees, the commands on
// directories) need of the main window itself, beside its state and its
// scans.
class WindowFrame {
public:
    // Owns the message boxes, dialogs and windows the controllers open.
    virtual QWidget* Owner() = 0;
    // The window has been asked to close: nothing more is shown.
    virtual bool Closing() const = 0;
    // Shows the main window, once a scan has ended.
    virtual void Present() = 0;

protected:
    ~WindowFrame() = default;
};
