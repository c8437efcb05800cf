// The port's flow control, set through the device's own settings (termios, or the DCB on
// Windows), because Qt's choices do more than the program's: Qt's "hardware" control
// handshakes RTS as well and clears software flow, its "software" control clears CTS flow and
// lets any byte restart output.
//
// "Hardware" turns on CTS output flow with RTS held on, "Xon/Xoff" turns on XON/XOFF flow in
// both directions with the characters 0x11 and 0x13; each keeps the other's fields, and
// "None" or a text that names no choice changes nothing. Nothing turns a field off again: the
// port keeps what it was given for as long as the program runs, as a device keeps its
// settings from one connection to the next.
//
// What the platforms allow: Linux has RTS/CTS flow only in both directions (CRTSCTS), so the
// driver, not the program, holds RTS on, dropping it only while its input queue is full; the
// BSDs and macOS have CTS output flow alone (CCTS_OFLOW). POSIX has no XON/XOFF limits: the
// driver sends XOFF when its input queue is nearly full. Windows takes every field as given,
// with XON and XOFF limits of 50 bytes.
#pragma once

#include "settings/PortChoice.h"

class QSerialPort;

namespace zev {

struct FlowFields {
    bool ctsOutput = false;  // output waits while CTS is off; RTS is held on
    bool xonXoff = false;    // XON/XOFF flow for output and input

    bool operator==(const FlowFields&) const = default;
};

// The fields after `choice` has been applied to `fields`.
FlowFields WithFlowChoice(FlowFields fields, const PortChoice<FlowControl>& choice);

// Writes the fields that are on into the open port's device settings; the fields that are off
// stay as the device has them. False when the device refused.
bool ApplyFlowFields(QSerialPort& port, const FlowFields& fields);

}  // namespace zev
