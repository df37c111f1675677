#pragma once

#include <QStringList>

#include <functional>

class QWidget;

using ChoiceHandler = std::function<int(QWidget* owner, const QStringList& choices)>;

// A menu of choices at the pointer, owned by owner; the position of the one
// chosen, or -1 when the person closes the menu. An empty choice is a
// separator.
int AskForChoice(QWidget* owner, const QStringList& choices);

// Replaces what AskForChoice does (tests answer without a menu); an empty
// handler brings back the real menu. Returns the handler that was in place.
ChoiceHandler SetChoiceHandler(ChoiceHandler handler);
