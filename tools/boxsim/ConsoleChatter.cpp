#include "ConsoleChatter.h"

#include "BoxOptions.h"

namespace zev::boxsim {

std::string powerOnText() {
    return "\r\n"
           "ZEV digital satellite receiver (simulated)\r\n"
           "Flash 2048 KB, checking -\b\\\b|\b/\bok\r\n"
           "Loading channel database... done\r\n"
           "Tuner ready.\r\n";
}

std::string resetText(std::uint8_t sign) {
    std::string text = "\a\r\n*** RESET ***\r\nChecking flash -\b\\\b|\b/\bok\r\n";
    if (sign == kSignOta) {
        text += "Boot loader V3.0 (OTA loader)\r\nWaiting for the PC...\r\n";
    } else {
        text += "Boot loader V2.0\r\nWaiting for the PC...\r\n";
    }
    return text;
}

std::string restartText() { return "\r\nLoader finished, restarting...\r\n" + powerOnText(); }

}  // namespace zev::boxsim
