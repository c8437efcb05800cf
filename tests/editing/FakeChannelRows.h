// A list without a window for the channel editor: each row keeps its column-0 number and
// whether it was written again in decimal.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "editing/ChannelRows.h"

namespace zev::test {

struct FakeRow {
    int number = 0;
    bool decimal = false;
    bool operator==(const FakeRow&) const = default;
};

class FakeChannelRows : public ChannelRows {
  public:
    FakeChannelRows(bool tv, std::size_t count) : tv_(tv) {
        for (std::size_t r = 0; r < count; ++r) rows.push_back({static_cast<int>(r + 1), false});
    }

    bool ShowsTv() const override { return tv_; }
    std::size_t RowCount() const override { return rows.size(); }
    int RowNumber(std::size_t row) const override { return rows.at(row).number; }
    void RewriteRows(std::size_t first, std::size_t last) override {
        for (std::size_t r = first; r <= last; ++r) rows.at(r).decimal = true;
    }
    void RemoveRows(std::span<const std::size_t> removed) override {
        for (auto it = removed.rbegin(); it != removed.rend(); ++it) {
            rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(*it));
        }
        for (std::size_t r = removed.empty() ? rows.size() : removed.front(); r < rows.size();
             ++r) {
            rows[r].number = static_cast<int>(r + 1);
        }
    }
    void RenumberRows() override {
        for (std::size_t r = 0; r < rows.size(); ++r) rows[r].number = static_cast<int>(r + 1);
    }

    std::vector<FakeRow> rows;

  private:
    bool tv_;
};

}  // namespace zev::test
