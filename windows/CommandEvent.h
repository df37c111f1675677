#pragma once

#include <QEvent>

// A command posted to a window (the legend's menu posts its commands to the
// main window this way, so they run after the menu has closed).
class CommandEvent : public QEvent {
public:
    static constexpr QEvent::Type EventType = static_cast<QEvent::Type>(QEvent::User + 2);

    explicit CommandEvent(int id) : QEvent(EventType), commandId(id) {}

    int Id() const { return commandId; }

private:
    int commandId;
};
