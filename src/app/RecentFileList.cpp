#include "app/RecentFileList.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const char* const kOrganisation = "Local AppWizard-Generated Applications";
const char* const kApplication = "zev";
const char* const kGroup = "Recent File List";

}  // namespace

RecentFileList::RecentFileList() {
    QSettings settings(kOrganisation, kApplication);
    settings.beginGroup(kGroup);
    for (int i = 1; i <= kMaxEntries; ++i) {
        const QString path = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!path.isEmpty()) entries_ << path;
    }
}

void RecentFileList::Add(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    entries_.removeAll(full);
    entries_.prepend(full);
    while (entries_.size() > kMaxEntries) entries_.removeLast();
    Save();
}

void RecentFileList::Remove(const QString& path) {
    entries_.removeAll(path);
    Save();
}

void RecentFileList::Save() const {
    QSettings settings(kOrganisation, kApplication);
    settings.beginGroup(kGroup);
    for (int i = 1; i <= kMaxEntries; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= entries_.size()) {
            settings.setValue(key, entries_[i - 1]);
        } else {
            settings.remove(key);
        }
    }
}
