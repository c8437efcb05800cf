// The dialog of Data "Update Transponders from File...": one row per satellite of the channel
// list with a drop-down of the file's satellites, chosen at first by the tying rule (the only
// satellite of the file whose name contains the satellite's), and beside it what the update
// would do to that satellite's transponders. Every change of a choice, or of whether
// transponders the file lacks are deleted, plans the update again; Apply is refused while the
// plan would hold more transponders than the image takes.
#pragma once

#include <QDialog>
#include <cstddef>
#include <optional>
#include <vector>

#include "database/ChannelDatabase.h"
#include "editing/TransponderFile.h"
#include "editing/TransponderUpdate.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

class CUpdateTranspondersDlg : public QDialog {
    Q_OBJECT
  public:
    enum Column {
        SatelliteColumn,
        FileSatelliteColumn,
        AddedColumn,
        UpdatedColumn,
        UnchangedColumn,
        NotInFileColumn,
        CircularColumn,
        NoteColumn,
        kColumnCount
    };

    // `ties` holds one tie per satellite of `db` (TieSatellites); both `db` and `file` outlive
    // the dialog.
    CUpdateTranspondersDlg(const zev::ChannelDatabase& db, const zev::TransponderFile& file,
                           std::vector<zev::SatelliteTie> ties, const QString& fileName,
                           QWidget* parent = nullptr);

    // The satellite of the file that satellite `satellite` takes its transponders from; none
    // leaves it as it is.
    std::optional<std::size_t> Choice(std::size_t satellite) const;
    void SetChoice(std::size_t satellite, std::optional<std::size_t> fileSatellite);
    bool RemoveMissing() const;
    void SetRemoveMissing(bool remove);

    // What Apply carries out.
    const zev::TransponderUpdatePlan& Plan() const { return plan_; }
    QTableWidget& Table() const { return *table_; }
    QLabel& Summary() const { return *summary_; }
    QPushButton& ApplyButton() const { return *apply_; }

  private:
    void Replan();
    QComboBox* Chooser(std::size_t satellite) const;

    const zev::ChannelDatabase& db_;
    const zev::TransponderFile& file_;
    std::vector<zev::SatelliteTie> ties_;
    zev::TransponderUpdatePlan plan_;
    QTableWidget* table_;
    QCheckBox* removeMissing_;
    QLabel* summary_;
    QPushButton* apply_;
};
