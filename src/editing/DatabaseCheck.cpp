#include "editing/DatabaseCheck.h"

#include <algorithm>
#include <span>
#include <string_view>
#include <unordered_map>

#include "core/Latin1Text.h"
#include "core/Quoted.h"
#include "core/TextFormat.h"
#include "database/RecordName.h"
#include "database/TableRanges.h"
#include "formats/ImageFields.h"
#include "formats/ImageLayout.h"
#include "formats/ImageRecords.h"

namespace zev {

namespace {

// 0 and the null packet's PID 0x1FFF both mean "no stream".
constexpr bool HasPid(uint16_t pid) { return pid != 0 && pid != 0x1FFF; }

std::string QuotedName(const std::array<char, kNameFieldSize>& name) {
    return Quoted(Latin1ToUtf8Line(NameBytes(name)));
}

bool NameIsBlank(const std::array<char, kNameFieldSize>& name) {
    const std::string bytes = NameBytes(name);
    return bytes.find_first_not_of(' ') == std::string::npos;
}

class Checker {
  public:
    Checker(const ChannelDatabase& db, ImageKind target) : db_(db), h_(db.header), target_(target) {
        const TableRanges ranges = RangesInTables(h_);
        satellites_ = ranges.satellites;
        transponders_ = ranges.transponders;
        tvRows_ = ranges.tvRows;
        radioRows_ = ranges.radioRows;
        channelsSeen_.reserve(tvRows_ + radioRows_);
    }

    CheckResult Run() {
        CheckHeader();
        CountUses();
        CheckSatellites();
        CheckTransponders();
        for (std::size_t row = 0; row < tvRows_; ++row) CheckChannel(TvRef(db_, row));
        for (std::size_t row = 0; row < radioRows_; ++row) CheckChannel(RadioRef(db_, row));

        CheckResult result;
        result.errors = errors_.size();
        result.warnings = warnings_.size();
        result.findings = std::move(errors_);
        result.findings.insert(result.findings.end(), std::make_move_iterator(warnings_.begin()),
                               std::make_move_iterator(warnings_.end()));
        return result;
    }

  private:
    void Add(CheckProblem problem, const RecordRef& record, std::string message,
             std::vector<RecordRef> related = {}) {
        auto& list = SeverityOf(problem) == CheckSeverity::Error ? errors_ : warnings_;
        list.push_back(CheckFinding{problem, record, std::move(related), std::move(message)});
    }

