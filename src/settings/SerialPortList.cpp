#include "settings/SerialPortList.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace zev {
namespace {

constexpr std::size_t kColumns = 5;

std::string OrDash(const std::string& text) { return text.empty() ? "-" : text; }

}  // namespace

bool IsUsbAdapter(const SerialPortInfo& port) { return port.vendorId.has_value(); }

std::string UsbIdText(const SerialPortInfo& port) {
    if (!port.vendorId) return "";
    char text[16];
    std::snprintf(text, sizeof text, "%04x:%04x", *port.vendorId, port.productId.value_or(0));
    return text;
}

std::string PortTableText(const std::vector<SerialPortInfo>& ports) {
    if (ports.empty()) return "No serial ports found.\n";
    using Row = std::array<std::string, kColumns>;
    std::vector<Row> rows{{"PORT", "DESCRIPTION", "MANUFACTURER", "SERIAL NUMBER", "USB ID"}};
    for (const SerialPortInfo& port : ports) {
        rows.push_back({port.location, OrDash(port.description), OrDash(port.manufacturer),
                        OrDash(port.serialNumber), OrDash(UsbIdText(port))});
    }
    std::array<std::size_t, kColumns> widths{};
    for (const Row& row : rows) {
        for (std::size_t c = 0; c < kColumns; ++c) widths[c] = std::max(widths[c], row[c].size());
    }
    std::string text;
    for (const Row& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < kColumns; ++c) {
            line += row[c];
            if (c + 1 < kColumns) line += std::string(widths[c] - row[c].size() + 2, ' ');
        }
        text += line + "\n";
    }
    return text;
}

AutoPortChoice ChooseAutoPort(const std::vector<SerialPortInfo>& ports) {
    std::vector<const SerialPortInfo*> adapters;
    for (const SerialPortInfo& port : ports) {
        if (IsUsbAdapter(port)) adapters.push_back(&port);
    }
    AutoPortChoice choice;
    if (adapters.size() == 1) {
        choice.location = adapters.front()->location;
    } else if (adapters.empty()) {
        choice.problem = "--port auto found no USB serial adapter";
    } else {
        choice.problem = "--port auto found " + std::to_string(adapters.size()) +
                         " USB serial adapters; name one with --port";
    }
    return choice;
}

}  // namespace zev
