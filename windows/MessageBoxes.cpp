#include "MessageBoxes.h"

#include "AuxiliaryWindow.h"
#include "LineBreaks.h"

#include <QApplication>
#include <QMessageBox>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

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

void ShowRealMessageBox(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon)
{
    QMessageBox box(BoxIcon(icon), caption, WithPlainLineBreaks(text), QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    // A box shown while a splash keeps the owner disabled would inherit the
    // disabled state and could never be answered.
    box.setEnabled(true);
    box.exec();
}

MessageBoxHandler& CurrentHandler()
{
    static MessageBoxHandler handler = ShowRealMessageBox;
    return handler;
}

} // namespace

void ShowMessageBox(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon)
{
    CurrentHandler()(owner, text, caption, icon);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    if (!handler)
        handler = ShowRealMessageBox;
    return std::exchange(CurrentHandler(), std::move(handler));
}

void EnableProgramLook(QApplication& app)
{
    QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    QApplication::setStyle(fusion); // the application takes ownership
    QPalette palette = fusion->standardPalette();
    palette.setColor(QPalette::Window, LightGrey());
    palette.setColor(QPalette::Button, LightGrey());
    app.setPalette(palette);
}
