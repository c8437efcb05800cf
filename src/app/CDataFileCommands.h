// File Open, Save and Save As. With the terminal shown they deal with update files and text
// logs, with a channel list shown with parameter images. All of them work on the program's
// current file and held image file.
#pragma once

#include <QString>
#include <cstdio>
#include <string>

namespace zev {
class ChannelDatabase;
struct ImageBuffers;
}  // namespace zev

class CZevView;
class DataFileState;
class UiPrompts;

class CDataFileCommands {
  public:
    CDataFileCommands(CZevView& view, DataFileState& files, zev::ChannelDatabase& db,
                      zev::ImageBuffers& images, UiPrompts& prompts);

    void Open();
    // Open without the dialog, for a file named with --open on the command line.
    void OpenPath(const QString& path);
    void Save();
    void SaveAs();
    // Asks whether to save the changed channel list (Yes / No / Cancel); Yes saves it as Save
    // would, asking for a name when no image file is named. False on Cancel or a failed save.
    bool SaveChangedChannelList();

  private:
    void OpenImage(const QString& path);
    void SaveText(bool askForName);
    bool SaveImage(bool askForName);
    // The check before an image of that extension is written: false when it has errors and
    // the person does not want it saved.
    bool CheckBeforeSaving(const std::string& extension);
    // Closes the held file and creates `path` as the new held image file.
    bool CreateImageFile(const QString& path);
    bool EnsureImageFileHeld();
    bool WriteImage(std::FILE* file, const std::string& extension);
    void Warn(const QString& text);

    CZevView& view_;
    DataFileState& files_;
    zev::ChannelDatabase& db_;
    zev::ImageBuffers& images_;
    UiPrompts& prompts_;
};
