#pragma once

#include "CommandTable.h"
#include "Options.h"
#include "WindowSettings.h"

// The window's look: the command line's for the run, else the one last
// chosen; and the View menu's Look rows, which change it and remember it.
class LookCommands {
public:
    explicit LookCommands(const WindowSettings& remembered) : settings(remembered) {}

    void ApplyStartingLook(WindowLook asked) const;
    void AddRows(CommandTable& table) const;

private:
    void Choose(Look look, CommandTable& table) const;

    const WindowSettings& settings;
};
