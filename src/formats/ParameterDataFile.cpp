#include "formats/ParameterDataFile.h"

#include <algorithm>
#include <initializer_list>

#include "core/ByteOrder.h"
#include "core/TextFormat.h"

namespace zev {
namespace {

// Longest piece of a line that is read; the rest of a longer line is ignored.
constexpr std::size_t kReadPiece = 99;

// Fixed-column access to one line; columns past its end read as NUL.
class LineFields {
  public:
    explicit LineFields(const std::string& line) : line_(line) {}

    char At(std::size_t column) const { return column < line_.size() ? line_[column] : '\0'; }

    // Decimal digits taken as (character - '0') each, unchecked, as the receiver's tools do.
    int Number(std::size_t column, std::size_t width) const {
        int value = 0;
        for (std::size_t i = 0; i < width; ++i) {
            value = value * 10 + (At(column + i) - '0');
        }
        return value;
    }
    // Two- and three-digit fields hold 8 bits.
    int Byte(std::size_t column, std::size_t width) const {
        return static_cast<uint8_t>(Number(column, width));
    }
    int Digit(std::size_t column) const { return At(column) - '0'; }

    bool CommasAt(std::initializer_list<std::size_t> columns) const {
        return std::all_of(columns.begin(), columns.end(),
                           [this](std::size_t c) { return At(c) == ','; });
    }

    // Up to `maxLength` (even) characters from `column`, stopping at NUL, zero-filled and
    // stored in swapped pairs.
    void StoreName(uint8_t* out, std::size_t column, std::size_t maxLength) const {
        std::vector<uint8_t> name(maxLength, 0);
        for (std::size_t i = 0; i < maxLength && At(column + i) != '\0'; ++i) {
            name[i] = static_cast<uint8_t>(At(column + i));
        }
        SwapPairs(name.data(), out, maxLength);
    }

  private:
    const std::string& line_;
};

// Only the low 16 bits of a packed value are stored.
void PutWord(uint8_t* out, int value) { WriteLe16(out, static_cast<uint16_t>(value)); }

int LnbType(char c) { return c == 'U' ? 1 : 0; }
// Anything but 'V' counts as horizontal.
int Polarisation(char c) { return c == 'V' ? 1 : 0; }
// Letters outside their sets take the full-database layout's values in both layouts.
int PnuValue(char c) { return c == 'N' ? 1 : c == 'U' ? 2 : 0; }
int LsrmValue(char c) {
    switch (c) {
        case 'L':
            return 0;
        case 'S':
            return 1;
        case 'M':
            return 3;
        default:
            return 2;
    }
}

}  // namespace

std::string MalformedLineText(const MalformedLine& line) {
    return Format(" %c: %zu line error!", line.kind, line.index);
}

ParameterDataFile::ParameterDataFile()
    : satellites_((kMaxUpdateSatellites + 1) * kUpdateSatelliteSize, 0),
      transponders_(kMaxUpdateTransponders * kUpdateTransponderSize, 0),
      channels_(kMaxUpdateChannels * kUpdateListChannelSize, 0) {}

bool ParameterDataFile::Parse(std::span<const uint8_t> bytes) {
    satCount_ = tpCount_ = chCount_ = 0;
    fullDatabase_ = false;
    malformed_.clear();
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto lineFeed = std::find(bytes.begin() + static_cast<std::ptrdiff_t>(start),
                                        bytes.end(), uint8_t{'\n'});
        const std::size_t end = lineFeed == bytes.end()
                                    ? bytes.size()
                                    : static_cast<std::size_t>(lineFeed - bytes.begin()) + 1;
        std::string line(bytes.begin() + static_cast<std::ptrdiff_t>(start),
                         bytes.begin() + static_cast<std::ptrdiff_t>(end));
        // Text mode: a CR LF line end reads as LF.
        if (line.size() >= 2 && line.ends_with("\r\n")) {
            line.erase(line.size() - 2, 1);
        }
        if (line.size() > kReadPiece) {
            line.resize(kReadPiece);
        }
        ParseLine(line);
        start = end;
    }
    return satCount_ + tpCount_ + chCount_ > 0;
}

void ParameterDataFile::ParseLine(const std::string& line) {
    if (line.size() < 2 || line[1] != ':') {
        return;
    }
    switch (line[0]) {
        case 'S':
            ParseSatellite(line, satCount_++);
            break;
        case 'T':
            fullDatabase_ = true;
            ParseTransponder(line, tpCount_++);
            break;
        case 'C':
            if (fullDatabase_) {
                ParseFullChannel(line, chCount_++);
            } else {
                ParseListChannel(line, chCount_++);
            }
            break;
        default:
            break;
    }
}

bool ParameterDataFile::WellFormed(const std::string& line,
                                   std::initializer_list<std::size_t> commas, char kind,
                                   std::size_t index) {
    if (LineFields(line).CommasAt(commas)) {
        return true;
    }
    malformed_.push_back({kind, index});
    return false;
}

void ParameterDataFile::ParseSatellite(const std::string& line, std::size_t index) {
    if (!WellFormed(line, {7, 9, 11, 17, 19, 21, 23, 25}, 'S', index)) {
        return;
    }
    if (index * kUpdateSatelliteSize >= satellites_.size()) {
        return;  // counted, refused by TableProblem
    }
    const LineFields f(line);
    uint8_t* r = &satellites_[index * kUpdateSatelliteSize];
    PutWord(r + 0, f.Number(2, 5) * 4 | LnbType(f.At(8)) * 2 | f.Digit(10));
    PutWord(r + 2, f.Number(12, 5) * 4 | f.Digit(18) * 2 | f.Digit(20));
    PutWord(r + 4, f.Digit(24) * 16 | f.Digit(22) * 8);
    f.StoreName(r + 6, 26, 10);
}

