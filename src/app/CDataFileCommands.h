// File Open, Save and Save As. With the terminal shown they deal with update files and text
// logs, with a channel list shown with parameter images. All of them work on the session's
// current file name and held file.
#pragma once

#include <QString>
#include <cstdio>

namespace zev {
class ReceiverSession;
}

class CZevView;
class UiPrompts;

class CDataFileCommands {
  public:
    CDataFileCommands(CZevView& view, zev::ReceiverSession& session, UiPrompts& prompts);

    void Open();
    void Save();
    void SaveAs();
    // Asks whether to save the changed channel list (Yes / No / Cancel); Yes saves it as Save
    // would, asking for a name when no image file is named. False on Cancel or a failed save.
    bool SaveChangedChannelList();

    // The text after the last "." of the file name, or the whole name without a dot.
    static QString ExtensionOf(const QString& path);

  private:
    void OpenImage(const QString& path);
    void SaveText(bool askForName);
    bool SaveImage(bool askForName);
    // Closes the held file and creates `path` as the new held image file.
    bool CreateImageFile(const QString& path);
    bool EnsureImageFileHeld();
    bool WriteImage(std::FILE* file, const QString& extension);
    void Warn(const QString& text);

    CZevView& view_;
    zev::ReceiverSession& session_;
    UiPrompts& prompts_;
};
