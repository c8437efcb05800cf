// The Line Monitor's rows as a table model over a LineLog: each piece of bytes takes one row
// per 16 bytes. Rows are made only when a view asks for them, so a long transfer costs the
// model one index entry per piece; Sync() catches up with the log (rows of dropped pieces
// leave at the top, rows of new pieces come at the bottom) and is the only thing that changes
// the rows: a view that stops calling it shows a still picture.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "link/LineLog.h"

namespace zev {

class LineMonitorModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { TimeColumn = 0, DirectionColumn, HexColumn, TextColumn, ColumnCount };
    // Data role giving a row's LineDirection as an int.
    static constexpr int DirectionRole = Qt::UserRole + 1;

    explicit LineMonitorModel(const LineLog& log, QObject* parent = nullptr);

    void Sync();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // A row in the text form zev-cli writes with --log (with the time column), without its
    // line end; a row of a piece the log has dropped since says so.
    std::string RowText(int row) const;

    // The next row at or after `fromRow` (wrapping round) where `query` begins: a run of
    // two-digit hexadecimal numbers ("02 16 03", "0xBB") is looked for as those bytes, any
    // other text as its Latin-1 bytes. A match lies within one piece.
    std::optional<int> FindNext(const QString& query, int fromRow) const;

  private:
    struct Place {
        uint64_t sequence;
        std::size_t rowInChunk;
    };
    Place PlaceOf(int row) const;

    const LineLog& log_;
    // Per piece shown, from sequence firstShown_ on: its first row, counted since the log
    // began (so that dropping rows at the top renumbers nothing).
    std::deque<uint64_t> rowStarts_;
    uint64_t firstShown_ = 0;
    uint64_t endShown_ = 0;
    uint64_t rowBase_ = 0;  // the count of model row 0
    uint64_t rowEnd_ = 0;   // the count after the last row
};

// The bytes a search text stands for (see FindNext).
std::string SearchBytes(const QString& query);

}  // namespace zev
