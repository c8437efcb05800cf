// The program's current file ("*.*": none), the input of the update commands; the channel
// list's own file, the image it was opened from or last saved as, which File Save writes with
// a list shown; and that image file, held open from File Open or Save As until another file
// takes its place or Stop Update lets go of it (OpenFileState). Saving terminal text or opening
// an update file changes the current file only, never the list's file.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "formats/ParameterImage.h"
#include "protocols/ReceiverRun.h"

class DataFileState {
  public:
    static constexpr const char* kNoFile = "*.*";

    DataFileState() = default;
    ~DataFileState() { CloseHeldFile(); }
    DataFileState(const DataFileState&) = delete;
    DataFileState& operator=(const DataFileState&) = delete;

    const std::string& CurrentFile() const { return currentFile_; }
    bool HasCurrentFile() const { return currentFile_ != kNoFile; }
    void SetCurrentFile(std::string path) { currentFile_ = std::move(path); }

    // The channel list's image file; empty when the list has none (a fresh start, or the
    // channels came from the box).
    const std::string& ListFile() const { return listFile_; }
    bool HasListFile() const { return !listFile_.empty(); }
    void SetListFile(std::string path) { listFile_ = std::move(path); }

    zev::OpenFile OpenFileState() const {
        return held_ != nullptr ? zev::OpenFile::ImageFile : zev::OpenFile::None;
    }
    std::FILE* HeldFile() const { return held_; }
    // Holds `file`, closing the one held before.
    void HoldFile(std::FILE* file);
    void CloseHeldFile() { HoldFile(nullptr); }

    // Stop Update: the held file is closed and no file is current; the list keeps its file.
    void Forget() {
        CloseHeldFile();
        currentFile_ = kNoFile;
    }

  private:
    std::string currentFile_ = kNoFile;
    std::string listFile_;
    std::FILE* held_ = nullptr;
};

// The image a file of that extension holds ("stc" user block, "def" default-channel block,
// "all" both, compared case-sensitively); none for any other extension.
std::optional<zev::ImageKind> ImageKindOfExtension(const std::string& extension);
