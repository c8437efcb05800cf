#include "satellites/CSttpListDlg.h"

#include "editing/RecordLinks.h"
#include "editing/SubListTexts.h"

CSttpListDlg::CSttpListDlg(zev::ChannelDatabase& db, QWidget* parent)
    : SubListDlg(
          db,
          {"STTPLIST", "1037", QT_TRANSLATE_NOOP("SubListDlg", "No     Fre        Pol    Symbol")},
          parent) {}

zev::Translatable CSttpListDlg::Title() const {
    return zev::SatelliteTranspondersTitle(db_, static_cast<std::size_t>(position),
                                           static_cast<std::size_t>(count));
}

QStringList CSttpListDlg::Lines() const {
    QStringList lines;
    for (std::size_t tp : zev::TranspondersOfSatellite(db_, static_cast<std::size_t>(position))) {
        lines << QString::fromLatin1(zev::SatelliteTransponderLine(db_, tp));
    }
    return lines;
}

void CSttpListDlg::DeleteAll() {
    db_.DeleteTranspondersOfSatellite(static_cast<uint8_t>(position + 1));
}
