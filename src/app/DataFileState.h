// The program's one current file ("*.*": none) and the image file that File Save writes,
// held open from File Open or Save As until another file takes its place or Stop Update lets
// go of it (OpenFileState).
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

    zev::OpenFile OpenFileState() const {
        return held_ != nullptr ? zev::OpenFile::ImageFile : zev::OpenFile::None;
    }
    std::FILE* HeldFile() const { return held_; }
    // Holds `file`, closing the one held before.
    void HoldFile(std::FILE* file);
    void CloseHeldFile() { HoldFile(nullptr); }

    // Stop Update: the held file is closed and no file is current.
    void Forget() {
        CloseHeldFile();
        currentFile_ = kNoFile;
    }

  private:
    std::string currentFile_ = kNoFile;
    std::FILE* held_ = nullptr;
};

// The image a file of that extension holds ("stc" user block, "def" default-channel block,
// "all" both, compared case-sensitively); none for any other extension.
std::optional<zev::ImageKind> ImageKindOfExtension(const std::string& extension);
