// What the benchmarks share: the fullest database the tables hold, the payload of a software
// update and the simulated receiver that takes it, and the figures they print (milliseconds,
// medians, the best of several runs, resident memory).
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "database/ChannelDatabase.h"

namespace bench {

// 255 satellites, 5000 transponders and 10000 channel slots (6000 TV, 4000 radio), every one in
// use; each channel on a transponder of its own (1 to 2047 in turn) with a service ID of its own.
inline std::unique_ptr<zev::ChannelDatabase> FullDatabase() {
    auto db = std::make_unique<zev::ChannelDatabase>();
    zev::DatabaseHeader& h = db->header;
    h.SatCapacity = h.SatCount = 255;
    h.TpCapacity = h.TpCount = 5000;
    h.ChannelCapacity = 10000;
    h.TvCount = 6000;
    h.RadioCount = 4000;
    h.UserBlockSize = 0x40000;
    for (std::size_t i = 0; i < h.SatCount; ++i) {
        std::snprintf(db->satellites[i].Name.data(), 13, "SAT %zu", i);
    }
    for (std::size_t i = 0; i < h.TpCount; ++i) {
        db->transponders[i].Frequency = static_cast<uint16_t>(10700 + i % 2000);
        db->transponders[i].Polarization = static_cast<uint8_t>(i / 2000 % 2);
        db->transponders[i].Sat = static_cast<uint8_t>(1 + i % h.SatCount);
    }
    for (std::size_t i = 0; i < h.ChannelCapacity; ++i) {
        zev::ChannelEntry& c = db->channels[i];
        std::snprintf(c.Name.data(), 13, "CH %zu", i);
        c.RadioFlag = i >= h.TvCount ? 1 : 0;
        c.TpNumber = static_cast<uint16_t>(1 + i % 2047);
        c.ServiceID = static_cast<uint16_t>(i);
    }
    return db;
}

// Every `every`-th channel slot repeats the one before: the same transponder and service ID.
inline void RepeatEveryNth(zev::ChannelDatabase& db, std::size_t every) {
    for (std::size_t i = every - 1; i < db.header.ChannelCapacity; i += every) {
        db.channels[i].TpNumber = db.channels[i - 1].TpNumber;
        db.channels[i].ServiceID = db.channels[i - 1].ServiceID;
    }
}

inline void CopyDatabase(const zev::ChannelDatabase& from, zev::ChannelDatabase& to) {
    to.header = from.header;
    to.satellites = from.satellites;
    to.transponders = from.transponders;
    to.channels = from.channels;
    to.Loaded = from.Loaded;
}

inline std::unique_ptr<zev::ChannelDatabase> CopyOf(const zev::ChannelDatabase& db) {
    auto copy = std::make_unique<zev::ChannelDatabase>();
    CopyDatabase(db, *copy);
    return copy;
}

// The same pseudo-random bytes for every run of every benchmark.
inline std::vector<char> Payload(std::size_t size) {
    std::vector<char> bytes(size);
    uint32_t state = 12345;
    for (char& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<char>(state >> 16);
    }
    return bytes;
}

// zev-boxsim is looked for beside the benchmark.
inline QString BoxsimPath() {
    return QDir(QCoreApplication::applicationDirPath()).filePath("zev-boxsim");
}

// Starts zev-boxsim as a boot loader that takes a software update; its pseudo-terminal, or
// nothing when it did not start.
inline std::string StartSoftwareLoader(QProcess& box, const QString& boxsim) {
    box.setStandardInputFile(QProcess::nullDevice());
    box.setStandardErrorFile(QProcess::nullDevice());
    box.start(boxsim, {"--quiet", "--sign", "0f", "--reset-on-open=1"});
    if (!box.waitForStarted(10000) || !box.waitForReadyRead(10000)) return {};
    return box.readLine().trimmed().toStdString();
}

// Keeps the shortest successful run (a failed one is negative).
inline void KeepBest(double& figure, double run) {
    if (run > 0 && (figure < 0 || run < figure)) figure = run;
}

inline double Milliseconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The process's resident memory, or -1 when the system does not tell.
inline long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

}  // namespace bench
