// The OTA loader: information block checks, data and results.
#include <gtest/gtest.h>

#include <algorithm>

#include "OtaExchange.h"
#include "SimulatedPc.h"

namespace zev::boxsim::test {
namespace {

// Software ID 1, hardware 2, the given length, 0 0 3 0, 15 March 2007 (MJD 54174), 09:41:07.
Bytes infoBlock(std::uint32_t length) {
    return concat({{1, 2}, le32(length), {0, 0, 3, 0, 0xD3, 0x9E, 0x09, 0x41, 0x07}});
}

void greetOtaLoader(SimulatedPc& pc) {
    pc.box.reset();
    ASSERT_EQ(pc.received(), Bytes{0xB0});
    pc.send({0xB6});
    ASSERT_EQ(pc.received(), (Bytes{kStx, 0xB1, kEtx}));
    pc.send({kStx, 0x01, 0x0A, kEtx});
    const Bytes request = pc.received();
    ASSERT_EQ(request.size(), 11u);
    ASSERT_EQ(request[1], 0xB4);
}

Bytes sendInfo(SimulatedPc& pc, const Bytes& info) {
    pc.send(concat({{kStx}, info, {kEtx}}));
    return pc.received();
}

TEST(OtaUpdate, SoftwareIsStoredAt0x10000) {
    SimulatedPc pc(quietOptions(kSignOta));
    greetOtaLoader(pc);
    const Bytes software = patternData(100008);  // 13 blocks
    EXPECT_EQ(sendInfo(pc, infoBlock(100008)), (Bytes{kStx, 0xB5, kEtx}));
    int syncs = 0;
    for (std::size_t offset = 0; offset < software.size(); offset += kBlockSize) {
        const std::size_t length = std::min(kBlockSize, software.size() - offset);
        pc.send(slice(software, offset, length));
        if (offset + length < software.size()) {
            ASSERT_EQ(pc.received(), (Bytes{kStx, 0xB2, kEtx}));
            ++syncs;
        }
    }
    EXPECT_EQ(syncs, 12);
    pc.send(le32(dataChecksum(software)));
    EXPECT_EQ(pc.received(), (Bytes{0xB3, kStx, 0xC0, kEtx}));
    const auto stored = pc.flash.read(0x10000, 100008);
    EXPECT_TRUE(std::equal(stored.begin(), stored.end(), software.begin()));
}

TEST(OtaUpdate, InformationBlockChecks) {
    FlashMemory flash;
    EXPECT_FALSE(checkSoftwareInfo(infoBlock(1000), flash));

    Bytes badTime = infoBlock(1000);
    badTime[12] = 0x24;
    Bytes badNibble = infoBlock(1000);
    badNibble[14] = 0x0A;
    Bytes badConstants = infoBlock(1000);
    badConstants[8] = 0;
    Bytes badDate = infoBlock(1000);
    badDate[10] = 0;
    for (const Bytes& info : {badTime, badNibble, badConstants, badDate}) {
        const auto problem = checkSoftwareInfo(info, flash);
        ASSERT_TRUE(problem);
        EXPECT_FALSE(problem->length);
    }
    for (const std::uint32_t length : {0u, FlashMemory::kSize - 0x10000 + 1}) {
        const auto problem = checkSoftwareInfo(infoBlock(length), flash);
        ASSERT_TRUE(problem);
        EXPECT_TRUE(problem->length);
    }
}

TEST(OtaUpdate, RefusedInformationEndsTheExchange) {
    SimulatedPc pc(quietOptions(kSignOta));
    greetOtaLoader(pc);
    Bytes info = infoBlock(1000);
    info[13] = 0x60;
    EXPECT_EQ(sendInfo(pc, info), (Bytes{kStx, 0xC1, kEtx}));
    EXPECT_FALSE(pc.box.exchangeActive());
}

TEST(OtaUpdate, VersionRefusalSendsNoDataRequest) {
    SimulatedPc pc(optionsWithFault(Fault::OtaRefuseVersion, kSignOta));
    greetOtaLoader(pc);
    EXPECT_EQ(sendInfo(pc, infoBlock(1000)),
              (Bytes{kStx, 0xC2, kEtx, 0xB3, kStx, 0xC2, 0x00, 0x00, 0x01, 0x00, kEtx}));
}

class OtaResultFaults : public testing::TestWithParam<ResultFault> {};

TEST_P(OtaResultFaults, ReplaceTheResult) {
    SimulatedPc pc(optionsWithFault(GetParam().fault, kSignOta));
    greetOtaLoader(pc);
    const Bytes software = patternData(99);
    sendInfo(pc, infoBlock(99));
    pc.send(concat({software, le32(dataChecksum(software))}));
    EXPECT_EQ(pc.received(), concat({{0xB3}, GetParam().result}));
    EXPECT_EQ(pc.flash.read(0x10000, 1)[0], FlashMemory::kErased);
}

INSTANTIATE_TEST_SUITE_P(
    EachError, OtaResultFaults,
    testing::Values(ResultFault{Fault::OtaLength, {kStx, 0xC3, kEtx}},
                    ResultFault{Fault::OtaChecksum, {kStx, 0xC4, 0x00, 0x00, 0x01, 0x00, kEtx}},
                    ResultFault{Fault::OtaErase, {kStx, 0xC5, 0x00, 0x00, 0x01, 0x00, kEtx}},
                    ResultFault{Fault::OtaWrite, {kStx, 0xC6, 0x00, 0x00, 0x01, 0x00, kEtx}},
                    ResultFault{Fault::OtaVersion, {kStx, 0xC2, 0x00, 0x00, 0x01, 0x00, kEtx}},
                    ResultFault{Fault::OtaUnknown, {kStx, 0xCF, kEtx}}));

}  // namespace
}  // namespace zev::boxsim::test
