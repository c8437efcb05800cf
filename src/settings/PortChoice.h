// The port settings that are a choice among fixed values: parity, stop bits and flow control.
// The Com Setting dialog also takes typed text; a text that names none of the values is kept
// as it was typed, so that default.dat gets it back unchanged, and the port leaves that setting
// as the device had it.
#pragma once

#include <optional>
#include <string>

namespace zev {

enum class Parity { None, Odd, Even, Mark, Space };
enum class StopBits { One, OneAndHalf, Two };
enum class FlowControl { None, Hardware, XonXoff };

template <typename Value>
class PortChoice {
  public:
    PortChoice(Value value) : value_(value) {}  // NOLINT: a value is a choice

    // A typed text that names none of the values.
    static PortChoice Unlisted(std::string text) {
        PortChoice choice;
        choice.unlisted_ = std::move(text);
        return choice;
    }

    // The value, or nullopt for an unlisted text.
    std::optional<Value> Known() const { return value_; }
    const std::string& UnlistedText() const { return unlisted_; }

    bool operator==(const PortChoice&) const = default;

  private:
    PortChoice() = default;

    std::optional<Value> value_;
    std::string unlisted_;
};

}  // namespace zev
