// Arbitrary bytes as the JSON that `zev-cli build` reads, taken as build takes it: over the
// start-up header of the default flash settings, then packed into a user block. Beyond the
// sanitizers' part it checks that a refusal says why, that the JSON the program writes for the
// database reads back to the same JSON, and that the block built holds everything the JSON
// said (it reads back to the same JSON too).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "FuzzFinding.h"
#include "database/StartupHeader.h"
#include "exchange/DatabaseJson.h"
#include "formats/ParameterImage.h"

namespace zev::fuzz {

namespace detail {

// A database as build starts it: the start-up header of flash and user size index 2.
inline void StartBuild(ChannelDatabase& db) {
    db.header = DatabaseHeader{};
    ApplyStartupHeader(db.header, 2, 2);
}

inline std::span<const uint8_t> BytesOf(const std::string& text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

}  // namespace detail

inline Finding CheckDatabaseJson(std::span<const uint8_t> bytes) {
    // Reused across inputs: the databases are large.
    static const auto db = std::make_unique<ChannelDatabase>();
    static const auto back = std::make_unique<ChannelDatabase>();
    static std::vector<uint8_t> packed(kOutputImageSize);

    detail::StartBuild(*db);
    const JsonResult read = DatabaseFromJson(bytes, *db);
    if (read.status != JsonStatus::Ok) {
        return read.error.Empty() ? "refused JSON without a reason" : "";
    }
    const ImageResult pack = PackImage(*db, ImageKind::User, packed);
    if (!pack.ok) return pack.error.Empty() ? "a refused block without a reason" : "";

    const std::string json = DatabaseToJson(*db);
    detail::StartBuild(*back);
    if (const JsonResult again = DatabaseFromJson(detail::BytesOf(json), *back);
        again.status != JsonStatus::Ok) {
        return "the JSON written does not read back: " + again.error.English();
    }
    if (DatabaseToJson(*back) != json) return "the JSON written reads back otherwise";

    const ImageResult unpacked =
        UnpackImage(*back, std::span<const uint8_t>(packed).first(pack.size));
    if (!unpacked.ok) return "the block built does not read back: " + unpacked.error.English();
    if (DatabaseToJson(*back) != json) return "the block built loses what the JSON said";
    return {};
}

inline int FuzzDatabaseJson(const uint8_t* data, std::size_t size) {
    return AbortOnFinding(CheckDatabaseJson({data, size}));
}

}  // namespace zev::fuzz
