#include "cli/CliOptions.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <algorithm>
#include <charconv>
#include <climits>

namespace zev::cli {

namespace {

enum class ValueKind { None, Text, Number };

// One option of zev-cli: its name, the value it takes and, for numbers, their range.
struct OptionDefinition {
    const char* name;  // without the dashes
    ValueKind value;
    int least = 0;
    int most = 0;
};

constexpr OptionDefinition kOptions[] = {
    {"help", ValueKind::None},
    {"version", ValueKind::None},
    {"json", ValueKind::None},
    {"default", ValueKind::None},
    {"verify", ValueKind::None},
    {"hex", ValueKind::None},
    {"timestamps", ValueKind::None},
    {"backup", ValueKind::Text},
    {"log", ValueKind::Text},
    {"port", ValueKind::Text},
    {"baud", ValueKind::Number, 1, INT_MAX},
    {"timeout", ValueKind::Number, 0, kMaxTimeoutSeconds},
    {"flash", ValueKind::Number, 1, 3},
    {"user", ValueKind::Number, 1, 4},
    {"by", ValueKind::Text},
    {"descending", ValueKind::None},
    {"list", ValueKind::Text},
    {"position", ValueKind::Text},
    {"remove-missing", ValueKind::None},
};

const OptionDefinition* FindOption(const std::string& name) {
    for (const OptionDefinition& option : kOptions) {
        if (name == option.name) return &option;
    }
    return nullptr;
}

// Arguments are bytes (file names need not be UTF-8); Latin-1 carries every byte through
// QString and back unchanged.
QString FromBytes(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToBytes(const QString& text) { return text.toLatin1().toStdString(); }

std::optional<int> ParseNumber(const std::string& text, int least, int most) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, code] = std::from_chars(text.data(), end, value);
    if (code != std::errc() || stop != end || value < least || value > most) return std::nullopt;
    return value;
}

std::string NumberError(const OptionDefinition& option, const std::string& text) {
    return std::string("option --") + option.name + " takes a whole number from " +
           std::to_string(option.least) +
           (option.most == INT_MAX ? std::string(" up") : " to " + std::to_string(option.most)) +
           ", not \"" + text + "\"";
}

// The mistakes worded our own way, found before Qt's parser words them its own: a flag with a
// value ("--json=yes") and a value option at the end of the line.
std::string MalformedOption(const std::vector<std::string>& arguments) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--") break;
        if (argument.rfind("--", 0) != 0) continue;
        const std::size_t equals = argument.find('=');
        const std::string name =
            argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
        const OptionDefinition* option = FindOption(name);
        if (option == nullptr) return "unknown option --" + name;
        if (option->value == ValueKind::None && equals != std::string::npos) {
            return "option --" + name + " takes no value";
        }
        if (option->value != ValueKind::None && equals == std::string::npos) {
            if (i + 1 == arguments.size()) return "option --" + name + " needs a value";
            ++i;  // the value, whatever it looks like
        }
    }
    return "";
}

}  // namespace

bool IsGeneralOption(const std::string& name) { return name == "--help" || name == "--version"; }

std::string MissingCompanion(const CliOptions& options) {
    if (options.timestamps && !options.hex) return "--timestamps needs --hex";
    return "";
}

CliParse ParseCliOptions(const std::vector<std::string>& arguments) {
    CliParse parse;
    if (std::string malformed = MalformedOption(arguments); !malformed.empty()) {
        parse.error = std::move(malformed);
        return parse;
    }

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    for (const OptionDefinition& option : kOptions) {
        QStringList names{QString::fromLatin1(option.name)};
        if (std::string_view(option.name) == "help") names.prepend(QStringLiteral("h"));
        parser.addOption(option.value == ValueKind::None
                             ? QCommandLineOption(names)
                             : QCommandLineOption(names, QString(), QStringLiteral("value")));
    }
    QStringList line{QStringLiteral("zev-cli")};
    for (const std::string& argument : arguments) line << FromBytes(argument);
    if (!parser.parse(line)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const std::string name = ToBytes(unknown.front());
            parse.error = "unknown option " + std::string(name.size() == 1 ? "-" : "--") + name;
        } else {
            std::string text = ToBytes(parser.errorText());
            if (!text.empty() && text.back() == '.') text.pop_back();
            if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z')
                text[0] = char(text[0] - 'A' + 'a');
            parse.error = text;
        }
        return parse;
    }

    CliOptions& o = parse.options;
    for (const QString& given : parser.optionNames()) {
        const std::string name = ToBytes(given) == "h" ? "help" : ToBytes(given);
        const std::string dashed = "--" + name;
        if (std::find(o.named.begin(), o.named.end(), dashed) == o.named.end()) {
            o.named.push_back(dashed);
        }
    }
    const auto text = [&](const char* name) -> std::optional<std::string> {
        if (!parser.isSet(QString::fromLatin1(name))) return std::nullopt;
        return ToBytes(parser.value(QString::fromLatin1(name)));
    };
    for (const OptionDefinition& option : kOptions) {
        if (option.value != ValueKind::Number) continue;
        const std::optional<std::string> value = text(option.name);
        if (value && !ParseNumber(*value, option.least, option.most)) {
            parse.error = NumberError(option, *value);
            return parse;
        }
    }
    const auto number = [&](const char* name) -> std::optional<int> {
        const std::optional<std::string> value = text(name);
        if (!value) return std::nullopt;
        const OptionDefinition* option = FindOption(name);
        return ParseNumber(*value, option->least, option->most);
    };
    const auto flag = [&](const char* name) { return parser.isSet(QString::fromLatin1(name)); };

    o.help = flag("help");
    o.version = flag("version");
    o.json = flag("json");
    o.modifyDefault = flag("default");
    o.verify = flag("verify");
    o.hex = flag("hex");
    o.timestamps = flag("timestamps");
    o.backup = text("backup");
    o.log = text("log");
    o.port = text("port");
    o.baud = number("baud");
    o.timeoutSeconds = number("timeout").value_or(o.timeoutSeconds);
    o.flash = number("flash");
    o.user = number("user");
    o.sortBy = text("by");
    o.descending = flag("descending");
    o.list = text("list");
    o.removeMissing = flag("remove-missing");
    for (const QString& position : parser.values(QStringLiteral("position"))) {
        o.positions.push_back(ToBytes(position));
    }

    const QStringList positional = parser.positionalArguments();
    if (!positional.isEmpty()) {
        o.command = ToBytes(positional.front());
        for (qsizetype i = 1; i < positional.size(); ++i) o.args.push_back(ToBytes(positional[i]));
    }
    return parse;
}

}  // namespace zev::cli
