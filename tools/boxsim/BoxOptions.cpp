#include "BoxOptions.h"

#include <charconv>
#include <sstream>

#include "FlashMemory.h"

namespace zev::boxsim {

namespace {

constexpr int kDefaultResetOnOpenMs = 300;
// The sample's records need a user block of at least one 64 KB sector.
constexpr std::uint32_t kSmallestSampleBlock = 0x10000;

// Decimal, or hexadecimal with a 0x prefix.
std::optional<std::uint64_t> parseNumber(const std::string& text) {
    std::string_view digits = text;
    int base = 10;
    if (digits.starts_with("0x") || digits.starts_with("0X")) {
        digits.remove_prefix(2);
        base = 16;
    }
    std::uint64_t value = 0;
    const auto [end, status] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (digits.empty() || status != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::uint8_t> parseSign(const std::string& text) {
    if (text == "aa" || text == "AA") return kSignGeneral;
    if (text == "0e" || text == "0E") return kSignParameters;
    if (text == "0f" || text == "0F") return kSignSoftware;
    if (text == "b0" || text == "B0") return kSignOta;
    return std::nullopt;
}

class ArgumentReader {
  public:
    explicit ArgumentReader(const std::vector<std::string>& arguments) : arguments_(arguments) {}

    bool done() const { return index_ >= arguments_.size(); }

    // Splits "--name=value" and "--name value" alike; `inlineValue` tells which form was used.
    void next() {
        const std::string& argument = arguments_[index_++];
        const auto equals = argument.find('=');
        name = argument.substr(0, equals);
        inlineValue.reset();
        if (equals != std::string::npos) {
            inlineValue = argument.substr(equals + 1);
        }
    }

    std::optional<std::string> value() {
        if (inlineValue) return inlineValue;
        if (done()) return std::nullopt;
        return arguments_[index_++];
    }

    std::string name;
    std::optional<std::string> inlineValue;

  private:
    const std::vector<std::string>& arguments_;
    std::size_t index_ = 0;
};

}  // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    ParsedCommandLine result;
    BoxOptions& options = result.options;
    ArgumentReader reader(arguments);
    auto fail = [&result](const std::string& message) {
        result.error = message;
        return result;
    };
    auto number = [&reader](std::uint64_t limit) -> std::optional<std::uint64_t> {
        const auto text = reader.value();
        if (!text) return std::nullopt;
        const auto value = parseNumber(*text);
        if (!value || *value > limit) return std::nullopt;
        return value;
    };
    constexpr std::uint64_t kMaxMs = 600000;

    while (!reader.done()) {
        reader.next();
        const std::string& name = reader.name;
        const bool isFlag = name == "--help" || name == "-h" || name == "--version" ||
                            name == "--sample" || name == "--quiet" || name == "--verbose" ||
                            name == "--exit-on-eof";
        if (isFlag && reader.inlineValue) {
            return fail(name + " takes no value");
        }
        if (name == "--help" || name == "-h") {
            result.helpWanted = true;
        } else if (name == "--version") {
            result.versionWanted = true;
        } else if (name == "--sample") {
            options.sample = true;
        } else if (name == "--quiet") {
            options.quiet = true;
        } else if (name == "--verbose") {
            options.verbose = true;
        } else if (name == "--exit-on-eof") {
            options.exitOnEof = true;
        } else if (name == "--link" || name == "--flash") {
            const auto path = reader.value();
            if (!path || path->empty()) return fail(name + " needs a path");
            (name == "--link" ? options.linkPath : options.flashFile) = *path;
        } else if (name == "--sign") {
            const auto text = reader.value();
            const auto sign = text ? parseSign(*text) : std::nullopt;
            if (!sign) return fail("--sign takes aa, 0e, 0f or b0");
            options.sign = *sign;
        } else if (name == "--reset-on-open") {
            options.resetOnOpenMs = kDefaultResetOnOpenMs;
            if (reader.inlineValue) {
                const auto ms = parseNumber(*reader.inlineValue);
                if (!ms || *ms > kMaxMs) return fail("--reset-on-open=MS needs milliseconds");
                options.resetOnOpenMs = static_cast<int>(*ms);
            }
        } else if (name == "--user-address" || name == "--user-size") {
            const auto value = number(FlashMemory::kSize);
            if (!value) return fail(name + " needs a number within the 2 MB flash");
            (name == "--user-address" ? options.userAddress : options.userSize) =
                static_cast<std::uint32_t>(*value);
        } else if (name == "--slow" || name == "--delay") {
            const auto ms = number(kMaxMs);
            if (!ms) return fail(name + " needs milliseconds");
            (name == "--slow" ? options.slowMs : options.delayMs) = static_cast<int>(*ms);
        } else if (name == "--vanish") {
            const auto count = number(UINT64_MAX);
            if (!count || *count == 0) return fail("--vanish needs a byte count above 0");
            options.vanishAfter = *count;
        } else if (name == "--fault") {
            const auto text = reader.value();
            const auto fault = text ? faultByName(*text) : std::nullopt;
            if (!fault) return fail("unknown --fault; see --help for the names");
            options.faults.add(*fault);
        } else {
            return fail("unknown option " + name);
        }
    }
    if (options.userSize == 0 || !FlashMemory().fits(options.userAddress, options.userSize)) {
        return fail("the user block given by --user-address and --user-size must lie in the flash");
    }
    if (options.sample && options.userSize < kSmallestSampleBlock) {
        return fail("--sample needs a user block of at least 0x10000 bytes");
    }
    return result;
}

std::string usageText() {
    std::ostringstream text;
    text << R"(Usage: zev-boxsim [OPTIONS]

Plays a ZEV satellite receiver on a pseudo-terminal. The first line of standard output is the
pseudo-terminal's device path; open it as the receiver's serial port.

The receiver has a 2 MB flash (0xFF when erased), a console that prints chatter, and a boot
loader that answers:
  - settings load  (request 0xBB, any time): sends the user block from its flash;
  - settings send  (request 0xCC, any time): writes the received image into its flash;
  - update after a reset: sends its sign, then takes a parameter image (flash address 0xD0000
    or 0x6000) or software (0x10000) and stores it into its flash;
  - OTA update after a reset with --sign b0: takes software for 0x10000.

Sign scheme (--sign): the receiver cannot know what the PC wants, so the sign it sends after a
reset is chosen here:
  aa   (default) general sign 0xAA; the PC answers 0x55; parameter and software updates are
       both accepted, told apart by the flash address
  0e   parameter sign 0x0E; the PC answers 0x0E; flash address 0xD0000 or 0x6000 only
  0f   software sign 0x0F; the PC answers 0x0F; flash address 0x10000 only
  b0   OTA loader sign 0xB0; the PC answers 0xB6
A request 0xBB or 0xCC is served also while the boot loader waits for the answer to its sign.

Resetting: the line "reset" on standard input, the signal SIGUSR1, or --reset-on-open.

Standard input takes one command per line: "reset", "sign aa|0e|0f|b0" (change the sign for
later resets), "quit". End of standard input is ignored (the simulator may run with its input
at /dev/null) unless --exit-on-eof is given. SIGTERM, SIGINT and SIGHUP end the simulator
cleanly, as does "quit".

Options:
  --help                 show this text and exit
  --version              show the simulator's version and exit
  --link PATH            also make a symbolic link PATH to the pseudo-terminal (removed at exit)
  --flash FILE           keep the flash in FILE: loaded at start if present, written back after
                         every change
  --sample               write a sample channel database into the user block of the flash
  --user-address ADDR    flash address of the user block (default 0xE0000); a load sends the
                         block found there, as far as its own header gives address and size
  --user-size SIZE       size of the user block (default 0x20000), used while the block at
                         --user-address holds no valid header
  --sign aa|0e|0f|b0     sign sent after a reset (see above; default aa)
  --reset-on-open[=MS]   reset MS milliseconds (default 300) after a program opens the
                         pseudo-terminal, as if the reset button were pressed; a settings load
                         or send requested before that cancels the reset
  --quiet                no console chatter: only the protocol's bytes are sent
  --verbose              log what the simulator does to standard error
  --exit-on-eof          end the simulator when standard input ends
  --slow MS              send answers one byte at a time with MS milliseconds between bytes
                         (the data blocks of a settings load go at full speed)
  --delay MS             wait MS milliseconds before each answer
  --vanish N             close the pseudo-terminal and exit after receiving N bytes since the
                         last reset or settings request (a receiver that disappears)
  --fault NAME           misbehave; may be given several times. NAME is one of:
)";
    for (const FaultInfo& info : allFaults()) {
        text << "      " << info.name << std::string(20 - info.name.size(), ' ') << info.description
             << '\n';
    }
    text << R"(
Numbers are decimal or hexadecimal with a 0x prefix. Exit status: 0 after a clean end,
1 when the pseudo-terminal or the flash file cannot be used, 2 for a wrong command line.
)";
    return text.str();
}

}  // namespace zev::boxsim
