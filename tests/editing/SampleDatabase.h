// A small database in which every record is sound and used: two satellites with two
// transponders each, every transponder with two channels (six TV, two radio). The check finds
// nothing in it, so each test can break exactly one thing.
#pragma once

#include <cstdint>
#include <memory>

#include "formats/ImageTestSupport.h"

namespace zev::testing {

inline TransponderEntry Transponder(uint8_t sat, uint16_t frequency, uint8_t polarization) {
    TransponderEntry t;
    t.Sat = sat;
    t.Frequency = frequency;
    t.Polarization = polarization;
    t.Symbol = 27500;
    t.TransID = static_cast<uint16_t>(frequency / 10);
    return t;
}

inline ChannelEntry Channel(const char* name, uint16_t tp, uint16_t service, bool radio) {
    ChannelEntry c;
    SetName(c.Name, name);
    c.TpNumber = tp;
    c.ServiceID = service;
    c.NetworkID = 1;
    c.RadioFlag = radio ? 1 : 0;
    c.VPID = radio ? 0 : static_cast<uint16_t>(100 + service);
    c.APID = static_cast<uint16_t>(200 + service);
    c.PCRPID = radio ? 0 : c.VPID;
    return c;
}

inline std::unique_ptr<ChannelDatabase> SampleDatabase(int flash = 2, int user = 2) {
    auto db = StartupDatabase(flash, user);
    DatabaseHeader& h = db->header;
    SetName(db->satellites[0].Name, "ASTRA");
    SetName(db->satellites[1].Name, "HOTBIRD");
    db->satellites[0].Lnblow = db->satellites[1].Lnblow = 9750;
    db->satellites[0].Lnbhigh = db->satellites[1].Lnbhigh = 10600;
    h.SatCount = 2;
    db->transponders[0] = Transponder(1, 11778, 1);
    db->transponders[1] = Transponder(1, 12188, 0);
    db->transponders[2] = Transponder(2, 10971, 0);
    db->transponders[3] = Transponder(2, 11034, 1);
    h.TpCount = 4;
    const char* tvNames[] = {"Das Erste", "ZDF", "RTL", "SAT.1", "RAI 1", "RAI 2"};
    const uint16_t tvTransponders[] = {1, 1, 2, 2, 3, 4};
    for (uint16_t row = 0; row < 6; ++row) {
        db->Tv(row) = Channel(tvNames[row], tvTransponders[row], uint16_t(row + 1), false);
    }
    h.TvCount = 6;
    db->Radio(0) = Channel("Radio 1", 3, 7, true);
    db->Radio(1) = Channel("Radio 2", 4, 8, true);
    h.RadioCount = 2;
    return db;
}

}  // namespace zev::testing
