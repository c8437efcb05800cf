// The boot loader's parameter and software updates after a reset.
#include <gtest/gtest.h>

#include <algorithm>

#include "SimulatedPc.h"

namespace zev::boxsim::test {
namespace {

constexpr std::uint8_t kEnd = 0x1B;

// Header and data as the PC sends them: the next block only after the box's SYNC. Returns what
// the box sent after the ready frame.
Bytes sendUpdate(SimulatedPc& pc, std::uint32_t address, const Bytes& data,
                 std::uint32_t checksum) {
    pc.send(concat({le32(static_cast<std::uint32_t>(data.size())), le32(address)}));
    Bytes answers;
    for (std::size_t offset = 0; offset < data.size(); offset += kBlockSize) {
        const std::size_t length = std::min(kBlockSize, data.size() - offset);
        pc.send(slice(data, offset, length));
        const Bytes answer = pc.received();
        answers.insert(answers.end(), answer.begin(), answer.end());
        if (offset + length < data.size() && answer != kSync) {
            return answers;  // the box did not ask for more
        }
    }
    pc.send(le32(checksum));
    const Bytes answer = pc.received();
    answers.insert(answers.end(), answer.begin(), answer.end());
    return answers;
}

Bytes syncs(int count) {
    Bytes all;
    for (int i = 0; i < count; ++i) all.insert(all.end(), kSync.begin(), kSync.end());
    return all;
}

TEST(BootUpdate, SoftwareOfOddLengthGoesInThreeBlocksAndIsStored) {
    SimulatedPc pc(quietOptions(kSignSoftware));
    pc.box.reset();
    EXPECT_EQ(pc.received(), Bytes{0x0F});
    pc.send({0x0F});
    EXPECT_EQ(pc.received(), (Bytes{kStx, 0x01, kEtx}));
    pc.send({kStx, 0x01, 0x0A, kEtx});
    const Bytes ready = pc.received();
    ASSERT_EQ(ready.size(), 11u);
    EXPECT_EQ(ready[0], kStx);
    EXPECT_EQ(ready[1], 0x02);
    EXPECT_EQ(ready[10], kEtx);

    const Bytes software = patternData(20001);
    EXPECT_EQ(sendUpdate(pc, 0x10000, software, dataChecksum(software)),
              concat({syncs(2), {kEnd, kStx, 0x05, kEtx}}));
    const auto stored = pc.flash.read(0x10000, 20001);
    EXPECT_TRUE(std::equal(stored.begin(), stored.end(), software.begin()));
}

TEST(BootUpdate, ImageOfExactlyOneBlockNeedsNoSync) {
    SimulatedPc pc(quietOptions(kSignParameters));
    pc.resetAndGreetBootLoader(0x0E);
    const Bytes image = patternData(8192);
    EXPECT_EQ(sendUpdate(pc, 0x6000, image, dataChecksum(image)), (Bytes{kEnd, kStx, 0x05, kEtx}));
}

TEST(BootUpdate, WrongChecksumIsReportedWithTheAddressAndLeavesTheFlashAlone) {
    SimulatedPc pc(quietOptions(kSignParameters));
    pc.resetAndGreetBootLoader(0x0E);
    const Bytes image = patternData(300);
    EXPECT_EQ(sendUpdate(pc, 0xD0000, image, dataChecksum(image) + 1),
              (Bytes{kEnd, kStx, 0x07, 0x00, 0x00, 0x0D, 0x00, kEtx}));
    EXPECT_EQ(pc.flash.read(0xD0000, 1)[0], FlashMemory::kErased);
}

TEST(BootUpdate, AddressesAreCheckedAgainstTheSign) {
    {  // the parameter sign does not take software
        SimulatedPc pc(quietOptions(kSignParameters));
        pc.resetAndGreetBootLoader(0x0E);
        const Bytes data = patternData(100);
        EXPECT_EQ(sendUpdate(pc, 0x10000, data, dataChecksum(data)),
                  (Bytes{kEnd, kStx, 0x08, 0x00, 0x00, 0x01, 0x00, kEtx}));
    }
    {  // the general sign takes both, answered with 0x55; 0x0F is not its answer
        SimulatedPc pc(quietOptions(kSignGeneral));
        pc.box.reset();
        EXPECT_EQ(pc.received(), Bytes{0xAA});
        pc.send({0x0F});
        EXPECT_TRUE(pc.received().empty());
        pc.greetBootLoader(0x55);
        const Bytes data = patternData(100);
        EXPECT_EQ(sendUpdate(pc, 0xD0000, data, dataChecksum(data)),
                  (Bytes{kEnd, kStx, 0x05, kEtx}));
    }
}

TEST(BootUpdate, DataThatWouldRunPastTheFlashIsALengthError) {
    SimulatedPc pc(quietOptions(kSignSoftware));
    pc.resetAndGreetBootLoader(0x0F);
    const Bytes data = patternData(FlashMemory::kSize - 0x10000 + 1);
    const Bytes answers = sendUpdate(pc, 0x10000, data, dataChecksum(data));
    ASSERT_GE(answers.size(), 4u);
    EXPECT_EQ(Bytes(answers.end() - 4, answers.end()), (Bytes{kEnd, kStx, 0x09, kEtx}));
}

class BootResultFaults : public testing::TestWithParam<ResultFault> {};

TEST_P(BootResultFaults, ReplaceTheResultAndKeepTheFlash) {
    SimulatedPc pc(optionsWithFault(GetParam().fault, kSignSoftware));
    pc.resetAndGreetBootLoader(0x0F);
    const Bytes data = patternData(10);
    EXPECT_EQ(sendUpdate(pc, 0x10000, data, dataChecksum(data)),
              concat({{kEnd}, GetParam().result}));
    EXPECT_EQ(pc.flash.read(0x10000, 1)[0], FlashMemory::kErased);
}

INSTANTIATE_TEST_SUITE_P(
    EachError, BootResultFaults,
    testing::Values(ResultFault{Fault::BootLength, {kStx, 0x09, kEtx}},
                    ResultFault{Fault::BootChecksum, {kStx, 0x07, 0x00, 0x00, 0x01, 0x00, kEtx}},
                    ResultFault{Fault::BootFlash, {kStx, 0x08, 0x00, 0x00, 0x01, 0x00, kEtx}},
                    ResultFault{Fault::BootUnknown, {kStx, 0x0C, kEtx}}));

TEST(BootUpdate, NoSyncFaultStopsTheTransferWithALengthError) {
    SimulatedPc pc(optionsWithFault(Fault::NoSync, kSignSoftware));
    pc.resetAndGreetBootLoader(0x0F);
    const Bytes data = patternData(9000);
    EXPECT_EQ(sendUpdate(pc, 0x10000, data, dataChecksum(data)),
              (Bytes{kStx, 0x17, kEtx, kEnd, kStx, 0x09, kEtx}));
}

TEST(BootUpdate, MalformedOpeningFramesOnRequest) {
    {
        SimulatedPc pc(optionsWithFault(Fault::BadHello, kSignSoftware));
        pc.box.reset();
        pc.received();
        pc.send({0x0F});
        EXPECT_EQ(pc.received(), (Bytes{kStx, 0x01, 0x04}));
    }
    for (const Fault fault : {Fault::BadReadyStx, Fault::BadReadyEtx, Fault::BadReadyCommand}) {
        SimulatedPc pc(optionsWithFault(fault, kSignSoftware));
        pc.box.reset();
        pc.received();
        pc.send({0x0F});
        pc.received();
        pc.send({kStx, 0x01, 0x0A, kEtx});
        const Bytes ready = pc.received();
        ASSERT_EQ(ready.size(), 11u);
        EXPECT_NE(ready[0] == kStx && ready[1] == 0x02 && ready[10] == kEtx, true);
    }
}

TEST(BootUpdate, WrongHelloAnswerAbandonsTheUpdate) {
    SimulatedPc pc(quietOptions(kSignSoftware));
    pc.box.reset();
    pc.received();
    pc.send({0x0F});
    pc.received();
    pc.send({kStx, 0x01, 0x0B, kEtx});
    EXPECT_TRUE(pc.received().empty());
    EXPECT_FALSE(pc.box.exchangeActive());
}

}  // namespace
}  // namespace zev::boxsim::test