    void CheckHeader() {
        const RecordRef header;
        bool countsFit = true;
        if (h_.TpCapacity > kMaxTransponders) {
            countsFit = false;
            Add(CheckProblem::CapacityAboveLimit, header,
                Format("The transponder capacity of %u is larger than the limit of %zu.",
                       unsigned{h_.TpCapacity}, kMaxTransponders));
        }
        if (h_.ChannelCapacity > kMaxChannelSlots) {
            countsFit = false;
            Add(CheckProblem::CapacityAboveLimit, header,
                Format("The channel capacity of %u is larger than the limit of %zu.",
                       unsigned{h_.ChannelCapacity}, kMaxChannelSlots));
        }
        if (h_.SatCount > h_.SatCapacity) {
            countsFit = false;
            Add(CheckProblem::CountAboveCapacity, header,
                Format("The database holds %u satellites, more than its capacity of %u.",
                       unsigned{h_.SatCount}, unsigned{h_.SatCapacity}));
        }
        if (h_.TpCount > h_.TpCapacity) {
            countsFit = false;
            Add(CheckProblem::CountAboveCapacity, header,
                Format("The database holds %u transponders, more than its capacity of %u.",
                       unsigned{h_.TpCount}, unsigned{h_.TpCapacity}));
        }
        const std::size_t channels = std::size_t{h_.TvCount} + h_.RadioCount;
        if (channels > h_.ChannelCapacity) {
            countsFit = false;
            Add(CheckProblem::AreasOverlap, header,
                Format("The database holds %u TV and %u radio channels, more than its %u "
                       "channel slots: TV and radio channels would overlap.",
                       unsigned{h_.TvCount}, unsigned{h_.RadioCount},
                       unsigned{h_.ChannelCapacity}));
        }
        // The block layouts are only worth checking once the counts fit the capacities; the
        // layout check would otherwise repeat what was just said.
        if (h_.UserBlockSize > kInputImageSize) {
            Add(CheckProblem::BlockTooLarge, header,
                Format("The user block size of %zu bytes is larger than the largest user block "
                       "(%zu bytes).",
                       std::size_t{h_.UserBlockSize}, kInputImageSize));
        } else if (countsFit) {
            CheckLayout(h_.UserBlockSize, "user block");
        }
        // What Send refuses: a block that is no whole number of the receiver's flash blocks.
        CheckFlashBlocks(h_.UserBlockSize, "user block");
        if (target_ == ImageKind::User) return;

        CheckFlashBlocks(h_.DefaultBlockSize, "default-channel block");
        const bool fitsOutput = ImageSize(h_, target_) <= kOutputImageSize;
        if (!fitsOutput) {
            Add(CheckProblem::BlockTooLarge, header,
                Format("The image of %zu bytes is larger than the largest image (%zu bytes).",
                       ImageSize(h_, target_), kOutputImageSize));
        }
        if (h_.SatCount > h_.DefaultSatCapacity) {
            Add(CheckProblem::CountAboveCapacity, header,
                Format("The default-channel block holds at most %u satellites, fewer than the "
                       "%u in the database.",
                       unsigned{h_.DefaultSatCapacity}, unsigned{h_.SatCount}));
        }
        if (h_.TpCount > h_.DefaultTpCapacity) {
            Add(CheckProblem::CountAboveCapacity, header,
                Format("The default-channel block holds at most %u transponders, fewer than the "
                       "%u in the database.",
                       unsigned{h_.DefaultTpCapacity}, unsigned{h_.TpCount}));
        }
        // The limit Send goes by: DefaultChannelCapacity, or the room the block has when it is
        // laid out with the user block's capacities, whichever is less.
        const std::size_t limit = image::DefaultChannelLimit(h_);
        if (channels > limit) {
            Add(CheckProblem::CountAboveCapacity, header,
                Format("The default-channel block holds at most %zu channels, fewer than the %zu "
                       "in the database.",
                       limit, channels));
        } else if (countsFit && fitsOutput) {
            CheckLayout(h_.DefaultBlockSize, "default-channel block");
        }
    }

    void CheckFlashBlocks(std::size_t blockSize, const char* blockName) {
        std::string problem = image::CheckFlashBlocks(blockSize, blockName);
        if (!problem.empty()) Add(CheckProblem::BlockNotWhole, RecordRef{}, std::move(problem));
    }

    void CheckLayout(std::size_t blockSize, const char* blockName) {
        std::string problem = image::CheckBlockLayout(h_, blockSize, blockName);
        if (!problem.empty()) Add(CheckProblem::AreasOverlap, RecordRef{}, std::move(problem));
    }

    // How many transponders name each satellite and how many channels each transponder, by
    // 1-based number; references outside the tables are not counted.
    void CountUses() {
        satelliteUses_.assign(satellites_ + 1, 0);
        transponderUses_.assign(transponders_ + 1, 0);
        for (std::size_t i = 0; i < transponders_; ++i) {
            const uint8_t sat = db_.transponders[i].Sat;
            if (sat >= 1 && sat <= satellites_) ++satelliteUses_[sat];
        }
        auto countChannel = [&](const ChannelEntry& c) {
            if (c.TpNumber >= 1 && c.TpNumber <= transponders_) ++transponderUses_[c.TpNumber];
        };
        for (std::size_t row = 0; row < tvRows_; ++row) countChannel(db_.Tv(row));
        for (std::size_t row = 0; row < radioRows_; ++row) countChannel(db_.Radio(row));
    }

    // A value wider than the bits the image keeps loses its high bits when packed, and the
    // receiver reads another value than the editor shows. TpNumber has checks of its own.
    template <typename Record>
    void CheckWidths(const Record& record, std::span<const image::ImageField<Record>> fields,
                     const RecordRef& ref, const std::string& who) {
        for (const image::ImageField<Record>& f : fields) {
            const uint32_t value = f.field->get(record);
            if (value <= f.Most() || std::string_view(f.field->name) == "TpNumber") continue;
            Add(CheckProblem::ValueTooWide, ref,
                Format("%s: %s %u does not fit the image, which holds 0 to %u.", who.c_str(),
                       f.field->name, value, f.Most()));
        }
    }

