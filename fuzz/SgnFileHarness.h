// Arbitrary bytes as an OTA software file (.sgn): the checks OTA Software Update makes before
// anything is sent. Beyond the sanitizers' part it checks that a refusal says why, and that an
// accepted file really holds what the run will send: the information where its offset points,
// and the announced length, which the block sender then sends in full, block by block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <span>
#include <string>

#include "FuzzFinding.h"
#include "core/ByteOrder.h"
#include "core/ByteSource.h"
#include "formats/SoftwareInfo.h"
#include "formats/TransferBlocks.h"
#include "protocols/BlockSender.h"
#include "protocols/RunHost.h"
#include "protocols/WordChecksum.h"

namespace zev::fuzz {

namespace detail {

// A link that takes every byte and counts it.
class CountingHost : public RunHost {
  public:
    std::size_t sent = 0;

    void AppendText(const std::string&) override {}
    MsgAnswer Message(const Translatable&, const Translatable&, MsgIcon, MsgButtons,
                      MsgAnswer) override {
        return MsgAnswer::Ok;
    }
    bool OpenLink() override { return true; }
    void CloseLink() override {}
    bool LinkOpen() const override { return true; }
    std::string PortName() const override { return "COM1"; }
    int SendByte(uint8_t) override {
        ++sent;
        return 1;
    }
    std::size_t SendBytes(const uint8_t*, std::size_t count) override {
        sent += count;
        return count;
    }
};

}  // namespace detail

inline Finding CheckSgnFile(std::span<const uint8_t> bytes) {
    MemoryByteSource file(bytes);
    const OtaFileCheck check = zev::CheckOtaFile(file);
    if (!check.ok) return check.error.Empty() ? "a refused OTA file without a reason" : "";

    const OtaFileInfo& info = check.info;
    const uint64_t offset = ReadLe32(bytes.data());
    if (offset + 26 > bytes.size()) return "the accepted information lies beyond the file";
    const uint8_t* at = bytes.data() + offset;
    if (info.softwareId != at[4] || info.hardwareVersion != at[5] || info.softwareType != at[6] ||
        info.softwareVersion != at[7] || info.length != uint64_t{ReadLe32(at + 22)} + 8) {
        return "the information read is not the file's";
    }
    const uint32_t blocks = BlockCountFor(info.length);
    if (info.length > bytes.size() || blocks < 1 || blocks > kMaxBlocks) {
        return "an accepted length the transfer cannot send";
    }
    std::tm noon{};
    noon.tm_year = 107;
    noon.tm_mday = 15;
    noon.tm_hour = 12;
    const SoftwareInfoBlock block = MakeSoftwareInfoBlock(info, noon);
    if (ReadLe32(&block[2]) != info.length || block[0] != info.softwareId) {
        return "the information block does not carry the file's information";
    }

    // What the run then sends: every block in full, the last one reported as such.
    detail::CountingHost host;
    BlockSender sender;
    WordChecksum checksum;
    sender.Start(info.length);
    for (uint32_t i = 1; i <= blocks; ++i) {
        const BlockOutcome outcome = sender.SendNextBlock(host, file, checksum, i == 1);
        const BlockOutcome expected =
            i == blocks ? BlockOutcome::LastBlockSent : BlockOutcome::MoreBlocks;
        if (outcome != expected) return "an accepted file's blocks do not all go out";
    }
    if (host.sent != info.length) return "the blocks sent do not add up to the length";
    return {};
}

inline int FuzzSgnFile(const uint8_t* data, std::size_t size) {
    return AbortOnFinding(CheckSgnFile({data, size}));
}

}  // namespace zev::fuzz
