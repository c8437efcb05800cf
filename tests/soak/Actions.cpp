#include "Actions.h"

#include <array>
#include <charconv>
#include <cstdio>

#include "Dice.h"

namespace soak {
namespace {

struct KindInfo {
    ActionKind kind;
    const char* name;
    unsigned weight;
};

constexpr std::array<KindInfo, 19> kKinds = {{
    {ActionKind::ShowView, "ShowView", 6},
    {ActionKind::Select, "Select", 7},
    {ActionKind::Edit, "Edit", 7},
    {ActionKind::New, "New", 7},
    {ActionKind::Move, "Move", 6},
    {ActionKind::Delete, "Delete", 5},
    {ActionKind::Drag, "Drag", 9},
    {ActionKind::Filter, "Filter", 6},
    {ActionKind::Satellites, "Satellites", 7},
    {ActionKind::Transponders, "Transponders", 7},
    {ActionKind::Undo, "Undo", 7},
    {ActionKind::Redo, "Redo", 4},
    {ActionKind::Save, "Save", 3},
    {ActionKind::Open, "Open", 3},
    {ActionKind::Check, "Check", 2},
    {ActionKind::Compare, "Compare", 2},
    {ActionKind::Export, "Export", 2},
    {ActionKind::Load, "Load", 1},
    {ActionKind::Send, "Send", 1},
}};

}  // namespace

const char* KindName(ActionKind kind) {
    for (const KindInfo& info : kKinds) {
        if (info.kind == kind) return info.name;
    }
    return "?";
}

std::string ActionText(const Action& action) {
    char seed[17];
    std::snprintf(seed, sizeof seed, "%016llx", static_cast<unsigned long long>(action.seed));
    return std::string(KindName(action.kind)) + ":" + seed;
}

std::optional<Action> ParseAction(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const std::string_view name = text.substr(0, colon);
    const std::string_view seed = text.substr(colon + 1);
    for (const KindInfo& info : kKinds) {
        if (name != info.name) continue;
        Action action{info.kind, 0};
        const auto [end, error] =
            std::from_chars(seed.data(), seed.data() + seed.size(), action.seed, 16);
        if (error != std::errc() || end != seed.data() + seed.size() || seed.empty()) break;
        return action;
    }
    return std::nullopt;
}

Action ActionOfRun(uint64_t runSeed, std::size_t index) {
    const uint64_t seed = Mix(runSeed, index);
    unsigned total = 0;
    for (const KindInfo& info : kKinds) total += info.weight;
    unsigned roll = static_cast<unsigned>(Mix(seed, 0x6b696e64) % total);
    for (const KindInfo& info : kKinds) {
        if (roll < info.weight) return {info.kind, seed};
        roll -= info.weight;
    }
    return {ActionKind::ShowView, seed};
}

}  // namespace soak
