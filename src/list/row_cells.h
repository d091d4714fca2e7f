#pragma once
// The cells of one list row in a single block of bytes: a large list holds hundreds of thousands of
// rows, and a separate string per cell would cost an allocation and its overhead for each of them.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class RowCells {
 public:
  // Positions 0 to kMaxCells - 1: the seventeen fixed columns.
  static constexpr int kMaxCells = 17;

  // The cell at the position; empty for one never set or out of range.
  std::string_view Get(int position) const;
  // Sets every one of cells to the cell at its position, as Get gives it.
  void GetAll(std::span<std::string_view> cells) const;
  // Sets the cell at the position (0 to kMaxCells - 1; others are ignored).
  void Set(int position, std::string_view text);
  // Sets every cell at once from the cells by position (those past kMaxCells are ignored), in a block
  // of exactly their size.
  void Assign(std::span<const std::string_view> cells);

 private:
  std::string bytes_;                       // the cells one after another
  std::array<uint32_t, kMaxCells> ends_{};  // where each cell ends in bytes_
  uint8_t count_ = 0;                       // cells held; later ones read as empty
};
