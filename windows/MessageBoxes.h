#pragma once

#include <QString>

#include <functional>

class QWidget;

enum class MessageIcon { Information, Stop, None };

using MessageBoxHandler =
    std::function<void(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon)>;

// Every message box of the program goes through here: a box owned by owner
// with text, caption, icon and an OK button, returning once closed. The owner
// takes no input meanwhile.
void ShowMessageBox(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon);

// Replaces what ShowMessageBox does (tests record the boxes instead of
// blocking on them); an empty handler brings back the real box. Returns the
// handler that was in place.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

using QuestionBoxHandler = std::function<bool(QWidget* owner, const QString& text, const QString& caption)>;

// A box like ShowMessageBox's with a question mark and Yes and No buttons;
// true when the answer is Yes. No is the default button.
bool AskQuestion(QWidget* owner, const QString& text, const QString& caption);

// Replaces what AskQuestion does, as SetMessageBoxHandler does for message
// boxes.
QuestionBoxHandler SetQuestionBoxHandler(QuestionBoxHandler handler);
