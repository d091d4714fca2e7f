// Times sorting a list of many rows by each column, as two header clicks do (ascending from the order of
// the scan, then descending from there), and checks that every sorted list is in the comparator's order.
// Usage: sort_bench [ROWS]: 100000 rows by default. Not run by ctest.
#include <time.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "list/columns.h"
#include "list/list_model.h"
#include "list/sort.h"
#include "scan/size_cells.h"

namespace {

// Processor time: the machine may be busy with other work.
double ProcessSeconds() {
  timespec now;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec + now.tv_nsec / 1e9;
}

std::string Pick(std::mt19937& random, std::initializer_list<const char*> texts) {
  return *(texts.begin() + random() % texts.size());
}

// Cells as a scan of a large collection fills them: numbers of every size, repeated format names,
// titles and folders sharing long prefixes.
void FillRows(int rows) {
  std::mt19937 random(4);
  char text[64];
  for (int row = 0; row < rows; ++row) {
    const int64_t size = static_cast<int64_t>(random() % 4000000000u) + random() % 1000;
    std::snprintf(text, sizeof text, "clip%06u.%s", static_cast<unsigned>(random() % 1000000),
                  Pick(random, {"avi", "mpg", "AVI", "wav", "rm", "mov", "asf"}).c_str());
    ListInsertRow(row, row, text);
    auto set = [&](int column, const std::string& cell) { ListSetCell(row, ColumnPosition(column), cell); };
    set(kColSizeBytes, SizeBytesCell(size));
    set(kColSizeMB, SizeMBCell(size, true));
    set(kColSizeKB, SizeKBCell(size, true));
    std::snprintf(text, sizeof text, "Holiday %u part %u", static_cast<unsigned>(random() % 500),
                  static_cast<unsigned>(random() % 12));
    set(kColTitle, text);
    set(kColVideoFormat, Pick(random, {"DivX Low", "MPEG1", "Indeo5", "Cinepak", "MJPEG", ""}));
    set(kColAudioFormat, Pick(random, {"PCM", "MPEG Layer3", "MPEG Layer2", "IMA ADPCM", ""}));
    std::snprintf(text, sizeof text, "%ukbit", static_cast<unsigned>(random() % 3000));
    set(kColVideoRate, text);
    set(kColAudioRate,
        Pick(random, {"44.10kHz/128kbit", "22.05kHz/16bit", "48.0kHz/224kbit", "8.00kHz/8bit"}));
    set(kColFrameRate, Pick(random, {"23.97", "25.00", "29.97", "30.00", "15.00", "12.50"}));
    set(kColResolution, Pick(random, {"320x240", "640x480", "352x288", "1280x720", "160x120"}));
    std::snprintf(text, sizeof text, "%02u:%02u", static_cast<unsigned>(random() % 200),
                  static_cast<unsigned>(random() % 60));
    set(kColPlayTime, text);
    set(kColGenre, Pick(random, {"Travel", "Family", "", "Music"}));
    set(kColCreator, Pick(random, {"Me", "Dad", "", "Studio"}));
    set(kColComment, row % 3 ? "" : "kept");
    std::snprintf(text, sizeof text, "/home/user/Videos/%u/%u", static_cast<unsigned>(random() % 40),
                  static_cast<unsigned>(random() % 100));
    set(kColFolder, text);
    set(kColVolume, Pick(random, {"DATA", "BACKUP", ""}));
  }
}

// Adjacent rows in the comparator's order: the sort gave the result the comparator defines.
bool InComparatorOrder(int position) {
  for (int row = 1; row < ListRowCount(); ++row) {
    if (CompareRows(ListRowKey(row - 1), ListRowKey(row), position) > 0) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
  std::array<int, kColumnCount> flags;
  flags.fill(1);
  UseColumns(MakeColumnState(flags, {}));
  FillRows(rows);
  std::printf("%d rows; processor time of one header click:\n", rows);
  double slowest = 0;
  bool ordered = true;
  for (int position = 0; position < kColumnCount; ++position) {
    double seconds[2];
    for (double& click : seconds) {
      const double start = ProcessSeconds();
      SortByColumn(position);
      click = ProcessSeconds() - start;
      slowest = std::max(slowest, click);
      ordered = InComparatorOrder(position) && ordered;
    }
    std::printf("  column %2d  ascending %7.1f ms  descending %7.1f ms\n", ColumnAtPosition(position),
                seconds[0] * 1000, seconds[1] * 1000);
  }
  std::printf("slowest click %.1f ms; %s\n", slowest * 1000,
              ordered ? "every result in the comparator's order" : "A RESULT OUT OF ORDER");
  return ordered ? 0 : 1;
}
