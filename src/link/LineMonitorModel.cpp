#include "link/LineMonitorModel.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <array>
#include <vector>

#include "link/LineDumpText.h"

namespace zev {
namespace {

constexpr const char* kDroppedRow =
    QT_TRANSLATE_NOOP("LineMonitorModel", "(dropped: the monitor's buffer was full)");

}  // namespace

std::string SearchBytes(const QString& query) {
    static const QRegularExpression hexRun(QStringLiteral("^\\s*((0[xX])?[0-9A-Fa-f]{2}\\s*)+$"));
    if (hexRun.match(query).hasMatch()) {
        std::string bytes;
        const QStringList tokens = query.simplified().split(' ');
        for (QString token : tokens) {
            if (token.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) token = token.mid(2);
            // "0216" is two bytes, like "02 16".
            for (qsizetype i = 0; i + 1 < token.size(); i += 2) {
                bytes += static_cast<char>(token.mid(i, 2).toUInt(nullptr, 16));
            }
        }
        return bytes;
    }
    const QByteArray latin1 = query.toLatin1();
    return std::string(latin1.constData(), static_cast<std::size_t>(latin1.size()));
}

LineMonitorModel::LineMonitorModel(const LineLog& log, QObject* parent)
    : QAbstractTableModel(parent),
      log_(log),
      firstShown_(log.FirstSequence()),
      endShown_(log.FirstSequence()) {}

void LineMonitorModel::Sync() {
    // Pieces the log no longer holds leave from the top.
    const uint64_t keepFrom = std::min(std::max(firstShown_, log_.FirstSequence()), endShown_);
    if (keepFrom > firstShown_) {
        const auto dropped = static_cast<std::size_t>(keepFrom - firstShown_);
        const uint64_t newBase = dropped < rowStarts_.size() ? rowStarts_[dropped] : rowEnd_;
        beginRemoveRows(QModelIndex(), 0, static_cast<int>(newBase - rowBase_) - 1);
        rowStarts_.erase(rowStarts_.begin(), rowStarts_.begin() + static_cast<long>(dropped));
        firstShown_ = keepFrom;
        rowBase_ = newBase;
        endRemoveRows();
    }
    if (endShown_ < log_.FirstSequence()) {
        // Everything shown was dropped and more besides (or the log was cleared).
        firstShown_ = endShown_ = log_.FirstSequence();
    }
    if (log_.EndSequence() <= endShown_) return;
    uint64_t rows = 0;
    for (uint64_t sequence = endShown_; sequence < log_.EndSequence(); ++sequence) {
        rows += DumpRowCount(log_.ChunkAt(sequence).size);
    }
    const int first = rowCount();
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(rows) - 1);
    for (uint64_t sequence = endShown_; sequence < log_.EndSequence(); ++sequence) {
        rowStarts_.push_back(rowEnd_);
        rowEnd_ += DumpRowCount(log_.ChunkAt(sequence).size);
    }
    endShown_ = log_.EndSequence();
    endInsertRows();
}

int LineMonitorModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rowEnd_ - rowBase_);
}

int LineMonitorModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

LineMonitorModel::Place LineMonitorModel::PlaceOf(int row) const {
    const uint64_t count = rowBase_ + static_cast<uint64_t>(row);
    const auto after = std::upper_bound(rowStarts_.begin(), rowStarts_.end(), count);
    const auto index = static_cast<std::size_t>(after - rowStarts_.begin()) - 1;
    return {firstShown_ + index, static_cast<std::size_t>(count - rowStarts_[index])};
}

QVariant LineMonitorModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const Place place = PlaceOf(index.row());
    const bool held = log_.Holds(place.sequence);
    if (role == DirectionRole) {
        return held ? static_cast<int>(log_.ChunkAt(place.sequence).direction) : QVariant();
    }
    if (role != Qt::DisplayRole) return {};
    if (!held) {
        return index.column() == HexColumn
                   ? QCoreApplication::translate("LineMonitorModel", kDroppedRow)
                   : QString();
    }
    const LineLog::Chunk chunk = log_.ChunkAt(place.sequence);
    switch (index.column()) {
        case TimeColumn:
            return place.rowInChunk == 0 ? QString::fromStdString(TimeOfDayText(chunk.time))
                                         : QString();
        case DirectionColumn:
            return QString::fromLatin1(DirectionMark(chunk.direction));
        default:
            break;
    }
    std::array<uint8_t, kDumpBytesPerRow> row{};
    const std::size_t count =
        log_.CopyBytes(place.sequence, place.rowInChunk * kDumpBytesPerRow, row);
    const std::span<const uint8_t> bytes(row.data(), count);
    const std::string text =
        index.column() == HexColumn ? zev::HexColumn(bytes) : zev::TextColumn(bytes);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QVariant LineMonitorModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case TimeColumn:
            return QCoreApplication::translate("LineMonitorModel", "Time");
        case DirectionColumn:
            return QCoreApplication::translate("LineMonitorModel", "Dir");
        case HexColumn:
            return QCoreApplication::translate("LineMonitorModel", "Hex");
        case TextColumn:
            return QCoreApplication::translate("LineMonitorModel", "Text");
        default:
            return {};
    }
}

std::string LineMonitorModel::RowText(int row) const {
    const Place place = PlaceOf(row);
    if (!log_.Holds(place.sequence)) return kDroppedRow;
    const LineLog::Chunk chunk = log_.ChunkAt(place.sequence);
    std::array<uint8_t, kDumpBytesPerRow> bytes{};
    const std::size_t count =
        log_.CopyBytes(place.sequence, place.rowInChunk * kDumpBytesPerRow, bytes);
    std::string text;
    AppendDumpRow(text, true, place.rowInChunk == 0 ? TimeOfDayText(chunk.time) : std::string(),
                  chunk.direction, std::span<const uint8_t>(bytes.data(), count));
    return text;
}

std::optional<int> LineMonitorModel::FindNext(const QString& query, int fromRow) const {
    const std::string pattern = SearchBytes(query);
    const int rows = rowCount();
    if (pattern.empty() || rows == 0) return std::nullopt;
    const int startRow = std::clamp(fromRow, 0, rows - 1);
    const Place start = PlaceOf(startRow);
    const std::size_t pieces = rowStarts_.size();
    const auto startPiece = static_cast<std::size_t>(start.sequence - firstShown_);
    const std::size_t startOffset = start.rowInChunk * kDumpBytesPerRow;
    std::vector<uint8_t> bytes;
    // The start piece from the start row on, the pieces after it, then round to the start
    // piece's rows before the start row.
    for (std::size_t step = 0; step <= pieces; ++step) {
        const std::size_t piece = (startPiece + step) % pieces;
        const uint64_t sequence = firstShown_ + piece;
        if (!log_.Holds(sequence)) continue;
        bytes.resize(log_.ChunkAt(sequence).size);
        log_.CopyBytes(sequence, 0, bytes);
        const std::size_t from = step == 0 ? startOffset : 0;
        const auto found =
            std::search(bytes.begin() + static_cast<long>(std::min(from, bytes.size())),
                        bytes.end(), pattern.begin(), pattern.end(),
                        [](uint8_t a, char b) { return a == static_cast<uint8_t>(b); });
        if (found == bytes.end()) continue;
        const auto offset = static_cast<std::size_t>(found - bytes.begin());
        if (step == pieces && offset >= startOffset) continue;  // round to where it began
        return static_cast<int>(rowStarts_[piece] - rowBase_ + offset / kDumpBytesPerRow);
    }
    return std::nullopt;
}

}  // namespace zev
