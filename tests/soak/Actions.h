// What the soak does to the program: one kind of user action and the seed of its choices
// (which rows, which answers, which texts). An action is written as "Kind:seed" in
// hexadecimal, the form the soak prints and replays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace soak {

enum class ActionKind {
    ShowView,      // Edit Text, TV or radio list, hex mode
    Select,        // clicks on rows (ending a pending Move Channel)
    Edit,          // Edit Channel or a double click
    New,           // New Channel
    Move,          // Move Channel and its target click
    Delete,        // Delete Channel
    Drag,          // rows dragged with the mouse, sometimes with auto-scroll
    Filter,        // the filter box
    Satellites,    // the Satellite List and what it opens
    Transponders,  // the Transponder List and what it opens
    Undo,
    Redo,
    Save,     // Save or Save As
    Open,     // File Open
    Check,    // Check Database and its report
    Compare,  // Compare with File
    Export,   // Export List
    Load,     // Load Setting from Box (or Verify Box Settings) against the simulator
    Send,     // Send Setting to Box against the simulator
};

struct Action {
    ActionKind kind = ActionKind::ShowView;
    uint64_t seed = 0;
};

const char* KindName(ActionKind kind);
std::string ActionText(const Action& action);
std::optional<Action> ParseAction(std::string_view text);

// Action `index` of the run with `runSeed`: kinds drawn with weights that keep most actions on
// the lists and the dialogs and a few on files and the receiver.
Action ActionOfRun(uint64_t runSeed, std::size_t index);

}  // namespace soak
