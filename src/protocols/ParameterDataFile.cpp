#include "protocols/ParameterDataFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <iostream>
#include <memory>

#include "core/TextFormat.h"
#include "protocols/RunHost.h"

namespace zev {
namespace {

// Longest piece of a line taken by one read; the rest of a longer line is ignored.
constexpr int kReadPiece = 99;

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

    // Up to `maxLength` characters from `column`, stopping at NUL; zero-filled and stored in
    // swapped pairs (record byte 2k holds character 2k+1).
    void StoreName(uint8_t* out, std::size_t column, std::size_t maxLength) const {
        std::vector<uint8_t> name(maxLength + 1, 0);
        for (std::size_t i = 0; i < maxLength && At(column + i) != '\0'; ++i) {
            name[i] = static_cast<uint8_t>(At(column + i));
        }
        for (std::size_t k = 0; k + 1 < name.size(); k += 2) {
            out[k] = name[k + 1];
            out[k + 1] = name[k];
        }
    }

  private:
    const std::string& line_;
};

void PutWord(uint8_t* out, int value) {
    out[0] = static_cast<uint8_t>(value);
    out[1] = static_cast<uint8_t>(value >> 8);
}

void PutLe16(uint8_t* out, uint32_t value) {
    out[0] = static_cast<uint8_t>(value);
    out[1] = static_cast<uint8_t>(value >> 8);
}

void PutLe32(uint8_t* out, uint32_t value) {
    PutLe16(out, value);
    PutLe16(out + 2, value >> 16);
}

void PutTableEntry(uint8_t* out, uint16_t type, uint32_t size, uint32_t count, uint32_t offset) {
    PutLe16(out, type);
    PutLe32(out + 2, size);
    PutLe16(out + 6, count);
    PutLe32(out + 8, offset);
}

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

// A line whose comma columns do not all hold ',' is malformed: its error is printed and
// flagged, and the caller leaves its record as it was.
bool WellFormed(const LineFields& f, std::initializer_list<std::size_t> commas, char kind,
                std::size_t index, bool& lineError) {
    if (f.CommasAt(commas)) {
        return true;
    }
    lineError = true;
    std::cout << "\n " << kind << ": " << index << " line error!" << std::flush;
    return false;
}

}  // namespace

ParameterDataFile::ParameterDataFile()
    : satellites_((kMaxUpdateSatellites + 1) * kUpdateSatelliteSize, 0),
      transponders_(kMaxUpdateTransponders * kUpdateTransponderSize, 0),
      channels_(kMaxUpdateChannels * kUpdateListChannelSize, 0) {}

