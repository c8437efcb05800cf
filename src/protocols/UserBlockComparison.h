// Whether the user block a box holds is the one that was meant: the blocks are compared byte
// by byte (the verdict), and where they differ the records that differ are named from the
// two blocks unpacked and compared record by record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zev {

struct BlockComparison {
    bool equal = true;
    // One line per difference, for people (UTF-8): header fields and records as `zev-cli
    // diff` names them; or, when no record differs, the first byte that does; or why the
    // box's block cannot be read.
    std::vector<std::string> differences;
};

BlockComparison CompareUserBlocks(std::span<const uint8_t> expected,
                                  std::span<const uint8_t> found);

// The lines of `comparison` for the terminal (Latin-1, each after "\n  "), at most `limit`
// of them and then one that says how many more there are.
std::string DifferenceLines(const BlockComparison& comparison, std::size_t limit);

}  // namespace zev
