#pragma once
// The first row of each row key, for the row store. Keys are usually row numbers (a scan uses the row
// count before each insertion), so keys from 0 to the row count live in a plain array and only the
// others in a hash map: look-ups during a sort of a large list stay cheap.
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

struct KeyIndex {
  std::vector<int> dense;  // by key; -1 where no row has that key
  std::unordered_map<int32_t, int> sparse;

  // Starts over from the keys of all rows, top to bottom.
  void Rebuild(const std::vector<int32_t>& keys_by_row);
  // Records a row appended below all others; an earlier row with the same key keeps it.
  void Append(int32_t key, int row);
  // The first row with the key, or -1.
  int Find(int32_t key) const;
  void Clear();
};
