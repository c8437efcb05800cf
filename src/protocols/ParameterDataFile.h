// Parameter data files for the boot loader: text lines for satellites (S), transponders (T)
// and channels (C), packed into the records of the ParameterUpdateImage (a 54-byte header
// followed by the records).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zev {

class RunHost;

inline constexpr std::size_t kUpdateHeaderSize = 54;
inline constexpr std::size_t kUpdateSatelliteSize = 18;
inline constexpr std::size_t kUpdateTransponderSize = 8;
inline constexpr std::size_t kUpdateFullChannelSize = 28;
inline constexpr std::size_t kUpdateListChannelSize = 34;  // also the size of a channel slot
// The satellite count travels in 8 bits.
inline constexpr std::size_t kMaxUpdateSatellites = 255;
inline constexpr std::size_t kMaxUpdateTransponders = 5000;
inline constexpr std::size_t kMaxUpdateChannels = 10000;

class ParameterDataFile {
  public:
    ParameterDataFile();

    // Reads the file; true when it holds at least one S, T or C line. Line errors go to
    // standard output. A file that cannot be opened gives false.
    bool Parse(const std::string& path);

    std::size_t SatelliteCount() const { return satCount_; }
    std::size_t TransponderCount() const { return tpCount_; }
    std::size_t ChannelCount() const { return chCount_; }
    // Set by the first T line: the C lines after it use the full-database layout.
    bool FullDatabase() const { return fullDatabase_; }

    // Empty when every line found room in its table and the image fits `bufferSize`;
    // otherwise a sentence saying what does not fit.
    std::string CapacityProblem(std::size_t bufferSize) const;

    // Builds the 54-byte header; returns the image's total length.
    uint32_t BuildHeader();
    uint32_t TotalLength() const;

    // Copies header and records into `image` (at least TotalLength() bytes) and prints the
    // record counts to the terminal.
    void BuildImage(std::span<uint8_t> image, RunHost& host) const;

    std::span<const uint8_t, kUpdateHeaderSize> Header() const { return header_; }

  private:
    void ParseLine(const std::string& line);
    void ParseSatellite(const std::string& line, std::size_t index);
    void ParseTransponder(const std::string& line, std::size_t index);
    void ParseFullChannel(const std::string& line, std::size_t index);
    void ParseListChannel(const std::string& line, std::size_t index);

    std::array<uint8_t, kUpdateHeaderSize> header_{};
    std::vector<uint8_t> satellites_;
    std::vector<uint8_t> transponders_;
    std::vector<uint8_t> channels_;  // slots of kUpdateListChannelSize bytes
    std::size_t satCount_ = 0;
    std::size_t tpCount_ = 0;
    std::size_t chCount_ = 0;
    bool fullDatabase_ = false;
    bool satLineError_ = false;
    bool tpLineError_ = false;
    bool chLineError_ = false;
};

}  // namespace zev
