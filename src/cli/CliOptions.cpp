#include "cli/CliOptions.h"

#include <charconv>
#include <climits>

namespace zev::cli {

namespace {

std::optional<int> ParseNumber(const std::string& text, int least, int most) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, code] = std::from_chars(text.data(), end, value);
    if (code != std::errc() || stop != end || value < least || value > most) return std::nullopt;
    return value;
}

struct NumberOption {
    const char* name;
    int least;
    int most;
};

constexpr NumberOption kBaud{"--baud", 1, INT_MAX};
constexpr NumberOption kTimeout{"--timeout", 0, kMaxTimeoutSeconds};
constexpr NumberOption kFlash{"--flash", 1, 3};
constexpr NumberOption kUser{"--user", 1, 4};

}  // namespace

CliParse ParseCliOptions(const std::vector<std::string>& arguments) {
    CliParse parse;
    CliOptions& o = parse.options;
    std::vector<std::string> positional;
    bool optionsEnded = false;

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            positional.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        // "--name value" and "--name=value" are both accepted.
        std::string name = argument;
        std::optional<std::string> inlineValue;
        if (const auto equals = argument.find('='); equals != std::string::npos) {
            name = argument.substr(0, equals);
            inlineValue = argument.substr(equals + 1);
        }
        auto takeValue = [&]() -> std::optional<std::string> {
            if (inlineValue) return inlineValue;
            if (i + 1 < arguments.size()) return arguments[++i];
            parse.error = "option " + name + " needs a value";
            return std::nullopt;
        };
        auto takeNumber = [&](const NumberOption& option) -> std::optional<int> {
            const std::optional<std::string> text = takeValue();
            if (!text) return std::nullopt;
            std::optional<int> value = ParseNumber(*text, option.least, option.most);
            if (!value) {
                parse.error = "option " + name + " takes a whole number from " +
                              std::to_string(option.least) +
                              (option.most == INT_MAX ? std::string(" up")
                                                      : " to " + std::to_string(option.most)) +
                              ", not \"" + *text + "\"";
            }
            return value;
        };
        auto flag = [&](bool& target) {
            if (inlineValue) {
                parse.error = "option " + name + " takes no value";
                return;
            }
            target = true;
        };

        if (name == "--help" || name == "-h") {
            flag(o.help);
        } else if (name == "--version") {
            flag(o.version);
        } else if (name == "--json") {
            flag(o.json);
        } else if (name == "--default") {
            flag(o.modifyDefault);
        } else if (name == "--verify") {
            flag(o.verify);
        } else if (name == "--hex") {
            flag(o.hex);
        } else if (name == "--timestamps") {
            flag(o.timestamps);
        } else if (name == "--descending") {
            flag(o.descending);
        } else if (name == "--remove-missing") {
            flag(o.removeMissing);
        } else if (name == "--by") {
            if (auto value = takeValue()) o.sortBy = *value;
        } else if (name == "--list") {
            if (auto value = takeValue()) o.list = *value;
        } else if (name == "--position") {
            if (auto value = takeValue()) o.positions.push_back(*value);
        } else if (name == "--backup") {
            if (auto value = takeValue()) o.backup = *value;
        } else if (name == "--log") {
            if (auto value = takeValue()) o.log = *value;
        } else if (name == "--port") {
            if (auto value = takeValue()) o.port = *value;
        } else if (name == kBaud.name) {
            if (auto value = takeNumber(kBaud)) o.baud = *value;
        } else if (name == kTimeout.name) {
            if (auto value = takeNumber(kTimeout)) o.timeoutSeconds = *value;
        } else if (name == kFlash.name) {
            if (auto value = takeNumber(kFlash)) o.flash = *value;
        } else if (name == kUser.name) {
            if (auto value = takeNumber(kUser)) o.user = *value;
        } else {
            parse.error = "unknown option " + name;
        }
        if (!parse.error.empty()) return parse;
    }

    if (!positional.empty()) {
        o.command = positional.front();
        o.args.assign(positional.begin() + 1, positional.end());
    }
    return parse;
}

}  // namespace zev::cli
