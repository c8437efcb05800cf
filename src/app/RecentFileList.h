// The recent-file list: up to four files opened as terminal text, newest first, kept in the
// user's settings under the program's historical organisation name.
#pragma once

#include <QString>
#include <QStringList>

class RecentFileList {
  public:
    static constexpr int kMaxEntries = 4;

    RecentFileList();

    QStringList Entries() const { return entries_; }
    void Add(const QString& path);
    void Remove(const QString& path);

  private:
    void Save() const;

    QStringList entries_;
};
