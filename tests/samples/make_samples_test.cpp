#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "list/columns.h"
#include "list/list_model.h"
#include "platform/cp932.h"
#include "scan/core_state_reset.h"
#include "scan/list_entry_builder.h"
#include "settings/settings.h"
#include "support/sample_media.h"
#include "support/shown_columns.h"
#include "support/temp_dir.h"

namespace {

// The committed samples are what the generator writes: run scripts/make-samples after changing it.
TEST(Samples, CommittedFilesMatchTheGenerator) {
  for (const SampleFile& sample : SampleMediaFiles()) {
    SCOPED_TRACE(sample.relative_path);
    EXPECT_EQ(ReadWholeFile(TESSAROLL_SOURCE_DIR "/samples/" + sample.relative_path), sample.bytes);
  }
}

// Every kind the program reads is among the samples and is read as that kind.
TEST(Samples, EachKindIsCatalogued) {
  TempDir dir;
  UseSettingsFileForTesting(dir.path() + "/dorirovo.ini");
  LoadSettings();
  ShowOnlyColumns({kColVideoFormat, kColAudioFormat, kColTitle, kColResolution});
  const std::pair<const char*, std::vector<std::string>> expected[] = {
      {"夏の旅行.avi", {"DivX Low", "PCM", "夏の旅行", "640x480"}},
      {"indeo_adpcm.avi", {"Indeo 5.1", "MS ADPCM", "", "320x240"}},
      {"clips/silent_mjpeg.AVI", {"Motion JPEG", "音声なし", "", "160x120"}},
      {"clips/system_stream.mpg", {"MPEG1", "MPEG Layer2", "", "352x240"}},
      {"sound/pcm_stereo.wav", {"", "PCM", "", ""}},
      {"other/real_media.rm", {"RealVideo", "RealAudio", "", ""}},
      {"other/quicktime.mov", {"QuickTime", "QuickTime", "", ""}},
      {"other/windows_media.asf", {"ASF", "ASF", "", ""}},
  };
  ASSERT_EQ(SampleMediaFiles().size(), std::size(expected));
  for (const SampleFile& sample : SampleMediaFiles()) {
    SCOPED_TRACE(sample.relative_path);
    BuildListEntry(dir.Write(sample.relative_path, sample.bytes), 0);
    auto row = std::find_if(std::begin(expected), std::end(expected),
                            [&](const auto& entry) { return sample.relative_path == entry.first; });
    ASSERT_NE(row, std::end(expected));
    std::vector<std::string> cells;
    for (int column : {kColVideoFormat, kColAudioFormat, kColTitle, kColResolution}) {
      cells.push_back(Cp932ToUtf8(ListGetCell(0, ColumnPosition(column))));
    }
    EXPECT_EQ(cells, row->second);
  }
  ResetCoreStateForTesting();
}

}  // namespace
