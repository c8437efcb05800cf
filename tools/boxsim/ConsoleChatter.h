// Texts the receiver prints on its console, with CR LF line ends as a real set-top box sends
// them, with a backspace spinner; the reset text begins with a bell.
#pragma once

#include <cstdint>
#include <string>

namespace zev::boxsim {

std::string powerOnText();
// Printed right after the reset button, before the loader's sign.
std::string resetText(std::uint8_t sign);
std::string restartText();

}  // namespace zev::boxsim
