#include "settings/SettingsFile.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/FileReplacement.h"
#include "core/NativeFile.h"
#include "core/RegularFile.h"
#include "settings/PortChoiceText.h"

namespace zev {

namespace {

constexpr std::size_t kRecordSize = 50;
constexpr int kFieldCount = 8;
// Far more than any settings text; keeps a stray huge file from being read whole.
constexpr std::size_t kMaxReadSize = 64 * 1024;

std::string SettingsText(const LinkSettings& s) {
    std::string text;
    for (const std::string& field :
         {std::to_string(s.baudRate), std::to_string(s.dataBits), ChoiceText(s.parity), s.portName,
          ChoiceText(s.stopBits), ChoiceText(s.flowControl), std::to_string(s.flashSizeIndex),
          std::to_string(s.userSizeIndex)}) {
        text += field;
        text += ',';
    }
    return text;
}

void StoreField(LinkSettings& s, int index, const std::string& field) {
    switch (index) {
        case 0:
            s.baudRate = ParseSettingsInt(field);
            break;
        case 1:
            s.dataBits = ParseSettingsInt(field);
            break;
        case 2:
            s.parity = ChoiceFromText<Parity>(field);
            break;
        case 3:
            s.portName = field;
            break;
        case 4:
            s.stopBits = ChoiceFromText<StopBits>(field);
            break;
        case 5:
            s.flowControl = ChoiceFromText<FlowControl>(field);
            break;
        case 6:
            s.flashSizeIndex = ParseSettingsInt(field);
            break;
        case 7:
            s.userSizeIndex = ParseSettingsInt(field);
            break;
        default:
            break;
    }
}

// Fields complete with their comma replace the defaults; a field cut off by the end of the
// bytes (no comma) is ignored, and fields never reached keep their defaults.
LinkSettings ParseSettingsText(const std::string& bytes) {
    LinkSettings settings;
    std::string field;
    int index = 0;
    for (char c : bytes) {
        if (c != ',') {
            field += c;
            continue;
        }
        StoreField(settings, index, field);
        field.clear();
        if (++index == kFieldCount) break;
    }
    return settings;
}

// Creates the file only if it does not exist yet (Windows' C library ignores fopen's "x" and
// would empty an existing file).
bool CreateWithDefaults(const std::string& path) {
    std::FILE* file = CreateNewFile(path);
    if (file == nullptr) return false;
    std::string record = SettingsText(LinkSettings{});
    record.resize(kRecordSize, '\0');
    std::fwrite(record.data(), 1, record.size(), file);
    std::fclose(file);
    return true;
}

}  // namespace

int ParseSettingsInt(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) value = INT_MAX + 1LL;  // saturate instead of overflowing
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    return static_cast<int>(value);
}

std::optional<LinkSettings> ReadSettingsFile(const std::string& path, std::string* problem) {
    // Only a regular file is read, and only its beginning: a pipe or a device in its place
    // must neither block the start nor feed it without end.
    FileError error;
    const std::optional<std::vector<uint8_t>> bytes =
        ReadRegularFile(path, kMaxReadSize, Overlong::ReadPrefix, error);
    if (!bytes) {
        std::error_code code;
        const bool there = std::filesystem::exists(std::filesystem::symlink_status(path, code));
        if (problem != nullptr && there) {
            *problem =
                FileError{error.problem,
                          ZEV_TR("FileError", "%1; the default settings are used").Arg(error.text)}
                    .Sentence();
        }
        return std::nullopt;
    }
    return ParseSettingsText(std::string(bytes->begin(), bytes->end()));
}

LinkSettings LoadSettingsFile(const std::string& path, std::string* problem) {
    if (CreateWithDefaults(path)) return LinkSettings{};
    std::string unreadable;
    if (std::optional<LinkSettings> settings = ReadSettingsFile(path, &unreadable)) {
        return *settings;
    }
    if (!unreadable.empty()) {
        if (problem != nullptr) *problem = unreadable;
        return LinkSettings{};
    }
    // The file vanished between the two steps: create it once more, else run on defaults.
    CreateWithDefaults(path);
    return LinkSettings{};
}

bool SaveSettingsFile(const LinkSettings& settings, const std::string& path) {
    // The record takes the file's first 50 bytes and whatever follows it stays; a text too long
    // for the record is the whole file, so that nothing is cut and no older, longer text is
    // left behind it. The file is replaced whole, like every file the program writes: a pipe
    // or device in its place is refused, never waited for.
    std::error_code code;
    const std::filesystem::file_status status = std::filesystem::status(path, code);
    std::vector<uint8_t> contents;
    if (std::filesystem::exists(status)) {
        FileError error;
        std::optional<std::vector<uint8_t>> old =
            ReadRegularFile(path, kMaxReadSize, Overlong::ReadPrefix, error);
        if (!old) return false;
        contents = std::move(*old);
    }
    std::string record = SettingsText(settings);
    if (record.size() > kRecordSize) {
        contents.assign(record.begin(), record.end());
    } else {
        record.resize(kRecordSize, '\0');
        if (contents.size() < kRecordSize) contents.resize(kRecordSize);
        std::copy(record.begin(), record.end(), contents.begin());
    }
    FileError error;
    return ReplaceFile(path, contents, error);
}

}  // namespace zev