bool ParameterDataFile::Parse(const std::string& path) {
    satCount_ = tpCount_ = chCount_ = 0;
    fullDatabase_ = false;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "r"),
                                                         &std::fclose);
    if (!file) {
        return false;
    }
    char piece[kReadPiece + 1];
    bool startOfLine = true;
    while (std::fgets(piece, sizeof piece, file.get()) != nullptr) {
        std::string text(piece, std::strlen(piece));
        const bool endsLine = !text.empty() && text.back() == '\n';
        if (startOfLine) {
            // Text mode: a CR LF line end reads as LF.
            if (text.size() >= 2 && text[text.size() - 2] == '\r' && endsLine) {
                text.erase(text.size() - 2, 1);
            }
            ParseLine(text);
        }
        startOfLine = endsLine;
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

void ParameterDataFile::ParseSatellite(const std::string& line, std::size_t index) {
    const LineFields f(line);
    if (!WellFormed(f, {7, 9, 11, 17, 19, 21, 23, 25}, 'S', index, satLineError_)) {
        return;
    }
    if (index * kUpdateSatelliteSize >= satellites_.size()) {
        return;  // counted, refused later by CapacityProblem
    }
    uint8_t* r = &satellites_[index * kUpdateSatelliteSize];
    PutWord(r + 0, f.Number(2, 5) * 4 | LnbType(f.At(8)) * 2 | f.Digit(10));
    PutWord(r + 2, f.Number(12, 5) * 4 | f.Digit(18) * 2 | f.Digit(20));
    PutWord(r + 4, f.Digit(24) * 16 | f.Digit(22) * 8);
    f.StoreName(r + 6, 26, 10);
}

void ParameterDataFile::ParseTransponder(const std::string& line, std::size_t index) {
    const LineFields f(line);
    if (!WellFormed(f, {7, 9, 11, 14, 18, 24}, 'T', index, tpLineError_)) {
        return;
    }
    if (index >= kMaxUpdateTransponders) {
        return;
    }
    uint8_t* r = &transponders_[index * kUpdateTransponderSize];
    PutWord(r + 0, f.Number(2, 5) * 4 | Polarisation(f.At(8)) * 2);
    PutWord(r + 2, f.Byte(15, 3) * 128 | f.Byte(12, 2) * 2);
    PutWord(r + 4, f.Number(19, 5));
    PutWord(r + 6, f.Number(25, 5));
}

void ParameterDataFile::ParseFullChannel(const std::string& line, std::size_t index) {
    const LineFields f(line);
    if (!WellFormed(f, {6, 11, 16, 21, 26, 28, 30, 32, 34, 40, 46, 52}, 'C', index, chLineError_)) {
        return;
    }
    if (index >= kMaxUpdateChannels) {
        return;
    }
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
    const LineFields f(line);
    if (!WellFormed(f, {7,  9,  11, 17, 19, 21, 24, 28, 30, 32, 34, 39, 41,
                        43, 48, 50, 52, 57, 59, 61, 66, 68, 74, 76, 78, 80},
                    'C', index, chLineError_)) {
        return;
    }
    if (index >= kMaxUpdateChannels) {
        return;
    }
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

std::string ParameterDataFile::CapacityProblem(std::size_t bufferSize) const {
    if (satCount_ > kMaxUpdateSatellites) {
        return Format("The file holds %zu S lines; at most %zu fit.", satCount_,
                      kMaxUpdateSatellites);
    }
    if (tpCount_ > kMaxUpdateTransponders) {
        return Format("The file holds %zu T lines; at most %zu fit.", tpCount_,
                      kMaxUpdateTransponders);
    }
    if (chCount_ > kMaxUpdateChannels) {
        return Format("The file holds %zu C lines; at most %zu fit.", chCount_, kMaxUpdateChannels);
    }
    if (TotalLength() > bufferSize) {
        return Format("The update image of %u bytes is larger than its buffer of %zu bytes.",
                      TotalLength(), bufferSize);
    }
    return {};
}

uint32_t ParameterDataFile::TotalLength() const {
    const std::size_t records = fullDatabase_ ? kUpdateSatelliteSize * satCount_ +
                                                    kUpdateTransponderSize * tpCount_ +
                                                    kUpdateFullChannelSize * chCount_
                                              : kUpdateListChannelSize * chCount_;
    return static_cast<uint32_t>(kUpdateHeaderSize + records);
}

uint32_t ParameterDataFile::BuildHeader() {
    const auto s = static_cast<uint32_t>(satCount_);
    const auto t = static_cast<uint32_t>(tpCount_);
    const auto c = static_cast<uint32_t>(chCount_);
    const uint32_t total = TotalLength();
    header_.fill(0);
    PutLe32(&header_[0], 0x0000717A);
    PutLe32(&header_[8], 0x070D0000);
    PutLe32(&header_[12], total);
    PutLe16(&header_[16], kUpdateHeaderSize);
    const uint32_t satOffset = kUpdateHeaderSize;
    const uint32_t tpOffset = satOffset + kUpdateSatelliteSize * s;
    const uint32_t chOffset = tpOffset + kUpdateTransponderSize * t;
    PutTableEntry(&header_[18], 11, kUpdateSatelliteSize * s, s, satOffset);
    PutTableEntry(&header_[30], 12, kUpdateTransponderSize * t, t, tpOffset);
    const uint32_t channelSize = fullDatabase_ ? kUpdateFullChannelSize : kUpdateListChannelSize;
    PutTableEntry(&header_[42], 1, channelSize * c, c, chOffset);
    return total;
}

void ParameterDataFile::BuildImage(std::span<uint8_t> image, RunHost& host) const {
    uint8_t* out = image.data();
    out = std::copy(header_.begin(), header_.end(), out);
    if (fullDatabase_) {
        out = std::copy_n(satellites_.begin(), kUpdateSatelliteSize * satCount_, out);
        host.AppendText(Format("\n  S:[%zu]", satCount_));
        out = std::copy_n(transponders_.begin(), kUpdateTransponderSize * tpCount_, out);
        host.AppendText(Format("\n  T:[%zu]", tpCount_));
        for (std::size_t i = 0; i < chCount_; ++i) {
            out = std::copy_n(channels_.begin() + i * kUpdateListChannelSize,
                              kUpdateFullChannelSize, out);
        }
        host.AppendText(Format("\n  C:[%zu]", chCount_));
    } else {
        std::copy_n(channels_.begin(), kUpdateListChannelSize * chCount_, out);
        host.AppendText(Format("C:[%zu]", chCount_));
    }
}

}  // namespace zev