    std::string SatelliteName(std::size_t position) const {
        std::string who = RecordLabel(SatelliteRef(position));
        if (!NameIsBlank(db_.satellites[position].Name)) {
            who += " " + QuotedName(db_.satellites[position].Name);
        }
        return who;
    }

    std::string TransponderName(std::size_t position) const {
        const TransponderEntry& t = db_.transponders[position];
        return Format("Transponder %zu (%u %s)", position + 1, unsigned{t.Frequency},
                      t.Polarization != 0 ? "V" : "H");
    }

    std::string ChannelName(const RecordRef& ref) const {
        std::string who = RecordLabel(ref);
        const ChannelEntry& c = db_.channels[ref.slot];
        if (!NameIsBlank(c.Name)) who += " " + QuotedName(c.Name);
        return who;
    }

    void CheckSatellites() {
        for (std::size_t i = 0; i < satellites_; ++i) {
            const SatelliteEntry& s = db_.satellites[i];
            const RecordRef ref = SatelliteRef(i);
            const std::string who = SatelliteName(i);
            CheckWidths(s, image::SatelliteImageFields(), ref, who);
            if (NameIsBlank(s.Name)) Add(CheckProblem::EmptyName, ref, who + " has no name.");
            if (satelliteUses_[i + 1] == 0) {
                Add(CheckProblem::SatelliteWithoutTransponders, ref, who + " has no transponders.");
            }
        }
    }

    void CheckTransponders() {
        // Satellite, frequency and polarisation (any nonzero value is vertical) of each
        // transponder seen so far, with its position.
        std::unordered_map<uint32_t, std::size_t> seen;
        seen.reserve(transponders_);
        for (std::size_t i = 0; i < transponders_; ++i) {
            const TransponderEntry& t = db_.transponders[i];
            const RecordRef ref = TransponderRef(i);
            const std::string who = TransponderName(i);
            if (t.Sat == 0 || t.Sat > satellites_) {
                Add(CheckProblem::MissingSatellite, ref,
                    Format("%s belongs to satellite %u, which does not exist (there are %zu "
                           "satellites).",
                           who.c_str(), unsigned{t.Sat}, satellites_));
            }
            CheckWidths(t, image::TransponderImageFields(), ref, who);
            const uint32_t key = (uint32_t{t.Sat} << 17) | (uint32_t{t.Frequency} << 1) |
                                 (t.Polarization != 0 ? 1u : 0u);
            const auto [first, inserted] = seen.try_emplace(key, i);
            if (!inserted) {
                Add(CheckProblem::DuplicateTransponder, ref,
                    Format("%s on satellite %u duplicates transponder %zu.", who.c_str(),
                           unsigned{t.Sat}, first->second + 1),
                    {TransponderRef(first->second)});
            }
            if (transponderUses_[i + 1] == 0) {
                Add(CheckProblem::TransponderWithoutChannels, ref, who + " has no channels.");
            }
        }
    }

    void CheckChannel(const RecordRef& ref) {
        const ChannelEntry& c = db_.channels[ref.slot];
        const std::string who = ChannelName(ref);
        if (c.TpNumber == 0 || c.TpNumber > transponders_) {
            Add(CheckProblem::MissingTransponder, ref,
                Format("%s is on transponder %u, which does not exist (there are %zu "
                       "transponders).",
                       who.c_str(), unsigned{c.TpNumber}, transponders_));
        } else if (c.TpNumber > image::kMaxTpNumber) {
            Add(CheckProblem::TransponderNumberTooLarge, ref,
                Format("%s is on transponder %u; the image can hold transponder numbers up to "
                       "2047 only.",
                       who.c_str(), unsigned{c.TpNumber}));
        }
        CheckWidths(c, image::ChannelImageFields(), ref, who);

        const uint32_t key = (uint32_t{c.TpNumber} << 16) | c.ServiceID;
        const auto [first, inserted] = channelsSeen_.try_emplace(key, ref);
        if (!inserted) {
            Add(CheckProblem::DuplicateChannel, ref,
                Format("%s duplicates %s (transponder %u, Service ID %u).", who.c_str(),
                       ChannelName(first->second).c_str(), unsigned{c.TpNumber},
                       unsigned{c.ServiceID}),
                {first->second});
        }
        if (!HasPid(c.VPID) && !HasPid(c.APID) && !HasPid(c.AC3PID)) {
            Add(CheckProblem::NoPids, ref, who + " has neither a video nor an audio PID.");
        }
        if (NameIsBlank(c.Name)) Add(CheckProblem::EmptyName, ref, who + " has no name.");
        const bool inRadioList = ref.kind == RecordKind::RadioChannel;
        if (inRadioList != (c.RadioFlag != 0)) {
            Add(CheckProblem::WrongListFlag, ref,
                who + (inRadioList ? " is in the radio list but marked as a TV channel."
                                   : " is in the TV list but marked as a radio channel."));
        }
    }

