#pragma once

#include <QPalette>
#include <QString>

#include <functional>

class QApplication;
class QWidget;

// The look of all the program's windows: Classic, its own (the Fusion style,
// light grey windows, its own fonts for the small buttons, the text windows
// and the About box's title), or Desktop, what the desktop gives every
// program (its style, its palette, light or dark, and its fonts).
enum class Look { Classic, Desktop };

// What the desktop look is made of. A palette that sets no colour stands for
// the platform theme's own, which follows the desktop's colour scheme.
struct DesktopLook {
    QString style;
    QPalette palette;
};

// Sets the program's look; windows already open change with it. The first
// call takes the desktop's style from the application, before changing it.
void EnableProgramLook(QApplication& app, Look look = Look::Classic);
Look ProgramLookInUse();
// Replaces what the desktop look is made of (tests bring a dark palette).
void SetDesktopLook(DesktopLook desktop);
// Calls apply now and whenever the program's look changes, for as long as
// widget lives: for what a widget takes from the look itself, such as a font
// of its own.
void FollowProgramLook(QWidget& widget, std::function<void(Look)> apply);
