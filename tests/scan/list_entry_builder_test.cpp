#include "scan/list_entry_builder.h"

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "list/columns.h"
#include "list/list_model.h"
#include "platform/cp932.h"
#include "platform/volume_label.h"
#include "scan/core_state_reset.h"
#include "scan/scan_progress.h"
#include "settings/settings.h"
#include "support/shown_columns.h"
#include "support/temp_dir.h"

namespace {

using namespace std::string_literals;

class ListEntryBuilderTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetCoreStateForTesting();
    UseSettingsFileForTesting(dir.path() + "/dorirovo.ini");
    LoadSettings();
    SetScanProgressSink([this](const std::string& text) { progress.push_back(text); });
  }
  void TearDown() override { ResetCoreStateForTesting(); }
  std::string Cell(int row, int column) { return ListGetCell(row, ColumnPosition(column)); }
  // A file of the given size whose bytes are all zero (sparse, so large sizes cost nothing).
  std::string SizedFile(const std::string& name, int64_t size) {
    std::string path = dir.Write(name, "");
    std::filesystem::resize_file(path, size);
    return path;
  }

  TempDir dir;
  std::vector<std::string> progress;
};

void ShowAllColumns() {
  ShowOnlyColumns({kColSizeBytes, kColSizeMB, kColSizeKB, kColTitle, kColVideoFormat, kColAudioFormat,
                   kColVideoRate, kColAudioRate, kColFrameRate, kColResolution, kColPlayTime, kColGenre,
                   kColCreator, kColComment, kColFolder, kColVolume});
}

// The INFO list the tag writer appends: ISBJ, ICMT and ICOP sub-chunks.
std::string InfoTags(const std::string& title, const std::string& comment, const std::string& creator) {
  std::string tags;
  for (auto [name, value] : {std::pair{"ISBJ", title}, {"ICMT", comment}, {"ICOP", creator}}) {
    tags += name + "\x10\0\0\0"s + value + '\0';
  }
  return "LIST\x40\0\0\0INFO"s + tags;
}

TEST_F(ListEntryBuilderTest, FillsEveryShownCell) {
  ShowAllColumns();
  ListInsertRow(0, 7, "old1.avi");
  ListInsertRow(1, 8, "old2.avi");
  const std::string title = Utf8ToCp932("題名");
  const std::string path =
      dir.Write("movie.rm", ".RMF\0\0\0\x12"s + std::string(3000, '\x55') + InfoTags(title, "note", "me"));
  const int64_t size = 8 + 3000 + 12 + 3 * 8 + title.size() + 1 + 5 + 3;

  EXPECT_EQ(BuildListEntry(path, 1), size);
  ASSERT_EQ(ListRowCount(), 3);
  EXPECT_EQ(ListGetCell(1, 0), "movie.rm");
  EXPECT_EQ(ListRowKey(1), 2);  // the number of rows before the insertion
  EXPECT_EQ(ListGetCell(2, 0), "old2.avi");
  EXPECT_EQ(ListRowPath(1), path);
  EXPECT_EQ(progress, std::vector<std::string>{"File 1 Reading..."});
  EXPECT_EQ(Cell(1, kColSizeBytes), "3,057");
  EXPECT_EQ(Cell(1, kColSizeMB), "0.00");
  EXPECT_EQ(Cell(1, kColSizeKB), "2");
  EXPECT_EQ(Cell(1, kColTitle), title);
  EXPECT_EQ(Cell(1, kColComment), "note");
  EXPECT_EQ(Cell(1, kColCreator), "me");
  EXPECT_EQ(Cell(1, kColGenre), "");
  EXPECT_EQ(Cell(1, kColVideoFormat), "RealVideo");
  EXPECT_EQ(Cell(1, kColAudioFormat), "RealAudio");
  EXPECT_EQ(Cell(1, kColFolder), Utf8ToCp932(dir.path()));
  EXPECT_EQ(Cell(1, kColVolume), Utf8ToCp932(VolumeLabel(dir.path())));
}

// The size is read 64-bit: a 3 GiB file neither wraps nor turns negative (the digit rules of the cells
// are tested with SizeCells).
TEST_F(ListEntryBuilderTest, SparseFileOfThreeGigabytes) {
  ShowOnlyColumns({kColSizeBytes, kColSizeMB, kColSizeKB});
  EXPECT_EQ(BuildListEntry(SizedFile("big.avi", 3221225472LL), 0), 3221225472LL);
  EXPECT_EQ(Cell(0, kColSizeBytes), "3,221,225,472");
  EXPECT_EQ(Cell(0, kColSizeMB), "3072.0");
  EXPECT_EQ(Cell(0, kColSizeKB), "3,145,728");
}

TEST_F(ListEntryBuilderTest, UnitsWhenSizeInfoIsOn) {
  dir.Write("dorirovo.ini", "[Customize]\r\nSizeInfo=1\r\n");
  LoadSettings();
  ShowOnlyColumns({kColSizeMB, kColSizeKB});
  BuildListEntry(SizedFile("a.avi", 734003200), 0);
  EXPECT_EQ(Cell(0, kColSizeMB), "700.0MB");
  EXPECT_EQ(Cell(0, kColSizeKB), "716,800KB");
}

