// The receiver's 2 MB flash memory, optionally mirrored in a file so that its contents survive
// the simulator.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zev::boxsim {

class FlashMemory {
  public:
    static constexpr std::uint32_t kSize = 0x200000;
    static constexpr std::uint8_t kErased = 0xFF;

    FlashMemory();

    // Keeps the contents in `path`: loads it now if it exists (a shorter file leaves the rest
    // erased) and writes it back after every change. Returns false with `error` set when the
    // file cannot be read or is larger than the flash.
    bool attachFile(const std::string& path, std::string& error);

    bool fits(std::uint32_t address, std::uint32_t length) const;
    std::span<const std::uint8_t> read(std::uint32_t address, std::uint32_t length) const;
    // Programs `data` at `address`; false when it would run past the end of the flash or the
    // backing file cannot be written.
    bool write(std::uint32_t address, std::span<const std::uint8_t> data);

  private:
    bool saveToFile();

    std::vector<std::uint8_t> cells_;
    std::string filePath_;
};

}  // namespace zev::boxsim
