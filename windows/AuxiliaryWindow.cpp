#include "AuxiliaryWindow.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

QColor LightGrey()
{
    return QColor(192, 192, 192);
}

void PaintLightGrey(QWidget& window)
{
    QPalette background = window.palette();
    background.setColor(QPalette::Window, LightGrey());
    window.setPalette(background);
    window.setAutoFillBackground(true);
}

void CentreOnScreen(QWidget& window)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    window.move(screen.x() + (screen.width() - window.width()) / 2,
                screen.y() + (screen.height() - window.height()) / 2);
}
