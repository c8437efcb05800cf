#include "protocols/SettingsSafeguards.h"

#include <algorithm>
#include <utility>

namespace zev {
namespace {

constexpr const char* kVerifyCaption = ZEV_TR_NOOP("Verify", "Verify Box Settings");

Translatable VerifyCaption() { return Translatable("Verify", kVerifyCaption); }

bool Succeeded(const RunOutcome& outcome) { return outcome.end == RunEnd::Succeeded; }

}  // namespace

void SettingsSafeguards::Send(const std::string& dataFile, SendChecks checks) {
    const std::optional<SendTarget> target = session_.PrepareSend(dataFile);
    if (!target) {
        return;
    }
    target_ = *target;
    checks_ = std::move(checks);
    // What the box's user block should hold afterwards; the loads leave the output alone, but
    // nothing else may pack into it meanwhile either.
    const auto packed =
        std::span<const uint8_t>(images_.output).subspan(target_.userOffset, target_.userLength);
    expected_.assign(packed.begin(), packed.end());
    if (!checks_.backup) {
        SendNow();
        return;
    }
    backup_.clear();
    auto keep = [this](std::span<const uint8_t> block) {
        backup_.assign(block.begin(), block.end());
        return RunReason::None;
    };
    session_.LoadBoxBlock(keep, [this](const RunOutcome& outcome) {
        if (!Succeeded(outcome)) {
            host_.AppendText(
                "\nThe box's settings could not be loaded for a backup: nothing is sent.");
            host_.RunFinished(outcome);
            return;
        }
        if (!checks_.backup(backup_)) {
            host_.AppendText("\nThe box's settings could not be saved: nothing is sent.");
            host_.RunFinished({.mode = ProtocolMode::SendSettings,
                               .end = RunEnd::Refused,
                               .reason = RunReason::BackupUnwritable});
            return;
        }
        host_.RunLater([this] { SendNow(); });
    });
}

void SettingsSafeguards::SendNow() {
    RunFollowUp then;
    if (checks_.verify) {
        then = [this](const RunOutcome& outcome) {
            if (!Succeeded(outcome)) {
                host_.RunFinished(outcome);
                return;
            }
            host_.RunLater([this] { VerifySent(); });
        };
    }
    session_.StartSend(target_, std::move(then));
}

void SettingsSafeguards::VerifySent() {
    session_.LoadBoxBlock([this](std::span<const uint8_t> found) {
        return Judge(found, "\nVerify Success! The box holds the settings that were sent.",
                     "\nVerify Failed! The box's settings differ from those sent:");
    });
}

void SettingsSafeguards::VerifyBox(const ChannelDatabase& db) {
    const auto refuse = [this](RunReason reason) {
        host_.RunFinished(
            {.mode = ProtocolMode::LoadSettings, .end = RunEnd::Refused, .reason = reason});
    };
    if (!db.Loaded) {
        host_.Message(ZEV_TR("Verify",
                             "There are no channel settings to compare with: open a .stc file or "
                             "load the box's settings first."),
                      VerifyCaption(), MsgIcon::Information);
        refuse(RunReason::NoFileChosen);
        return;
    }
    expected_.assign(ImageSize(db.header, ImageKind::User), 0);
    if (const ImageResult packed = PackImage(db, ImageKind::User, expected_); !packed.ok) {
        host_.Message(packed.error, VerifyCaption(), MsgIcon::Exclamation);
        refuse(RunReason::ImageRefused);
        return;
    }
    comparison_.reset();
    auto judge = [this](std::span<const uint8_t> found) {
        return Judge(found, "\nThe box holds the same settings as the channel list.",
                     "\nThe box's settings differ from the channel list:");
    };
    session_.LoadBoxBlock(judge, [this](const RunOutcome& outcome) {
        host_.RunFinished(outcome);
        // Told once the run is over and the byte that ended it handled.
        Translatable text;
        MsgIcon icon = MsgIcon::Exclamation;
        if (!comparison_) {
            text =
                ZEV_TR("Verify", "The box's settings could not be loaded; nothing was compared.");
        } else if (comparison_->equal) {
            text = ZEV_TR("Verify", "The box holds the same settings as the channel list.");
            icon = MsgIcon::Information;
        } else {
            // The differences name records and fields as the terminal does.
            std::vector<Translatable> lines = {
                ZEV_TR("Verify", "The box's settings differ from the channel list:")};
            const std::size_t shown =
                std::min(kMessageDifferences, comparison_->differences.size());
            for (std::size_t i = 0; i < shown; ++i) lines.emplace_back(comparison_->differences[i]);
            if (comparison_->differences.size() > shown) lines.emplace_back("...");
            text = JoinedLines(std::move(lines));
        }
        host_.RunLater([this, text, icon] { host_.Message(text, VerifyCaption(), icon); });
    });
}

RunReason SettingsSafeguards::Judge(std::span<const uint8_t> found, const char* sameLine,
                                    const char* otherLine) {
    comparison_ = CompareUserBlocks(expected_, found);
    if (comparison_->equal) {
        host_.AppendText(sameLine);
        return RunReason::None;
    }
    host_.AppendText(otherLine + DifferenceLines(*comparison_, kTerminalDifferences));
    return RunReason::NotVerified;
}

}  // namespace zev
