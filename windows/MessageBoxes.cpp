#include "MessageBoxes.h"

#include "OwnerInputBlock.h"
#include "Replaceable.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>

#include <utility>

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Shows box and returns once it is closed.
void RunBox(QMessageBox& box, QWidget* owner)
{
    box.setTextFormat(Qt::PlainText);
    // Not modal (a message box is by default): Qt drops every close request
    // for a window that a modal box blocks, so the owner could not be closed
    // while the box is open. The owner's input is blocked instead, and
    // closing the owner closes the box.
    box.setModal(false);
    const OwnerInputBlock block(owner, &box);
    QEventLoop loop;
    QObject::connect(&box, &QMessageBox::finished, &loop, &QEventLoop::quit);
    box.show();
    loop.exec();
}

void ShowRealMessageBox(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon)
{
    QMessageBox box(BoxIcon(icon), caption, text, QMessageBox::Ok, owner);
    RunBox(box, owner);
}

bool AskRealQuestion(QWidget* owner, const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, owner);
    box.setDefaultButton(QMessageBox::No);
    RunBox(box, owner);
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

Replaceable<QuestionBoxHandler>& CurrentQuestionHandler()
{
    static Replaceable<QuestionBoxHandler> handler(AskRealQuestion);
    return handler;
}

Replaceable<MessageBoxHandler>& CurrentHandler()
{
    static Replaceable<MessageBoxHandler> handler(ShowRealMessageBox);
    return handler;
}

} // namespace

void ShowMessageBox(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon)
{
    CurrentHandler()(owner, text, caption, icon);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    return CurrentHandler().Replace(std::move(handler));
}

bool AskQuestion(QWidget* owner, const QString& text, const QString& caption)
{
    return CurrentQuestionHandler()(owner, text, caption);
}

QuestionBoxHandler SetQuestionBoxHandler(QuestionBoxHandler handler)
{
    return CurrentQuestionHandler().Replace(std::move(handler));
}
