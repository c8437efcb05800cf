// The serial ports the system reports, through one seam: the program asks a SerialPortLister
// (the system's in use, a fixed list in tests) and decides with the plain functions below.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zev {

struct SerialPortInfo {
    std::string location;  // what opens it: "/dev/ttyUSB0", "COM3"
    std::string description;
    std::string manufacturer;
    std::string serialNumber;
    // Set for USB devices.
    std::optional<uint16_t> vendorId;
    std::optional<uint16_t> productId;

    bool operator==(const SerialPortInfo&) const = default;
};

class SerialPortLister {
  public:
    virtual ~SerialPortLister() = default;
    virtual std::vector<SerialPortInfo> Ports() const = 0;
};

// A USB serial adapter: a port the system knows a USB vendor for.
bool IsUsbAdapter(const SerialPortInfo& port);

// "0403:6001", or "" for a port without USB ids.
std::string UsbIdText(const SerialPortInfo& port);

// The ports as a table for people: a heading, then one line per port with its location,
// description, manufacturer, serial number and USB ids ("-" where the system says nothing);
// "No serial ports found.\n" when there are none. Every line ends with "\n".
std::string PortTableText(const std::vector<SerialPortInfo>& ports);

// The port "--port auto" stands for: the only USB serial adapter. Otherwise `problem` says
// that there is none, or how many there are, and nothing is chosen.
struct AutoPortChoice {
    std::optional<std::string> location;
    std::string problem;
};
AutoPortChoice ChooseAutoPort(const std::vector<SerialPortInfo>& ports);

}  // namespace zev