    const ChannelDatabase& db_;
    const DatabaseHeader& h_;
    const ImageKind target_;
    std::size_t satellites_ = 0;
    std::size_t transponders_ = 0;
    std::size_t tvRows_ = 0;
    std::size_t radioRows_ = 0;
    std::vector<uint32_t> satelliteUses_;
    std::vector<uint32_t> transponderUses_;
    // Transponder number and Service ID of each channel seen so far, TV and radio alike.
    std::unordered_map<uint32_t, RecordRef> channelsSeen_;
    std::vector<CheckFinding> errors_;
    std::vector<CheckFinding> warnings_;
};

}  // namespace

CheckSeverity SeverityOf(CheckProblem problem) {
    return problem < CheckProblem::DuplicateChannel ? CheckSeverity::Error : CheckSeverity::Warning;
}

const char* ProblemName(CheckProblem problem) {
    switch (problem) {
        case CheckProblem::ImageRefused:
            return "image-refused";
        case CheckProblem::CapacityAboveLimit:
            return "capacity-above-limit";
        case CheckProblem::CountAboveCapacity:
            return "count-above-capacity";
        case CheckProblem::AreasOverlap:
            return "areas-overlap";
        case CheckProblem::BlockTooLarge:
            return "block-too-large";
        case CheckProblem::BlockNotWhole:
            return "block-not-whole";
        case CheckProblem::MissingTransponder:
            return "missing-transponder";
        case CheckProblem::MissingSatellite:
            return "missing-satellite";
        case CheckProblem::TransponderNumberTooLarge:
            return "transponder-number-too-large";
        case CheckProblem::ValueTooWide:
            return "value-too-wide";
        case CheckProblem::DuplicateChannel:
            return "duplicate-channel";
        case CheckProblem::DuplicateTransponder:
            return "duplicate-transponder";
        case CheckProblem::NoPids:
            return "no-pids";
        case CheckProblem::EmptyName:
            return "empty-name";
        case CheckProblem::WrongListFlag:
            return "wrong-list-flag";
        case CheckProblem::SatelliteWithoutTransponders:
            return "satellite-without-transponders";
        case CheckProblem::TransponderWithoutChannels:
            return "transponder-without-channels";
    }
    return "";
}

CheckResult CheckDatabase(const ChannelDatabase& db, ImageKind target) {
    return Checker(db, target).Run();
}

CheckResult RefusedImageResult(std::string message) {
    CheckResult result;
    result.findings.push_back(
        CheckFinding{CheckProblem::ImageRefused, RecordRef{}, {}, std::move(message)});
    result.errors = 1;
    return result;
}

std::string FindingLine(const CheckFinding& finding) {
    return (finding.Severity() == CheckSeverity::Error ? "error: " : "warning: ") + finding.message;
}

std::string CheckReportText(const CheckResult& result) {
    std::string text;
    for (const CheckFinding& finding : result.findings) text += FindingLine(finding) + "\n";
    if (result.findings.empty()) return "No problems found.\n";
    auto count = [](std::size_t n, const char* word) {
        return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
    };
    return text + count(result.errors, "error") + ", " + count(result.warnings, "warning") + "\n";
}

}  // namespace zev
