#include "StartingImages.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "Dice.h"
#include "core/Result.h"
#include "database/ChannelDatabase.h"
#include "database/StartupHeader.h"
#include "formats/ParameterImage.h"

namespace soak {
namespace {

struct Shape {
    int satellites;
    int transponders;
    int tv;
    int radio;
};

const std::vector<std::string> kNames = {"Das Erste",  "ZDF",  "arte",   "3sat",    "KiKA",
                                         "Radio Eins", "News", "Sport",  "Musik 1", "Musik 2",
                                         "",           "A",    "zz top", "Film+",   "News"};

template <std::size_t N>
void SetName(std::array<char, N>& field, const std::string& name) {
    field.fill('\0');
    std::memcpy(field.data(), name.data(), std::min(name.size(), N - 1));
}

// A reference that names a record now and then names none: 0 or one past the table.
template <typename T>
T Reference(Dice& dice, int count) {
    if (dice.Percent(4)) return static_cast<T>(dice.Percent(50) ? 0 : count + 1 + dice.Below(3));
    return static_cast<T>(count > 0 ? 1 + dice.Below(static_cast<std::size_t>(count)) : 0);
}

void FillChannel(Dice& dice, zev::ChannelEntry& c, bool radio, int transponders) {
    c = zev::ChannelEntry{};
    SetName(c.Name,
            dice.Pick(kNames) + (dice.Percent(60) ? " " + std::to_string(dice.Below(90)) : ""));
    c.RadioFlag = radio ? 1 : 0;
    c.TpNumber = Reference<uint16_t>(dice, transponders);
    c.ServiceID = static_cast<uint16_t>(dice.Below(3000));
    c.NetworkID = static_cast<uint16_t>(dice.Below(4));
    c.VPID = radio ? 0 : static_cast<uint16_t>(dice.Between(32, 8190));
    c.APID = static_cast<uint16_t>(dice.Between(32, 8190));
    c.PCRPID = c.VPID;
    c.TTXPID = static_cast<uint16_t>(dice.Percent(50) ? dice.Between(32, 8190) : 0);
    c.TpFlagB = static_cast<uint8_t>(dice.Below(2));  // a carried bit no dialog shows
}

std::unique_ptr<zev::ChannelDatabase> MakeDatabase(Dice& dice, int flashIndex, int userIndex,
                                                   Shape shape) {
    auto db = std::make_unique<zev::ChannelDatabase>();
    zev::ApplyStartupHeader(db->header, flashIndex, userIndex);
    zev::DatabaseHeader& h = db->header;
    h.SatCount = static_cast<uint8_t>(std::min<int>(shape.satellites, h.SatCapacity));
    h.TpCount = static_cast<uint16_t>(std::min<int>(shape.transponders, h.TpCapacity));
    const int room = h.ChannelCapacity;
    h.TvCount = static_cast<uint16_t>(std::min(shape.tv, room));
    h.RadioCount = static_cast<uint16_t>(std::min(shape.radio, room - h.TvCount));
    for (int s = 0; s < h.SatCount; ++s) {
        zev::SatelliteEntry& sat = db->satellites[static_cast<std::size_t>(s)];
        SetName(sat.Name, "SAT " + std::to_string(s + 1) + (dice.Percent(20) ? "W" : "E"));
        sat.Lnbtype = static_cast<uint8_t>(dice.Below(2));
        sat.Lnblow = 9750;
        sat.Lnbhigh = 10600;
        sat.DiseqcType = static_cast<uint8_t>(dice.Below(2));
        sat.DiseqcPort = static_cast<uint8_t>(dice.Below(5));
    }
    for (int t = 0; t < h.TpCount; ++t) {
        zev::TransponderEntry& tp = db->transponders[static_cast<std::size_t>(t)];
        tp.Sat = Reference<uint8_t>(dice, h.SatCount);
        tp.Frequency = static_cast<uint16_t>(dice.Between(10700, 12750));
        tp.Polarization = static_cast<uint8_t>(dice.Below(2));
        tp.Symbol = static_cast<uint16_t>(dice.Percent(70) ? 27500 : 22000);
        tp.TransID = static_cast<uint16_t>(dice.Below(2000));
        tp.SatAux = static_cast<uint8_t>(dice.Below(2));
    }
    for (int r = 0; r < h.TvCount; ++r) {
        FillChannel(dice, db->Tv(static_cast<std::size_t>(r)), false, h.TpCount);
    }
    for (int r = 0; r < h.RadioCount; ++r) {
        FillChannel(dice, db->Radio(static_cast<std::size_t>(r)), true, h.TpCount);
    }
    // A few exact copies, as a list that grew over the years holds.
    for (int copies = dice.Between(0, 3); copies > 0 && h.TvCount > 1; --copies) {
        db->Tv(dice.Below(h.TvCount)) = db->Tv(dice.Below(h.TvCount));
    }
    return db;
}

zev::Result<void, std::string> WriteFile(const QString& path, const char* bytes, qint64 size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes, size) != size) {
        return zev::Failure("cannot write " + path.toStdString());
    }
    return {};
}

zev::Result<void, std::string> WriteImage(const zev::ChannelDatabase& db, const QString& path) {
    std::vector<uint8_t> out(zev::kOutputImageSize);
    const zev::ImageResult packed = zev::PackImage(db, zev::ImageKind::User, out);
    if (!packed.ok)
        return zev::Failure("cannot pack " + path.toStdString() + ": " + packed.error.English());
    return WriteFile(path, reinterpret_cast<const char*>(out.data()),
                     static_cast<qint64>(zev::ImageSize(db.header, zev::ImageKind::User)));
}

}  // namespace

zev::Result<void, std::string> WriteStartingImages(uint64_t runSeed, const QString& dir) {
    Dice dice(Mix(runSeed, 0x66696c6573));
    const QDir folder(dir);
    const int userIndex = dice.Between(1, 2);
    const Shape start{dice.Between(2, 8), dice.Between(4, 30), dice.Between(10, 120),
                      dice.Between(0, 40)};
    const Shape small{dice.Between(0, 1), dice.Between(0, 2), dice.Between(0, 3),
                      dice.Between(0, 2)};
    // One channel short of the 8M-bit one-sector layout's 1840.
    const Shape full{4, 40, 1500, 339};
    for (const auto& [db, name] :
         {std::pair{MakeDatabase(dice, 2, userIndex, start), "start.stc"},
          std::pair{MakeDatabase(dice, 3, dice.Between(1, 4), small), "small.stc"},
          std::pair{MakeDatabase(dice, 2, 1, full), "full.stc"}}) {
        if (auto written = WriteImage(*db, folder.filePath(name)); !written) return written;
    }
    return WriteFile(folder.filePath("junk.stc"), "not an image\n", 13);
}

}  // namespace soak