TEST_F(ListEntryBuilderTest, TagsAreLookedForInTheLastKilobyteOnly) {
  ShowOnlyColumns({kColTitle});
  // Shorter than 1024 bytes: the scan starts at the first byte.
  BuildListEntry(dir.Write("short.avi", InfoTags("at start", "", "") + std::string(600, 'x')), 0);
  EXPECT_EQ(Cell(0, kColTitle), "at start");
  // A tag that ends just before the last 1024 bytes is not seen; one inside them is.
  const std::string early = InfoTags("early", "", "");
  BuildListEntry(dir.Write("long.avi", early + std::string(1024, 'x')), 0);
  EXPECT_EQ(Cell(0, kColTitle), "");
  BuildListEntry(dir.Write("edge.avi", "x" + early + std::string(1024 - early.size(), 'x')), 0);
  EXPECT_EQ(Cell(0, kColTitle), "early");
}

// Counts the times the file is opened while action runs.
template <typename Action>
int OpensDuring(const std::string& path, Action action) {
  int watcher = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  inotify_add_watch(watcher, path.c_str(), IN_OPEN);
  action();
  int opens = 0;
  alignas(inotify_event) char buffer[4096];
  ssize_t got;
  while ((got = read(watcher, buffer, sizeof buffer)) > 0) {
    for (char* at = buffer; at < buffer + got;
         at += sizeof(inotify_event) + reinterpret_cast<inotify_event*>(at)->len) {
      ++opens;
    }
  }
  close(watcher);
  return opens;
}

TEST_F(ListEntryBuilderTest, HiddenColumnsCostNothing) {
  const std::string path = dir.Write("clip.rm", ".RMF\0\0\0\x12"s + std::string(100, 'x'));
  ShowOnlyColumns({kColGenre, kColFolder});
  EXPECT_EQ(OpensDuring(path, [&] { EXPECT_EQ(BuildListEntry(path, 0), 0); }), 0);
  EXPECT_EQ(ListGetCell(0, 0), "clip.rm");
  EXPECT_EQ(Cell(0, kColFolder), Utf8ToCp932(dir.path()));
  // Only the MB size: the builder opens the file once and the probe does not run.
  ShowOnlyColumns({kColSizeMB});
  EXPECT_EQ(OpensDuring(path, [&] { BuildListEntry(path, 0); }), 1);
  // Only the video format: the probe opens it; the builder reads no size.
  ShowOnlyColumns({kColVideoFormat});
  EXPECT_GE(OpensDuring(path, [&] { EXPECT_EQ(BuildListEntry(path, 0), 0); }), 1);
  EXPECT_EQ(Cell(0, kColVideoFormat), "RealVideo");
}

TEST_F(ListEntryBuilderTest, WhatCannotBeReadKeepsItsNameOnly) {
  ShowAllColumns();
  // A FIFO would block a reader until a writer comes: it must be passed over, not waited for.
  const std::string fifo = dir.path() + "/x.avi";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string dangling = dir.path() + "/gone.avi";
  std::filesystem::create_symlink(dir.path() + "/nothing", dangling);
  const std::string folder = dir.path() + "/clips.avi";
  std::filesystem::create_directory(folder);
  for (const std::string& path : {fifo, dangling, folder}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(BuildListEntry(path, 0), 0);
    EXPECT_EQ(ListGetCell(0, 0), Utf8ToCp932(path.substr(dir.path().size() + 1)));
    for (int column : {kColSizeBytes, kColSizeMB, kColSizeKB, kColTitle, kColVideoFormat, kColPlayTime}) {
      EXPECT_EQ(Cell(0, column), "");
    }
    EXPECT_EQ(Cell(0, kColFolder), Utf8ToCp932(dir.path()));
  }
}

// Files of the later kinds carry their tags in their headers; AVI INFO bytes at their end are not theirs.
TEST_F(ListEntryBuilderTest, LaterKindsTakeTheTagsOfTheirContainer) {
  const std::string data = std::string(TESSAROLL_SOURCE_DIR) + "/tests/data/";
  const std::string mp4 =
      dir.Write("clip.mp4", ReadWholeFile(data + "h264_aac.mp4") + InfoTags("x", "y", "z"));
  const std::string mp3 = dir.Write("song.MP3", ReadWholeFile(data + "mp3_cover.mp3"));
  ShowAllColumns();
  BuildListEntry(mp4, 0);
  BuildListEntry(mp3, 1);
  const std::vector<std::string> expected[] = {
      {"テスト動画", "山田", "ffmpeg test", "H.264", "00:02"},
      {"MP3 title", "(C) Tessaroll", "note", "", "00:02"},
  };
  for (int row = 0; row < 2; ++row) {
    std::vector<std::string> cells;
    for (int column : {kColTitle, kColCreator, kColComment, kColVideoFormat, kColPlayTime}) {
      cells.push_back(Cp932ToUtf8(Cell(row, column)));
    }
    EXPECT_EQ(cells, expected[row]);
  }
  // The tag columns alone still need the probe.
  ShowOnlyColumns({kColCreator});
  BuildListEntry(mp4, 0);
  EXPECT_EQ(Cell(0, kColCreator), Utf8ToCp932("山田"));
}

TEST_F(ListEntryBuilderTest, NamesCp932CannotHoldKeepTheirRealPath) {
  ShowOnlyColumns({kColSizeBytes, kColFolder});
  const std::string path = dir.Write("映画 \u2603/雪だるま\u2603.avi", "12345");
  EXPECT_EQ(BuildListEntry(path, 0), 5);
  EXPECT_EQ(ListGetCell(0, 0), Utf8ToCp932("雪だるま?.avi"));
  EXPECT_EQ(Cell(0, kColFolder), Utf8ToCp932(dir.path() + "/映画 ?"));
  EXPECT_EQ(ListRowPath(0), path);
  EXPECT_EQ(Cell(0, kColSizeBytes), "5");
}

}  // namespace
