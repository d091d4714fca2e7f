#include "list/key_index.h"

void KeyIndex::Rebuild(const std::vector<int32_t>& keys_by_row) {
  Clear();
  dense.assign(keys_by_row.size(), -1);
  for (size_t row = 0; row < keys_by_row.size(); ++row) Append(keys_by_row[row], static_cast<int>(row));
}

void KeyIndex::Append(int32_t key, int row) {
  if (key >= 0 && static_cast<size_t>(key) < dense.size()) {
    if (dense[key] == -1) dense[key] = row;
    return;
  }
  if (key >= 0 && static_cast<size_t>(key) == dense.size()) {
    // The array grows by the next key; an earlier row with that key moves over from the map.
    const auto earlier = sparse.find(key);
    dense.push_back(earlier == sparse.end() ? row : earlier->second);
    if (earlier != sparse.end()) sparse.erase(earlier);
    return;
  }
  sparse.try_emplace(key, row);
}

int KeyIndex::Find(int32_t key) const {
  if (key >= 0 && static_cast<size_t>(key) < dense.size()) return dense[key];
  const auto found = sparse.find(key);
  return found == sparse.end() ? -1 : found->second;
}

void KeyIndex::Clear() {
  dense.clear();
  sparse.clear();
}
