#include "app/ToolbarIcons.h"

#include <QPainter>
#include <QPixmap>

#include "app/CommandIds.h"

namespace {

constexpr int kSize = 16;

// A drawing of letters on a coloured tile for commands without a theme icon.
QIcon LetterIcon(const QString& letters, const QColor& tile) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(tile.darker(150));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(0.5, 0.5, kSize - 1, kSize - 1), 3, 3);
    QFont font = p.font();
    font.setPixelSize(letters.size() > 1 ? 7 : 10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, letters);
    return QIcon(pixmap);
}

struct IconEntry {
    int id;
    const char* themeName;
    const char* letters;
    QRgb colour;
};

const IconEntry kIcons[] = {
    {cmd::FileNew, "document-new", "N", 0x607d8b},
    {cmd::FileOpen, "document-open", "O", 0x8d6e63},
    {cmd::FileSave, "document-save", "S", 0x3f51b5},
    {cmd::EditCut, "edit-cut", "X", 0x9e9e9e},
    {cmd::EditCopy, "edit-copy", "C", 0x9e9e9e},
    {cmd::EditPaste, "edit-paste", "V", 0x9e9e9e},
    {cmd::UpdateParameters, nullptr, "UP", 0x2e7d32},
    {cmd::UpdateSoftware, nullptr, "US", 0x1565c0},
    {cmd::OtaSoftwareUpdate, nullptr, "OTA", 0x6a1b9a},
    {cmd::StopUpdate, "process-stop", "ST", 0xc62828},
    {cmd::EditText, nullptr, "T", 0x455a64},
    {cmd::TvChannelList, nullptr, "TV", 0xef6c00},
    {cmd::RadioChannelList, nullptr, "R", 0x00838f},
    {cmd::ToggleHexMode, nullptr, "0x", 0x5d4037},
    {cmd::AppAbout, "help-about", "?", 0x0277bd},
};

}  // namespace

QIcon ToolbarIcon(int commandId) {
    for (const IconEntry& icon : kIcons) {
        if (icon.id != commandId) continue;
        const QIcon drawn = LetterIcon(QString::fromLatin1(icon.letters), QColor(icon.colour));
        return icon.themeName != nullptr ? QIcon::fromTheme(icon.themeName, drawn) : drawn;
    }
    return QIcon();
}

QIcon ProgramIcon() { return LetterIcon(QStringLiteral("Z"), QColor(0x1565c0)); }
