// File Open, Save and Save As. With the terminal shown they deal with update files and text
// logs, with a channel list shown with parameter images. All of them work on the program's
// current file and held image file.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/FileError.h"
#include "core/Result.h"

namespace zev {
class ChannelDatabase;
struct ImageBuffers;
}  // namespace zev

class DataFileState;
class DatabaseChanges;
class TerminalSink;
class UiPrompts;
class ViewState;

class CDataFileCommands {
  public:
    CDataFileCommands(const ViewState& view, DataFileState& files, zev::ChannelDatabase& db,
                      zev::ImageBuffers& images, DatabaseChanges& changes, UiPrompts& prompts,
                      const TerminalSink& terminal);

    // Open with the dialog, or of `path` without it (the command line's --open). True when a
    // parameter image was read into the database: its TV list is to be shown.
    bool Open();
    bool OpenPath(const QString& path);
    // False when the save dialog was cancelled or nothing could be written; true also when the
    // current file's extension says nothing is written.
    bool Save();
    void SaveAs();
    // Asks whether to save the changed channel list (Yes / No / Cancel); Yes saves it as Save
    // would, asking for a name when no image file is named. False on Cancel or a failed save.
    bool SaveChangedChannelList();
    // Saves the terminal text: into the current file when that is a .txt file, else under a
    // name the person gives. False when nothing was saved.
    bool SaveTerminalText();

  private:
    bool OpenImage(const QString& path);
    bool SaveText(bool askForName);
    bool SaveImage(bool askForName);
    // The check before an image of that extension is written: false when it has errors and
    // the person does not want it saved.
    bool CheckBeforeSaving(const std::string& extension);
    // Save As of the channels: packs the image, writes it as a new file that replaces `path`
    // only once complete, and holds that file. A refused or failed save touches no file.
    bool SaveImageAs(const std::string& path);
    // Save into the held (or current) image file: the image over its start, its tail kept.
    bool SaveIntoImageFile();
    // The image the extension names, packed into the output buffer; nullopt (after the
    // warning) when the database does not fit it.
    std::optional<std::span<const uint8_t>> PackForExtension(const std::string& extension);
    // Creates `path` empty if it does not exist; an existing regular file is left as it is.
    zev::Result<void, zev::FileError> CreateOrKeepFile(const std::string& path);
    // Closes the held file and holds `path` instead, which becomes the current file.
    bool HoldNewImageFile(const std::string& path);
    bool EnsureImageFileHeld();
    bool WarnNotSaved(const zev::FileError& error);
    void WarnNotOpened(const zev::FileError& error);
    void Warn(const QString& text);

    const ViewState& view_;
    DataFileState& files_;
    zev::ChannelDatabase& db_;
    zev::ImageBuffers& images_;
    DatabaseChanges& changes_;
    UiPrompts& prompts_;
    const TerminalSink& terminal_;
};
