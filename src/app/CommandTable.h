// The menu, accelerator and toolbar entries as data: the frame builds its actions from this
// table, so captions, shortcuts and prompts live in one place.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <span>

struct CommandEntry {
    int id;
    const char* menu;     // menu title, or nullptr for toolbar-only commands
    const char* caption;  // menu caption; "\t" starts the shortcut text shown in the menu
    QList<QKeySequence> shortcuts;
    const char* prompt;  // status-bar prompt "\n" tool tip
    bool separatorBefore = false;
};

// All commands in menu order.
std::span<const CommandEntry> CommandTable();

// The toolbar, left to right; 0 is a separator.
std::span<const int> ToolbarLayout();

// The status-bar prompt (before "\n") and the tool tip (after it) of a prompt string.
QString PromptOf(const char* prompt);
QString ToolTipOf(const char* prompt);
