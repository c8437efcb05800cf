// What the boot loader's update and the OTA loader's update have in common: the opening, a
// fixed-size description of the transfer (header or information block), the data in 8192-byte
// blocks with their checksum, and a result behind the loader's end marker.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "BlockReceiver.h"
#include "ByteCollector.h"
#include "Exchange.h"
#include "Handshake.h"

namespace zev::boxsim {

// A result that a fault forces in place of the real one.
struct FaultResult {
    Fault fault;
    std::uint8_t code;
    bool withAddress;  // the result frame carries the flash address
    const char* why;   // for the log
};

class UpdateExchange : public Exchange {
  public:
    // The bytes and texts that tell one loader's update from the other's.
    struct Loader {
        const char* name;  // "update", "OTA update": for the log
        std::uint8_t helloCommand;
        std::uint8_t readyCommand;
        std::uint8_t versionMajor;
        std::uint8_t syncCommand;
        std::uint8_t endMarker;
        std::uint8_t success;
        std::uint8_t lengthError;  // also the result when a block is not released
        const char* syncRefusedWhy;
        std::size_t descriptionSize;
    };

    void start() override { handshake_.start(); }
    void receive(std::uint8_t byte) override;
    std::size_t dataWanted() const override { return blocks_.dataWanted(); }
    void receiveData(std::span<const std::uint8_t> bytes) override { blocks_.receiveData(bytes); }

  protected:
    UpdateExchange(BoxContext& context, const Loader& loader);

    // The description has arrived: the update checks it and starts the data or finishes.
    virtual void takeDescription(const Bytes& description) = 0;
    // The checksum has arrived: the update sends its result.
    virtual void concludeTransfer() = 0;

    // Sends the result of the first fault in `faults` that is set; false when none is.
    bool sendFaultResult(std::span<const FaultResult> faults, std::uint32_t address);
    void sendResult(Bytes result, const std::string& why);

    BlockReceiver blocks_;

  private:
    enum class Step { Handshake, Description, Data };

    Loader loader_;
    Step step_ = Step::Handshake;
    Handshake handshake_;
    ByteCollector description_;
};

}  // namespace zev::boxsim
