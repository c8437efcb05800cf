// File Open, Save and Save As. With the terminal shown they deal with update files and text
// logs, with a channel list shown with parameter images. All of them work on the session's
// current file name and held file.
#pragma once

#include <QString>
#include <cstdio>
#include <string>

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

  private:
    void OpenImage(const QString& path);
    void SaveText(bool askForName);
    void SaveImage(bool askForName);
    // Closes the held file and creates `path` as the new held image file.
    bool CreateImageFile(const QString& path);
    bool EnsureImageFileHeld();
    void WriteImage(std::FILE* file, const std::string& extension);
    void Warn(const QString& text);

    CZevView& view_;
    zev::ReceiverSession& session_;
    UiPrompts& prompts_;
};
