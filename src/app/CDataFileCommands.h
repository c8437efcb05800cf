// File Open, Save and Save As. With the terminal shown they deal with update files and text
// logs, with a channel list shown with parameter images. Open and the text saves set the
// program's current file, the input of the update commands; the channel list keeps a file of
// its own, the image it was opened from or last saved as, and Save with a list shown writes
// that file and no other (or asks for a name when the list has none).
#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "core/FileError.h"
#include "core/Result.h"
#include "formats/ParameterImage.h"

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
    Q_DECLARE_TR_FUNCTIONS(CDataFileCommands)

  public:
    // What the commands tell the rest of the program: a line for the status bar's message
    // pane, and each file opened or saved under a name the person chose (the recent files).
    struct Reports {
        std::function<void(const QString&)> status;
        std::function<void(const QString&)> fileUsed;
    };

    CDataFileCommands(const ViewState& view, DataFileState& files, zev::ChannelDatabase& db,
                      zev::ImageBuffers& images, DatabaseChanges& changes, UiPrompts& prompts,
                      const TerminalSink& terminal, Reports reports);

    // Open with the dialog, or of `path` without it (the command line's --open, a recent
    // file). True when a parameter image (.stc, .def or .all) was read into the database: its
    // TV list is to be shown.
    bool Open();
    bool OpenPath(const QString& path);
    // Each is true only when something was written; false when a dialog was cancelled, the
    // name takes nothing or the file could not be written (the person has been told).
    bool Save();
    bool SaveAs();
    // Asks whether to save the changed channel list (Yes / No / Cancel); Yes saves it into the
    // list's file, asking for a name when it has none. False on Cancel or a save that wrote
    // nothing.
    bool SaveChangedChannelList();
    // Saves the terminal text: into the current file when that is a .txt file, else under a
    // name the person gives. False when nothing was saved.
    bool SaveTerminalText();

  private:
    bool OpenImage(const QString& path, zev::ImageKind kind);
    bool SaveText(bool askForName);
    // The text save dialog until it names no existing image; nullopt when cancelled.
    std::optional<QString> AskTextFileName();
    bool SaveList(bool askForName);
    // The check before an image of that extension is written: false when it has errors and
    // the person does not want it saved.
    bool CheckBeforeSaving(const std::string& extension);
    // Save As of the channels: packs the image, writes it as a new file that replaces `path`
    // only once complete, and makes it the list's file. A refused or failed save touches no
    // file.
    bool SaveImageAs(const std::string& path);
    // Save into the list's file: the image over its start, its tail kept.
    bool SaveIntoListFile();
    // The image the extension names, packed into the output buffer; nullopt (after the
    // warning) when the database does not fit it.
    std::optional<std::span<const uint8_t>> PackForExtension(const std::string& extension);
    // Creates `path` empty if it does not exist; an existing regular file is left as it is.
    zev::Result<void, zev::FileError> CreateOrKeepFile(const std::string& path);
    // Closes the held file and holds `path` instead, which becomes the current file.
    bool HoldNewImageFile(const std::string& path);
    bool WarnNotSaved(const zev::FileError& error);
    void WarnNotOpened(const zev::FileError& error);
    void Warn(const QString& text);
    void Status(const QString& text) const;
    void Used(const QString& path) const;
    // Where the dialogs start: the list's file, else the current file.
    QString StartingPoint() const;

    const ViewState& view_;
    DataFileState& files_;
    zev::ChannelDatabase& db_;
    zev::ImageBuffers& images_;
    DatabaseChanges& changes_;
    UiPrompts& prompts_;
    const TerminalSink& terminal_;
    Reports reports_;
};
