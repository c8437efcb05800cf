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
    // Open without the dialog, for a file named with --open on the command line.
    void OpenPath(const QString& path);
    void Save();
    void SaveAs();

    // The text after the last "." of the file name, or the whole name without a dot.
    static QString ExtensionOf(const QString& path);

  private:
    void OpenImage(const QString& path);
    void SaveText(bool askForName);
    void SaveImage(bool askForName);
    // Closes the held file and creates `path` as the new held image file.
    bool CreateImageFile(const QString& path);
    bool EnsureImageFileHeld();
    void WriteImage(std::FILE* file, const QString& extension);
    void Warn(const QString& text);

    CZevView& view_;
    zev::ReceiverSession& session_;
    UiPrompts& prompts_;
};