void ParameterDataFile::ParseTransponder(const std::string& line, std::size_t index) {
    if (!WellFormed(line, {7, 9, 11, 14, 18, 24}, 'T', index) || index >= kMaxUpdateTransponders) {
        return;
    }
    const LineFields f(line);
    uint8_t* r = &transponders_[index * kUpdateTransponderSize];
    PutWord(r + 0, f.Number(2, 5) * 4 | Polarisation(f.At(8)) * 2);
    PutWord(r + 2, f.Byte(15, 3) * 128 | f.Byte(12, 2) * 2);
    PutWord(r + 4, f.Number(19, 5));
    PutWord(r + 6, f.Number(25, 5));
}

void ParameterDataFile::ParseFullChannel(const std::string& line, std::size_t index) {
    if (!WellFormed(line, {6, 11, 16, 21, 26, 28, 30, 32, 34, 40, 46, 52}, 'C', index) ||
        index >= kMaxUpdateChannels) {
        return;
    }
    const LineFields f(line);
    uint8_t* r = &channels_[index * kUpdateListChannelSize];
    f.StoreName(r, 53, 12);
    PutWord(r + 12, f.Number(2, 4) * 8 | f.Digit(27) * 4 | PnuValue(f.At(29)));
    PutWord(r + 14, f.Number(7, 4) * 8);
    PutWord(r + 16, f.Number(12, 4) * 8 | f.Digit(31) * 4 | LsrmValue(f.At(33)));
    PutWord(r + 18, f.Number(17, 4) * 8);
    PutWord(r + 20, f.Number(35, 5) * 32);
    PutWord(r + 22, f.Number(41, 5));
    PutWord(r + 24, f.Number(47, 5));
    PutWord(r + 26, f.Number(22, 4) * 8);
}

void ParameterDataFile::ParseListChannel(const std::string& line, std::size_t index) {
    if (!WellFormed(line, {7,  9,  11, 17, 19, 21, 24, 28, 30, 32, 34, 39, 41,
                           43, 48, 50, 52, 57, 59, 61, 66, 68, 74, 76, 78, 80},
                    'C', index) ||
        index >= kMaxUpdateChannels) {
        return;
    }
    const LineFields f(line);
    uint8_t* r = &channels_[index * kUpdateListChannelSize];
    f.StoreName(r, 81, 10);
    PutWord(r + 10, f.Number(2, 5) * 4 | f.Digit(8) * 2 | f.Digit(10));
    PutWord(r + 12, f.Number(12, 5) * 4 | Polarisation(f.At(18)) * 2 | f.Digit(20));
    PutWord(r + 14, f.Byte(22, 2) * 512 | f.Byte(25, 3) * 2 | f.Digit(29));
    PutWord(r + 16, f.Digit(31) * 4096);
    PutWord(r + 18, f.Number(35, 4) * 8 | f.Digit(42) * 4 | PnuValue(f.At(40)));
    PutWord(r + 20, f.Number(44, 4) * 8 | f.Digit(51) * 4 | f.Digit(49));
    PutWord(r + 22, f.Number(53, 4) * 8 | f.Digit(60) * 4 | LsrmValue(f.At(58)));
    PutWord(r + 24, f.Number(62, 4) * 8);
    PutWord(r + 26, f.Number(69, 5));
    PutWord(r + 28, f.Digit(75));
    PutWord(r + 30, f.Digit(77));
    PutWord(r + 32, f.Digit(79));
}

Translatable ParameterDataFile::TableProblem() const {
    if (satCount_ > kMaxUpdateSatellites) {
        return ZEV_TR("ParameterDataFile", "The file holds %1 S lines; at most %2 fit.")
            .Arg(satCount_)
            .Arg(kMaxUpdateSatellites);
    }
    if (tpCount_ > kMaxUpdateTransponders) {
        return ZEV_TR("ParameterDataFile", "The file holds %1 T lines; at most %2 fit.")
            .Arg(tpCount_)
            .Arg(kMaxUpdateTransponders);
    }
    if (chCount_ > kMaxUpdateChannels) {
        return ZEV_TR("ParameterDataFile", "The file holds %1 C lines; at most %2 fit.")
            .Arg(chCount_)
            .Arg(kMaxUpdateChannels);
    }
    return {};
}

std::span<const uint8_t> ParameterDataFile::SatelliteRecords() const {
    return std::span<const uint8_t>(satellites_)
        .first(std::min(satellites_.size(), satCount_ * kUpdateSatelliteSize));
}

std::span<const uint8_t> ParameterDataFile::TransponderRecords() const {
    return std::span<const uint8_t>(transponders_)
        .first(std::min(transponders_.size(), tpCount_ * kUpdateTransponderSize));
}

std::span<const uint8_t, kUpdateListChannelSize> ParameterDataFile::ChannelSlot(
    std::size_t i) const {
    return std::span<const uint8_t>(channels_)
        .subspan(i * kUpdateListChannelSize)
        .first<kUpdateListChannelSize>();
}

}  // namespace zev