namespace zev::boxsim::test {
namespace {

// The box takes plain data in bulk; however the line splits the bytes, each block must end,
// and release the next, exactly where its 8192th byte arrives.
TEST(BootUpdate, DataSplitAnyWayAcrossReadsIsStoredTheSame) {
    SimulatedPc pc(quietOptions(kSignSoftware));
    pc.resetAndGreetBootLoader(0x0F);
    const Bytes software = patternData(2 * 8192 + 77);
    pc.send(concat({le32(static_cast<std::uint32_t>(software.size())), le32(0x10000)}));
    // First block a byte at a time, the second in uneven pieces, the rest with the checksum.
    for (std::size_t i = 0; i < 8192; ++i) pc.send({software[i]});
    EXPECT_EQ(pc.received(), kSync);
    for (std::size_t offset = 8192; offset < 2 * 8192; offset += 1000) {
        const std::size_t end = std::min<std::size_t>(offset + 1000, 2 * 8192);
        pc.send(slice(software, offset, end - offset));
    }
    EXPECT_EQ(pc.received(), kSync);
    pc.send(
        concat({Bytes(software.begin() + 2 * 8192, software.end()), le32(dataChecksum(software))}));
    EXPECT_EQ(pc.received(), (Bytes{kEnd, kStx, 0x05, kEtx}));
    const auto stored = pc.flash.read(0x10000, software.size());
    EXPECT_TRUE(std::equal(stored.begin(), stored.end(), software.begin()));
}

}  // namespace
}  // namespace zev::boxsim::test
