#include "AuxiliaryWindow.h"

#include "ProgramLook.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

QColor LightGrey()
{
    return QColor(192, 192, 192);
}

// A palette that sets no colour hands the window back to the application's.
void PaintProgramBackground(QWidget& window)
{
    window.setAutoFillBackground(true);
    FollowProgramLook(window, [&window](Look look) {
        QPalette background;
        if (look == Look::Classic)
            background.setColor(QPalette::Window, LightGrey());
        window.setPalette(background);
    });
}

void CentreOnScreen(QWidget& window)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    window.move(screen.x() + (screen.width() - window.width()) / 2,
                screen.y() + (screen.height() - window.height()) / 2);
}

QLabel* AddLabel(QWidget& window, const QString& text, int x, int y, int width, int height)
{
    auto* label = new QLabel(text, &window);
    label->setTextFormat(Qt::PlainText); // a folder named like HTML shows its name as it is
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(x, y, width, height);
    return label;
}

void AddCloseKeys(QWidget& window, QAbstractButton& ok)
{
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_Escape), &window), &QShortcut::activated, &window,
                     &QWidget::close);
    for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter})
        QObject::connect(new QShortcut(QKeySequence(enter), &window), &QShortcut::activated, &ok,
                         &QAbstractButton::click);
}
