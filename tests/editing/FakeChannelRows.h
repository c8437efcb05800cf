// A list without a window for the channel editor: each row keeps its column-0 number and
// whether it was written again. The rows may show every position of the list or,
// like a filtered list, some of them.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "editing/ChannelRows.h"

namespace zev::test {

struct FakeRow {
    int number = 0;
    bool rewritten = false;
    bool operator==(const FakeRow&) const = default;
};

class FakeChannelRows : public ChannelRows {
  public:
    FakeChannelRows(bool tv, std::size_t count) : tv_(tv) {
        for (std::size_t r = 0; r < count; ++r) rows.push_back({static_cast<int>(r + 1), false});
    }
    // Rows that show the given 0-based positions.
    FakeChannelRows(bool tv, std::span<const std::size_t> positions) : tv_(tv) {
        for (std::size_t p : positions) rows.push_back({static_cast<int>(p + 1), false});
    }

    bool ShowsTv() const override { return tv_; }
    std::size_t RowCount() const override { return rows.size(); }
    int RowNumber(std::size_t row) const override { return rows.at(row).number; }
    void RewriteRows(std::size_t first, std::size_t last) override {
        for (std::size_t r = first; r <= last; ++r) rows.at(r).rewritten = true;
    }
    void RemoveRows(std::span<const std::size_t> removed) override {
        std::vector<FakeRow> kept;
        auto next = removed.begin();
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (next != removed.end() && *next == r) {
                ++next;
                continue;
            }
            kept.push_back(rows[r]);
            kept.back().number -= static_cast<int>(next - removed.begin());
        }
        rows = std::move(kept);
    }
    void RenumberRows(std::span<const std::size_t> positions) override {
        for (std::size_t r = 0; r < rows.size(); ++r) {
            rows[r].number = static_cast<int>(positions[r] + 1);
        }
    }

    std::vector<FakeRow> rows;

  private:
    bool tv_;
};

}  // namespace zev::test
