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
    void Add(CheckProblem problem, const RecordRef& record, Translatable message,
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
                ZEV_TR("Check", "The transponder capacity of %1 is larger than the limit of %2.")
                    .Arg(h_.TpCapacity)
                    .Arg(kMaxTransponders));
        }
        if (h_.ChannelCapacity > kMaxChannelSlots) {
            countsFit = false;
            Add(CheckProblem::CapacityAboveLimit, header,
                ZEV_TR("Check", "The channel capacity of %1 is larger than the limit of %2.")
                    .Arg(h_.ChannelCapacity)
                    .Arg(kMaxChannelSlots));
        }
        if (h_.SatCount > h_.SatCapacity) {
            countsFit = false;
            Add(CheckProblem::CountAboveCapacity, header,
                ZEV_TR("Check", "The database holds %1 satellites, more than its capacity of %2.")
                    .Arg(h_.SatCount)
                    .Arg(h_.SatCapacity));
        }
        if (h_.TpCount > h_.TpCapacity) {
            countsFit = false;
            Add(CheckProblem::CountAboveCapacity, header,
                ZEV_TR("Check", "The database holds %1 transponders, more than its capacity of %2.")
                    .Arg(h_.TpCount)
                    .Arg(h_.TpCapacity));
        }
        const std::size_t channels = std::size_t{h_.TvCount} + h_.RadioCount;
        if (channels > h_.ChannelCapacity) {
            countsFit = false;
            Add(CheckProblem::AreasOverlap, header,
                ZEV_TR("Check",
                       "The database holds %1 TV and %2 radio channels, more than its %3 "
                       "channel slots: TV and radio channels would overlap.")
                    .Arg(h_.TvCount)
                    .Arg(h_.RadioCount)
                    .Arg(h_.ChannelCapacity));
        }
        // The block layouts are only worth checking once the counts fit the capacities; the
        // layout check would otherwise repeat what was just said.
        if (h_.UserBlockSize > kInputImageSize) {
            Add(CheckProblem::BlockTooLarge, header,
                ZEV_TR("Check",
                       "The user block size of %1 bytes is larger than the largest user block "
                       "(%2 bytes).")
                    .Arg(h_.UserBlockSize)
                    .Arg(kInputImageSize));
        } else if (countsFit) {
            CheckLayout(h_.UserBlockSize, image::UserBlockName());
        }
        // What Send refuses: a block that is no whole number of the receiver's flash blocks.
        CheckFlashBlocks(h_.UserBlockSize, image::UserBlockName());
        if (target_ == ImageKind::User) return;

        CheckFlashBlocks(h_.DefaultBlockSize, image::DefaultBlockName());
        const bool fitsOutput = ImageSize(h_, target_) <= kOutputImageSize;
        if (!fitsOutput) {
            Add(CheckProblem::BlockTooLarge, header,
                ZEV_TR("Check",
                       "The image of %1 bytes is larger than the largest image (%2 bytes).")
                    .Arg(ImageSize(h_, target_))
                    .Arg(kOutputImageSize));
        }
        if (h_.SatCount > h_.DefaultSatCapacity) {
            Add(CheckProblem::CountAboveCapacity, header,
                ZEV_TR("Check",
                       "The default-channel block holds at most %1 satellites, fewer than the "
                       "%2 in the database.")
                    .Arg(h_.DefaultSatCapacity)
                    .Arg(h_.SatCount));
        }
        if (h_.TpCount > h_.DefaultTpCapacity) {
            Add(CheckProblem::CountAboveCapacity, header,
                ZEV_TR("Check",
                       "The default-channel block holds at most %1 transponders, fewer than the "
                       "%2 in the database.")
                    .Arg(h_.DefaultTpCapacity)
                    .Arg(h_.TpCount));
        }
        // The limit Send goes by: DefaultChannelCapacity, or the room the block has when it is
        // laid out with the user block's capacities, whichever is less.
        const std::size_t limit = image::DefaultChannelLimit(h_);
        if (channels > limit) {
            Add(CheckProblem::CountAboveCapacity, header,
                ZEV_TR("Check",
                       "The default-channel block holds at most %1 channels, fewer than the %2 "
                       "in the database.")
                    .Arg(limit)
                    .Arg(channels));
        } else if (countsFit && fitsOutput) {
            CheckLayout(h_.DefaultBlockSize, image::DefaultBlockName());
        }
    }

    void CheckFlashBlocks(std::size_t blockSize, const Translatable& blockName) {
        Translatable problem = image::CheckFlashBlocks(blockSize, blockName);
        if (!problem.Empty()) Add(CheckProblem::BlockNotWhole, RecordRef{}, std::move(problem));
    }

    void CheckLayout(std::size_t blockSize, const Translatable& blockName) {
        Translatable problem = image::CheckBlockLayout(h_, blockSize, blockName);
        if (!problem.Empty()) Add(CheckProblem::AreasOverlap, RecordRef{}, std::move(problem));
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
                     const RecordRef& ref, const Translatable& who) {
        for (const image::ImageField<Record>& f : fields) {
            const uint32_t value = f.field->get(record);
            if (value <= f.Most() || std::string_view(f.field->name) == "TpNumber") continue;
            Add(CheckProblem::ValueTooWide, ref,
                ZEV_TR("Check", "%1: %2 %3 does not fit the image, which holds 0 to %4.")
                    .Arg(who)
                    .Arg(f.field->name)
                    .Arg(value)
                    .Arg(f.Most()));
        }
    }

    // A record's label and, when it has one, its name.
    static Translatable Named(Translatable label, const std::array<char, kNameFieldSize>& name) {
        if (NameIsBlank(name)) return label;
        return Translatable::Joined("%1 %2", {std::move(label), QuotedName(name)});
    }

    Translatable SatelliteName(std::size_t position) const {
        return Named(RecordLabel(SatelliteRef(position)), db_.satellites[position].Name);
    }

    Translatable TransponderName(std::size_t position) const {
        const TransponderEntry& t = db_.transponders[position];
        return ZEV_TR("Check", "Transponder %1 (%2 %3)")
            .Arg(position + 1)
            .Arg(t.Frequency)
            .Arg(t.Polarization != 0 ? "V" : "H");
    }

    Translatable ChannelName(const RecordRef& ref) const {
        return Named(RecordLabel(ref), db_.channels[ref.slot].Name);
    }

    void CheckSatellites() {
        for (std::size_t i = 0; i < satellites_; ++i) {
            const SatelliteEntry& s = db_.satellites[i];
            const RecordRef ref = SatelliteRef(i);
            const Translatable who = SatelliteName(i);
            CheckWidths(s, image::SatelliteImageFields(), ref, who);
            if (NameIsBlank(s.Name)) {
                Add(CheckProblem::EmptyName, ref, ZEV_TR("Check", "%1 has no name.").Arg(who));
            }
            if (satelliteUses_[i + 1] == 0) {
                Add(CheckProblem::SatelliteWithoutTransponders, ref,
                    ZEV_TR("Check", "%1 has no transponders.").Arg(who));
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
            const Translatable who = TransponderName(i);
            if (t.Sat == 0 || t.Sat > satellites_) {
                Add(CheckProblem::MissingSatellite, ref,
                    ZEV_TR("Check",
                           "%1 belongs to satellite %2, which does not exist (there are %3 "
                           "satellites).")
                        .Arg(who)
                        .Arg(t.Sat)
                        .Arg(satellites_));
            }
            CheckWidths(t, image::TransponderImageFields(), ref, who);
            const uint32_t key = (uint32_t{t.Sat} << 17) | (uint32_t{t.Frequency} << 1) |
                                 (t.Polarization != 0 ? 1u : 0u);
            const auto [first, inserted] = seen.try_emplace(key, i);
            if (!inserted) {
                Add(CheckProblem::DuplicateTransponder, ref,
                    ZEV_TR("Check", "%1 on satellite %2 duplicates transponder %3.")
                        .Arg(who)
                        .Arg(t.Sat)
                        .Arg(first->second + 1),
                    {TransponderRef(first->second)});
            }
            if (transponderUses_[i + 1] == 0) {
                Add(CheckProblem::TransponderWithoutChannels, ref,
                    ZEV_TR("Check", "%1 has no channels.").Arg(who));
            }
        }
    }

    void CheckChannel(const RecordRef& ref) {
        const ChannelEntry& c = db_.channels[ref.slot];
        const Translatable who = ChannelName(ref);
        if (c.TpNumber == 0 || c.TpNumber > transponders_) {
            Add(CheckProblem::MissingTransponder, ref,
                ZEV_TR("Check",
                       "%1 is on transponder %2, which does not exist (there are %3 "
                       "transponders).")
                    .Arg(who)
                    .Arg(c.TpNumber)
                    .Arg(transponders_));
        } else if (c.TpNumber > image::kMaxTpNumber) {
            Add(CheckProblem::TransponderNumberTooLarge, ref,
                ZEV_TR("Check",
                       "%1 is on transponder %2; the image can hold transponder numbers up to "
                       "2047 only.")
                    .Arg(who)
                    .Arg(c.TpNumber));
        }
        CheckWidths(c, image::ChannelImageFields(), ref, who);

        const uint32_t key = (uint32_t{c.TpNumber} << 16) | c.ServiceID;
        const auto [first, inserted] = channelsSeen_.try_emplace(key, ref);
        if (!inserted) {
            Add(CheckProblem::DuplicateChannel, ref,
                ZEV_TR("Check", "%1 duplicates %2 (transponder %3, Service ID %4).")
                    .Arg(who)
                    .Arg(ChannelName(first->second))
                    .Arg(c.TpNumber)
                    .Arg(c.ServiceID),
                {first->second});
        }
        if (!HasPid(c.VPID) && !HasPid(c.APID) && !HasPid(c.AC3PID)) {
            Add(CheckProblem::NoPids, ref,
                ZEV_TR("Check", "%1 has neither a video nor an audio PID.").Arg(who));
        }
        if (NameIsBlank(c.Name)) {
            Add(CheckProblem::EmptyName, ref, ZEV_TR("Check", "%1 has no name.").Arg(who));
        }
        const bool inRadioList = ref.kind == RecordKind::RadioChannel;
        if (inRadioList != (c.RadioFlag != 0)) {
            Add(CheckProblem::WrongListFlag, ref,
                (inRadioList
                     ? ZEV_TR("Check", "%1 is in the radio list but marked as a TV channel.")
                     : ZEV_TR("Check", "%1 is in the TV list but marked as a radio channel."))
                    .Arg(who));
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
    return (finding.Severity() == CheckSeverity::Error ? "error: " : "warning: ") +
           finding.message.English();
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
