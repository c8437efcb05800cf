// One conversation with the receiver, driven byte by byte: the base of the runs that
// ReceiverSession conducts. Each run names its own steps; what they share (the handshake, the
// frames, the block transfer, the result table) are helpers they use.
#pragma once

#include <cstdint>
#include <functional>

#include "protocols/LoaderTransfer.h"
#include "protocols/RunHost.h"

namespace zev {

// Which data file is held open (OpenFileState): the file a run sends from, or the image file
// that the program's File Save writes. (A parameter data file is read whole by its command and
// not held.)
enum class OpenFile : int { None = 0, SoftwareFile = 2, ImageFile = 3, OtaFile = 4 };

// What a run may ask of the session that conducts it.
class RunControl {
  public:
    virtual ~RunControl() = default;
    // The run is over: the session goes back to Idle and the host hears how it ended. The
    // run may finish the byte it handles; it gets no more.
    virtual void EndRun(RunEnd end, RunReason reason) = 0;
    // The box confirmed a settings run: the run is over, Stop Update closes the link and the
    // data file, then `verdict` tells how the run ended (RunReason::None: it succeeded). The
    // verdict may look at the link.
    virtual void EndRunWithStopUpdate(const std::function<RunReason()>& verdict) = 0;
};

class ReceiverRun {
  public:
    ReceiverRun(RunHost& host, RunControl& control) : host_(host), control_(control) {}
    virtual ~ReceiverRun() = default;
    ReceiverRun(const ReceiverRun&) = delete;
    ReceiverRun& operator=(const ReceiverRun&) = delete;

    virtual ProtocolMode Mode() const = 0;
    // The number of the run's current step (protocolStep), counted from 0 for each run.
    virtual uint8_t StepNumber() const = 0;
    // One received byte.
    virtual void HandleByte(uint8_t value) = 0;

    // The data file the run holds open, and closing it (Stop Update).
    virtual OpenFile HeldFile() const { return OpenFile::None; }
    virtual void CloseFile() {}
    // Whether the Stop Update that ends a successful run lets go of the program's data file
    // (a load of the box's block beside the database does not touch it).
    virtual bool ForgetsDataFile() const { return true; }

    // The run writes into the box's flash and its first data block has gone: ended now, the
    // flash holds part of the new data.
    virtual bool FirstBlockSent() const { return false; }

  protected:
    void Succeed() { control_.EndRun(RunEnd::Succeeded, RunReason::None); }
    void Fail(RunReason reason) { control_.EndRun(RunEnd::Failed, reason); }
    // Ends the run once `transfer` is over.
    void Follow(LoaderTransfer::Progress progress, const LoaderTransfer& transfer) {
        if (progress == LoaderTransfer::Progress::Succeeded) {
            Succeed();
        } else if (progress == LoaderTransfer::Progress::Failed) {
            Fail(transfer.Reason());
        }
    }

    RunHost& host_;
    RunControl& control_;
};

}  // namespace zev
