// A database comparison as a tree that reads at a glance: one group each for the header, the
// satellites, the transponders and the TV and radio channels (only those with differences),
// each titled with its own summary ("TV channels: 2 added, 1 changed"), and under each group one
// row per record that differs: what it is, how it changed (added, removed, moved, changed; each
// with its colour) and the changed fields as old -> new.
#pragma once

#include <QAbstractItemModel>
#include <QString>
#include <cstddef>
#include <vector>

#include "editing/DatabaseDiff.h"

// How many records of each kind of change: a record that moved and changed counts in both.
struct DiffCounts {
    std::size_t added = 0;
    std::size_t removed = 0;
    std::size_t moved = 0;
    std::size_t changed = 0;
    std::size_t headerFields = 0;

    void Add(const zev::RecordDiff& record);
    bool None() const { return added + removed + moved + changed + headerFields == 0; }
};

DiffCounts CountDifferences(const zev::DatabaseDiff& diff);

// "3 added, 1 removed, 2 moved, 4 changed" (with "; 2 header fields differ" when they do), or
// "Equal" when there are no differences. `brief` leaves out the kinds of change that are 0.
QString DiffSummaryText(const DiffCounts& counts, bool brief = false);

class DiffTreeModel : public QAbstractItemModel {
    Q_OBJECT
  public:
    enum Column { RecordColumn = 0, ChangeColumn, DetailsColumn, ColumnCount };

    explicit DiffTreeModel(zev::DatabaseDiff diff, QObject* parent = nullptr);

    const zev::DatabaseDiff& Diff() const { return diff_; }

    QModelIndex index(int row, int column,
                      const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    struct Group {
        QString title;
        QString summary;
        bool header = false;               // the header's fields, not records
        std::vector<std::size_t> records;  // indexes into diff_.records
    };

    QVariant GroupData(const Group& group, int column, int role) const;
    QVariant HeaderFieldData(const zev::FieldChange& change, int column, int role) const;
    QVariant RecordData(const zev::RecordDiff& record, int column, int role) const;

    zev::DatabaseDiff diff_;
    std::vector<Group> groups_;
};
