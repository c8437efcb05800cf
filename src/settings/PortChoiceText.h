// The texts of the port choices, as default.dat stores them and the Com Setting dialog offers
// them ("Mask" is mark parity). Texts are compared exactly and case-sensitively.
#pragma once

#include <span>
#include <string>

#include "settings/PortChoice.h"

namespace zev {

template <typename Value>
struct ChoiceName {
    Value value;
    const char* text;
};

// Every value with its text, in the order the dialog lists them.
template <typename Value>
std::span<const ChoiceName<Value>> ChoiceNames();

template <>
std::span<const ChoiceName<Parity>> ChoiceNames<Parity>();
template <>
std::span<const ChoiceName<StopBits>> ChoiceNames<StopBits>();
template <>
std::span<const ChoiceName<FlowControl>> ChoiceNames<FlowControl>();

template <typename Value>
std::string ChoiceText(const PortChoice<Value>& choice) {
    if (const auto value = choice.Known()) {
        for (const ChoiceName<Value>& name : ChoiceNames<Value>()) {
            if (name.value == *value) return name.text;
        }
    }
    return choice.UnlistedText();
}

template <typename Value>
PortChoice<Value> ChoiceFromText(const std::string& text) {
    for (const ChoiceName<Value>& name : ChoiceNames<Value>()) {
        if (text == name.text) return name.value;
    }
    return PortChoice<Value>::Unlisted(text);
}

}  // namespace zev
