// Settings send (0xCC) and load (0xBB) with the receiver's boot loader.
#include <gtest/gtest.h>

#include <algorithm>

#include "SampleUserBlock.h"
#include "SimulatedPc.h"
#include "UserBlockHeader.h"

namespace zev::boxsim::test {
namespace {

constexpr std::uint8_t kKindAll = 2;
constexpr std::uint8_t kKindUser = 4;

// Request, sign answer and hello answer up to the ready frame.
void openSettingsExchange(SimulatedPc& pc, std::uint8_t request) {
    pc.send({request});
    ASSERT_EQ(pc.received(), Bytes{request});
    pc.send({0x55});
    ASSERT_EQ(pc.received(), (Bytes{kStx, 0x01, kEtx}));
    pc.send({kStx, 0x01, 0x0A, kEtx});
    ASSERT_EQ(pc.received().size(), 11u);
}

// Runs a settings send up to the box's checksum verdict; returns the verdict and result bytes.
Bytes sendImage(SimulatedPc& pc, std::uint32_t address, const Bytes& image, std::uint8_t kind) {
    openSettingsExchange(pc, 0xCC);
    pc.send({0xCD});
    EXPECT_EQ(pc.received(), Bytes{0xCD});
    pc.send(concat(
        {{kStx}, le32(address), le32(static_cast<std::uint32_t>(image.size())), {kind, kEtx}}));
    for (std::size_t offset = 0; offset < image.size(); offset += kBlockSize) {
        EXPECT_EQ(pc.received(), kSync) << "before the block at " << offset;
        pc.send(slice(image, offset, kBlockSize));
    }
    pc.send(le32(dataChecksum(image)));
    return pc.received();
}

struct LoadedBlock {
    std::uint32_t length;
    std::uint32_t address;
    Bytes data;
    std::uint32_t checksum;
};

LoadedBlock loadUserBlock(SimulatedPc& pc) {
    openSettingsExchange(pc, 0xBB);
    pc.send({0xBC});
    const Bytes header = pc.received();
    EXPECT_EQ(header.size(), 18u);
    EXPECT_EQ(header.front(), kStx);
    EXPECT_EQ(header.back(), kEtx);
    LoadedBlock block{readLe32(header, 1), readLe32(header, 5), {}, 0};
    while (block.data.size() < block.length) {
        pc.send(kSync);
        const Bytes part = pc.received();
        if (part.empty()) break;
        block.data.insert(block.data.end(), part.begin(), part.end());
    }
    if (block.data.size() >= block.length + 4) {
        block.checksum = readLe32(block.data, block.length);
        block.data.resize(block.length);
    }
    return block;
}

Bytes userImage(std::uint32_t address, std::uint32_t size) {
    Bytes image = patternData(size, 7);
    writeHeaderLong(image, kUserBlockAddressOffset, address);
    writeHeaderLong(image, kUserBlockSizeOffset, size);
    return image;
}

TEST(SettingsTransfer, EmptyFlashLoadsTheDefaultUserArea) {
    SimulatedPc pc(quietOptions());
    const LoadedBlock block = loadUserBlock(pc);
    EXPECT_EQ(block.length, 0x20000u);
    EXPECT_EQ(block.address, 0xE0000u);
    EXPECT_EQ(block.checksum, dataChecksum(block.data));
    pc.send({0x1B});
    EXPECT_EQ(pc.received(), (Bytes{0x1B, kStx, 0x05, kEtx}));
    EXPECT_FALSE(pc.box.exchangeActive());
}

TEST(SettingsTransfer, SentUserBlockLoadsBackUnchanged) {
    SimulatedPc pc(quietOptions());
    const Bytes image = userImage(0xE0000, 0x20000);
    EXPECT_EQ(sendImage(pc, 0xE0000, image, kKindUser), (Bytes{0x1B, kStx, 0x05, kEtx}));
    pc.send({0x1B});
    EXPECT_EQ(pc.received(), Bytes{0xAA});

    const LoadedBlock block = loadUserBlock(pc);
    EXPECT_EQ(block.address, 0xE0000u);
    EXPECT_EQ(block.data, image);
    EXPECT_EQ(block.checksum, dataChecksum(image));
}

TEST(SettingsTransfer, DefaultAndUserBlocksTogetherLoadBackTheUserBlock) {
    BoxOptions options = quietOptions();
    options.userAddress = 0xF0000;  // the send tells the box where its user block now lies
    SimulatedPc pc(options);
    Bytes image(0x30000);
    const Bytes defaults = userImage(0xE0000, 0x20000);
    const Bytes user = userImage(0xE0000, 0x20000);
    std::copy(defaults.begin(), defaults.begin() + 0x10000, image.begin());
    writeHeaderLong(image, kDefaultBlockSizeOffset, 0x10000);
    std::copy(user.begin(), user.end(), image.begin() + 0x10000);

    EXPECT_EQ(sendImage(pc, 0xD0000, image, kKindAll), (Bytes{0x1B, kStx, 0x05, kEtx}));
    pc.send({0x1B});
    EXPECT_EQ(pc.received(), Bytes{0xAA});
    const LoadedBlock block = loadUserBlock(pc);
    EXPECT_EQ(block.address, 0xE0000u);
    EXPECT_EQ(block.data, user);
}

TEST(SettingsTransfer, SendFaultsRefuseAndKeepTheFlash) {
    {
        SimulatedPc pc(optionsWithFault(Fault::SendChecksum));
        EXPECT_EQ(sendImage(pc, 0xE0000, userImage(0xE0000, 0x20000), kKindUser), Bytes{0x07});
        EXPECT_FALSE(pc.box.exchangeActive());
    }
    {
        SimulatedPc pc(optionsWithFault(Fault::SendFlash));
        EXPECT_EQ(sendImage(pc, 0xE0000, userImage(0xE0000, 0x20000), kKindUser),
                  (Bytes{0x1B, kStx, 0x05, kEtx}));
        pc.send({0x1B});
        EXPECT_EQ(pc.received(), Bytes{0x08});
        EXPECT_EQ(pc.flash.read(0xE0000, 1)[0], FlashMemory::kErased);
    }
}

TEST(SettingsTransfer, HeaderThatDoesNotFitIsRefusedWithoutSync) {
    SimulatedPc pc(quietOptions());
    openSettingsExchange(pc, 0xCC);
    pc.send({0xCD});
    pc.received();
    pc.send(concat({{kStx}, le32(0x1F0000), le32(0x20000), {kKindUser, kEtx}}));
    EXPECT_EQ(pc.received(), (Bytes{kStx, 0x09, kEtx}));
    EXPECT_FALSE(pc.box.exchangeActive());
}

TEST(SettingsTransfer, LoadChecksumFaultAndRefusal) {
    SimulatedPc pc(optionsWithFault(Fault::LoadChecksum));
    const LoadedBlock block = loadUserBlock(pc);
    EXPECT_NE(block.checksum, dataChecksum(block.data));
    pc.send({0x07});
    EXPECT_TRUE(pc.received().empty());
    EXPECT_FALSE(pc.box.exchangeActive());
}

TEST(SettingsTransfer, RequestIsServedWhileTheLoaderWaitsForItsSignAnswer) {
    SimulatedPc pc(quietOptions());
    pc.box.reset();
    EXPECT_EQ(pc.received(), Bytes{0xAA});
    pc.flash.write(0xE0000, buildSampleUserBlock(0xE0000, 0x20000));
    const LoadedBlock block = loadUserBlock(pc);
    EXPECT_EQ(block.length, 0x20000u);
    EXPECT_EQ(block.data[26], kSampleCounts.satellites);
    EXPECT_EQ(pc.box.requestCount(), 1u);
}

}  // namespace
}  // namespace zev::boxsim::test
