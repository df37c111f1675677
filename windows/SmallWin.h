#pragma once

#include "OwnerInputBlock.h"

#include <QString>
#include <QWidget>

class QPlainTextEdit;
class SmallButton;

// A small top-level window owned by the main window that shows one block of
// text in a read-only box beside an OK button. It sizes itself to the number
// of lines of its text, centres itself on the screen, keeps its owner from
// taking input while it is open and deletes itself when closed.
class SmallWin : public QWidget {
public:
    static constexpr int TextBoxId = 407;
    // Taller texts get a vertical scroll bar instead of a taller window.
    static constexpr int MaxTextHeight = 300;

    SmallWin(QWidget* owner, const QString& caption, int textBoxWidth);

    // Fits the window to text, shows text and shows the window.
    void SetText(const QString& text);

    // The height of one text line in the sizing rule; the default font's
    // height unless set otherwise.
    void SetLineHeight(int pixels) { lineHeight = pixels; }

    QPlainTextEdit& TextBox() const { return *edit; }
    SmallButton& OkButton() const { return *okButton; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FitToText(const QString& text);
    void CmOk();

    OwnerInputBlock ownerBlock;
    SmallButton* okButton;
    QPlainTextEdit* edit;
    int textWidth;
    int lineHeight;
};
