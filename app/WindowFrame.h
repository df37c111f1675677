#pragma once

#include <QWidget>

// What the window's controllers (the loader of trees, the commands on
// directories) need of the main window itself, beside its state and its
// scans: the owner of what they open, whether it is closing, and showing it.
class WindowFrame {
public:
    explicit WindowFrame(QWidget& mainWindow) : window(mainWindow) {}

    // Owns the message boxes, dialogs and windows the controllers open.
    QWidget* Owner() const { return &window; }
    // The window has been asked to close: nothing more is shown.
    bool Closing() const { return closing; }
    void SetClosing() { closing = true; }
    // Shows the main window once a scan has ended: out of the task bar when
    // it was minimised meanwhile, and as large as it was last time.
    void Present() const
    {
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
        window.show();
    }

private:
    QWidget& window;
    bool closing = false;
};
