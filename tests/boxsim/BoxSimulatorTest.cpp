// The receiver around its exchanges: console chatter, resets, a receiver that vanishes.
#include <gtest/gtest.h>

#include <algorithm>

#include "SimulatedPc.h"

namespace zev::boxsim::test {
namespace {

bool contains(const Bytes& bytes, std::uint8_t value) {
    return std::find(bytes.begin(), bytes.end(), value) != bytes.end();
}

TEST(BoxSimulator, ChatterHasBellBackspaceAndCrLfAndEndsInTheSign) {
    BoxOptions options;
    options.sign = kSignSoftware;
    SimulatedPc pc(options);
    pc.box.powerOn();
    const Bytes banner = pc.received();
    EXPECT_TRUE(contains(banner, 0x08));
    pc.box.reset();
    const Bytes reset = pc.received();
    EXPECT_TRUE(contains(reset, 0x07));
    EXPECT_TRUE(contains(reset, 0x08));
    EXPECT_EQ(reset.back(), 0x0F);
    // Every line end is CR LF.
    for (const Bytes* text : {&banner, &reset}) {
        for (std::size_t i = 0; i < text->size(); ++i) {
            if ((*text)[i] == '\n') {
                EXPECT_TRUE(i > 0 && (*text)[i - 1] == '\r');
            }
        }
    }
}

TEST(BoxSimulator, QuietReceiverSendsOnlyProtocolBytes) {
    SimulatedPc pc(quietOptions(kSignOta));
    pc.box.powerOn();
    EXPECT_TRUE(pc.received().empty());
    pc.box.reset();
    EXPECT_EQ(pc.received(), Bytes{0xB0});
}

TEST(BoxSimulator, ConsoleIgnoresStrayBytesAndSignAnswersBeforeAReset) {
    SimulatedPc pc(quietOptions(kSignSoftware));
    pc.send({0x0F, 0x55, 0x02, 0x01, 0x0A, 0x03, 0xB6});
    EXPECT_TRUE(pc.received().empty());
    EXPECT_FALSE(pc.box.exchangeActive());
}

TEST(BoxSimulator, ResetAbandonsAnExchangeAndStartsOver) {
    SimulatedPc pc(quietOptions(kSignSoftware));
    pc.send({0xBB, 0x55});
    pc.received();
    ASSERT_TRUE(pc.box.exchangeActive());
    pc.box.reset();
    EXPECT_EQ(pc.received(), Bytes{0x0F});
    EXPECT_FALSE(pc.box.exchangeActive());
    pc.send({0x0F});
    EXPECT_EQ(pc.received(), (Bytes{kStx, 0x01, kEtx}));
}

TEST(BoxSimulator, SignCanBeChangedForLaterResets) {
    SimulatedPc pc(quietOptions(kSignGeneral));
    pc.box.setSign(kSignParameters);
    pc.box.reset();
    EXPECT_EQ(pc.received(), Bytes{0x0E});
}

TEST(BoxSimulator, ClosedLineAbandonsTheExchange) {
    SimulatedPc pc(quietOptions());
    pc.send({0xCC, 0x55});
    ASSERT_TRUE(pc.box.exchangeActive());
    pc.box.clientDisconnected();
    EXPECT_FALSE(pc.box.exchangeActive());
    EXPECT_TRUE(pc.received().empty());
}

TEST(BoxSimulator, VanishesAfterTheGivenByteCountOfTheSession) {
    BoxOptions options = quietOptions(kSignSoftware);
    options.vanishAfter = 10;
    SimulatedPc pc(options);
    pc.send(Bytes(9, 0x00));  // before the reset: not counted against the update
    pc.box.reset();
    pc.received();
    ASSERT_FALSE(pc.box.vanished());
    pc.send({0x0F, kStx, 0x01, 0x0A, kEtx});
    pc.received();
    pc.send(concat({le32(100), le32(0x10000)}));
    EXPECT_TRUE(pc.box.vanished());
    EXPECT_TRUE(pc.received().empty());
}

}  // namespace
}  // namespace zev::boxsim::test
