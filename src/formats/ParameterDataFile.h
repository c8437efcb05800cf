// Parameter data files for the boot loader: text lines for satellites (S), transponders (T)
// and channels (C), each packed into a record of the receiver's parameter format. Parsing
// takes the file's bytes and keeps what it found; it reads and prints nothing itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/Translatable.h"

namespace zev {

inline constexpr std::size_t kUpdateSatelliteSize = 18;
inline constexpr std::size_t kUpdateTransponderSize = 8;
inline constexpr std::size_t kUpdateFullChannelSize = 28;
inline constexpr std::size_t kUpdateListChannelSize = 34;  // also the size of a channel slot
// The satellite count travels in 8 bits.
inline constexpr std::size_t kMaxUpdateSatellites = 255;
inline constexpr std::size_t kMaxUpdateTransponders = 5000;
inline constexpr std::size_t kMaxUpdateChannels = 10000;
// The most of a data file that is read: a file that fills every table takes about 1.5 MB.
inline constexpr std::size_t kMaxDataFileSize = 16 * 1024 * 1024;

// A line whose comma columns do not all hold ','. It is not packed, but it counts.
struct MalformedLine {
    char kind;          // 'S', 'T' or 'C'
    std::size_t index;  // 0-based among the lines of its kind
    bool operator==(const MalformedLine&) const = default;
};

// The report of a malformed line, " S: 0 line error!" (the terminal puts it on a line of its
// own).
std::string MalformedLineText(const MalformedLine& line);

// The records of the last parse. One instance serves every parse: a malformed line leaves its
// record as an earlier parse left it.
class ParameterDataFile {
  public:
    ParameterDataFile();

    // Reads the lines of `bytes`; true when at least one S, T or C line was met. A line ends at
    // its line feed whatever bytes it holds; a CR LF end reads as LF, and only the first 99
    // bytes of a line are read.
    bool Parse(std::span<const uint8_t> bytes);

    std::size_t SatelliteCount() const { return satCount_; }
    std::size_t TransponderCount() const { return tpCount_; }
    std::size_t ChannelCount() const { return chCount_; }
    // Set by the first T line: the C lines after it use the full-database layout.
    bool FullDatabase() const { return fullDatabase_; }
    // The malformed lines of the last parse, in file order.
    const std::vector<MalformedLine>& MalformedLines() const { return malformed_; }

    // Empty when every line found room in its table; otherwise a sentence saying what does
    // not fit.
    Translatable TableProblem() const;

    // The packed records, valid for the counts within the tables' room.
    std::span<const uint8_t> SatelliteRecords() const;
    std::span<const uint8_t> TransponderRecords() const;
    // Channel i's slot: a full-database record in its first 28 bytes, or a channel-list record.
    std::span<const uint8_t, kUpdateListChannelSize> ChannelSlot(std::size_t i) const;

  private:
    void ParseLine(const std::string& line);
    void ParseSatellite(const std::string& line, std::size_t index);
    void ParseTransponder(const std::string& line, std::size_t index);
    void ParseFullChannel(const std::string& line, std::size_t index);
    void ParseListChannel(const std::string& line, std::size_t index);
    bool WellFormed(const std::string& line, std::initializer_list<std::size_t> commas, char kind,
                    std::size_t index);

    std::vector<uint8_t> satellites_;
    std::vector<uint8_t> transponders_;
    std::vector<uint8_t> channels_;  // slots of kUpdateListChannelSize bytes
    std::size_t satCount_ = 0;
    std::size_t tpCount_ = 0;
    std::size_t chCount_ = 0;
    bool fullDatabase_ = false;
    std::vector<MalformedLine> malformed_;
};

}  // namespace zev
