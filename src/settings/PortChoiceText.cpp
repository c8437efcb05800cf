#include "settings/PortChoiceText.h"

namespace zev {
namespace {

constexpr ChoiceName<Parity> kParityNames[] = {
    {Parity::None, "None"}, {Parity::Odd, "Odd"},     {Parity::Even, "Even"},
    {Parity::Mark, "Mask"}, {Parity::Space, "Space"},
};

constexpr ChoiceName<StopBits> kStopBitsNames[] = {
    {StopBits::One, "1"},
    {StopBits::OneAndHalf, "1.5"},
    {StopBits::Two, "2"},
};

constexpr ChoiceName<FlowControl> kFlowControlNames[] = {
    {FlowControl::None, "None"},
    {FlowControl::Hardware, "Hardware"},
    {FlowControl::XonXoff, "Xon/Xoff"},
};

}  // namespace

template <>
std::span<const ChoiceName<Parity>> ChoiceNames<Parity>() {
    return kParityNames;
}

template <>
std::span<const ChoiceName<StopBits>> ChoiceNames<StopBits>() {
    return kStopBitsNames;
}

template <>
std::span<const ChoiceName<FlowControl>> ChoiceNames<FlowControl>() {
    return kFlowControlNames;
}

}  // namespace zev
