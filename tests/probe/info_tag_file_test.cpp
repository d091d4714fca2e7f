#include "probe/info_tag_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "platform/file_write.h"
#include "probe/avi_tail.h"
#include "probe/tag_scan.h"
#include "support/riff_builder.h"
#include "support/temp_dir.h"

namespace {

using namespace std::string_literals;

const std::string kHeaders = AviHeaderList({});
const std::string kMovi = ListChunk("movi", Chunk("00dc", "frame"));
const std::string kIndex = Chunk("idx1", "00dc" + Le32(0x10) + Le32(4) + Le32(5));
const std::string kAvi = RiffForm("AVI ", kHeaders + kMovi + kIndex);

// The file as it should be: the given bytes with the RIFF size set to their length minus 8.
std::string WithRiffSize(std::string bytes) {
  bytes.replace(4, 4, Le32(static_cast<uint32_t>(bytes.size() - 8)));
  return bytes;
}

std::string g_appended_path;

InfoTagEdit Edit(const std::string& title, const std::string& creator, const std::string& comment) {
  return InfoTagEdit{title, creator, comment};
}

class InfoTagFileTest : public testing::Test {
 protected:
  void TearDown() override { ClearWriteFaultForTesting(); }
  TempDir dir;
};

TEST_F(InfoTagFileTest, ListFollowsIndexAndWritingAgainReplacesIt) {
  const std::string path = dir.Write("movie.avi", kAvi);
  ASSERT_EQ(WriteInfoTagsToFile(path, Edit("abc", "xy", "")).outcome, InfoTagOutcome::kWritten);
  EXPECT_EQ(ReadWholeFile(path),
            WithRiffSize(kAvi + "LIST\x1c\0\0\0INFOISBJ\x04\0\0\0abc\0ICOP\x03\0\0\0xy\0\0"s));
  ASSERT_EQ(WriteInfoTagsToFile(path, Edit("2nd", "", "")).outcome, InfoTagOutcome::kWritten);
  EXPECT_EQ(ReadWholeFile(path), WithRiffSize(kAvi + RenderInfoList({"2nd", "", ""})));
  // All three empty: the list is gone and the file ends with idx1 again, as it was.
  ASSERT_EQ(WriteInfoTagsToFile(path, Edit("", "", "")).outcome, InfoTagOutcome::kWritten);
  EXPECT_EQ(ReadWholeFile(path), kAvi);
  // The eight-byte emptied list of earlier versions is replaced in turn, and removed by empty texts.
  dir.Write("movie.avi", WithRiffSize(kAvi + "LIST\0\0\0\0"s));
  ASSERT_EQ(WriteInfoTagsToFile(path, Edit("t", "", "")).outcome, InfoTagOutcome::kWritten);
  EXPECT_EQ(ReadWholeFile(path), WithRiffSize(kAvi + RenderInfoList({"t", "", ""})));
  dir.Write("movie.avi", WithRiffSize(kAvi + "LIST\0\0\0\0"s));
  ASSERT_EQ(WriteInfoTagsToFile(path, Edit("", "", "")).outcome, InfoTagOutcome::kWritten);
  EXPECT_EQ(ReadWholeFile(path), kAvi);
}

TEST_F(InfoTagFileTest, ChunksAfterTheIndexSurvive) {
  const std::string junk = Chunk("JUNK", std::string(33, 'j'));
  const std::string foreign_info = ListChunk("INFO", Chunk("ISFT", "other tool"));
  const std::string avi = RiffForm("AVI ", kHeaders + kMovi + kIndex + junk + foreign_info);
  const std::string path = dir.Write("movie.avi", avi);
  ASSERT_EQ(WriteInfoTagsToFile(path, Edit("abc", "", "")).outcome, InfoTagOutcome::kWritten);
  const std::string prefix = avi.substr(0, avi.size() - junk.size() - foreign_info.size());
  EXPECT_EQ(ReadWholeFile(path),
            WithRiffSize(prefix + RenderInfoList({"abc", "", ""}) + junk + foreign_info));
  // Only the list directly after idx1 is ours to replace.
  ASSERT_EQ(WriteInfoTagsToFile(path, Edit("", "zz", "")).outcome, InfoTagOutcome::kWritten);
  EXPECT_EQ(ReadWholeFile(path), WithRiffSize(prefix + RenderInfoList({"", "zz", ""}) + junk + foreign_info));
}

TEST_F(InfoTagFileTest, FilesThatCannotTakeAListStayByteForByte) {
  const std::string index_past_riff_end = RiffForm("AVI ", kHeaders + RawChunk("idx1", 1000, "short"));
  std::string riff_size_past_eof = kAvi;
  riff_size_past_eof.replace(4, 4, Le32(100000));
  const struct {
    const char* name;
    std::string bytes;
    InfoTagOutcome outcome;
  } cases[] = {
      {"wave", WaveFile({}, 4), InfoTagOutcome::kNotRiffAvi},
      {"mpeg", "\0\0\x01\xba" + std::string(60, '\0'), InfoTagOutcome::kNotRiffAvi},
      {"short", "RIFF\x04\0"s, InfoTagOutcome::kNotRiffAvi},
      {"empty", "", InfoTagOutcome::kNotRiffAvi},
      {"no idx1", RiffForm("AVI ", kHeaders + kMovi), InfoTagOutcome::kNoIndex},
      {"IndexSizePastRiffEnd", index_past_riff_end, InfoTagOutcome::kNoIndex},
      // The walk ends one byte past the RIFF end without reading there.
      {"OddLastChunkWithoutPad", RiffForm("AVI ", kHeaders + kMovi + RawChunk("JUNK", 3, "abc")),
       InfoTagOutcome::kNoIndex},
      // Everything after idx1 is held in memory while the file changes; this much is refused.
      {"TailPastTheMemoryLimit",
       RiffForm("AVI ", kHeaders + kMovi + kIndex + Chunk("JUNK", std::string(kMaxKeptAfterIndex, 'j'))),
       InfoTagOutcome::kTooLarge},
      {"RiffSizePastEof", riff_size_past_eof, InfoTagOutcome::kCutShort},
      // A large AVI continues in further RIFF chunks; a list after idx1 would land inside its data.
      {"second RIFF", kAvi + RiffForm("AVIX", ListChunk("movi", Chunk("00dc", "more"))),
       InfoTagOutcome::kNotAtFileEnd},
      {"JUNK then second RIFF",
       RiffForm("AVI ", kHeaders + kMovi + kIndex + Chunk("JUNK", "pad!")) +
           RiffForm("AVIX", Chunk("JUNK", "x")),
       InfoTagOutcome::kNotAtFileEnd},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = dir.Write("case.avi", c.bytes);
    EXPECT_EQ(WriteInfoTagsToFile(path, Edit("t", "c", "m")).outcome, c.outcome);
    EXPECT_EQ(ReadWholeFile(path), c.bytes);
  }
  EXPECT_EQ(WriteInfoTagsToFile(dir.path() + "/gone.avi", Edit("t", "", "")).outcome,
            InfoTagOutcome::kMissingFile);
}

// The stream reader searches for the second stream list from inside the header list up to the RIFF end.
// Where the header's chunk sizes do not follow one another, a longer file could let that search reach
// further, so such a file is not tagged.
TEST_F(InfoTagFileTest, DamagedHeaderListIsRefusedAndSoundOnesAreTagged) {
  const std::string avih = Chunk("avih", AviMainHeader(320, 240));
  const std::string strh = Chunk("strh", StreamHeader("vids", "DIV3", 1, 25, 250));
  const std::string video = ListChunk("strl", strh);
  const auto avi_with_header = [](const std::string& header_list) {
    return RiffForm("AVI ", header_list + kMovi + kIndex);
  };
  // A list of odd size without the pad byte after it.
  const auto unpadded_list = [](const std::string& type, const std::string& children) {
    return RawChunk("LIST", static_cast<uint32_t>(4 + children.size()), type + children);
  };
  const std::string odd_video = unpadded_list("strl", strh + RawChunk("strn", 3, "odd"));
  // The video stream list claims to run on past the header list, over the RIFF end.
  std::string overrun_list = ListChunk("strl", strh);
  overrun_list.replace(4, 4, Le32(4 + static_cast<uint32_t>(strh.size()) + 400));
  const struct {
    const char* name;
    std::string header_list;
  } damaged[] = {
      {"stream list past the header list", ListChunk("hdrl", avih + overrun_list)},
      {"bytes too few for a chunk at the header end", ListChunk("hdrl", avih + video + "xyz!")},
      {"chunk past its stream list", ListChunk("hdrl", avih + ListChunk("strl", RawChunk("strh", 80, "s")))},
      // Stepping over the missing pad byte, the walk does not land on the next chunk.
      {"odd stream list without its pad byte", ListChunk("hdrl", avih + odd_video + Chunk("JUNK", ""))},
  };
  for (const auto& c : damaged) {
    SCOPED_TRACE(c.name);
    const std::string bytes = avi_with_header(c.header_list);
    const std::string path = dir.Write("damaged.avi", bytes);
    EXPECT_EQ(WriteInfoTagsToFile(path, Edit("t", "c", "m")).outcome, InfoTagOutcome::kDamagedHeader);
    EXPECT_EQ(ReadWholeFile(path), bytes);
  }

  // Odd chunks with their pad byte, a pad left outside an odd list, and nested lists are all sound.
  const std::string sound[] = {
      ListChunk("hdrl", avih + ListChunk("strl", strh + Chunk("strn", "odd")) + Chunk("JUNK", "")),
      unpadded_list("hdrl", avih + odd_video) + "\0"s,
      ListChunk("hdrl", avih + video + ListChunk("odml", Chunk("dmlh", std::string(248, '\0')))),
  };
  for (const std::string& header_list : sound) {
    const std::string path = dir.Write("sound.avi", avi_with_header(header_list));
    EXPECT_EQ(WriteInfoTagsToFile(path, Edit("t", "", "")).outcome, InfoTagOutcome::kWritten);
  }
}

TEST_F(InfoTagFileTest, FailurePartWayLeavesTheFileAsItWas) {
  // An earlier list and a kept chunk, so that both the overwritten bytes and the length must come back.
  const std::string tagged = WithRiffSize(kAvi + RenderInfoList({"old title", "old creator", "old comment"}) +
                                          Chunk("JUNK", "keep"));
  for (int failing_write : {0, 1}) {
    for (int error_number : {ENOSPC, EIO}) {
      SCOPED_TRACE(testing::Message() << failing_write << " " << error_number);
      const std::string path = dir.Write("movie.avi", tagged);
      InjectWriteFaultForTesting(failing_write, 3, error_number);
      const InfoTagResult result = WriteInfoTagsToFile(path, Edit(std::string(300, 'n'), "", ""));
      EXPECT_EQ(result.outcome, InfoTagOutcome::kWriteRefused);
      EXPECT_EQ(result.error_number, error_number);
      EXPECT_EQ(ReadWholeFile(path), tagged);
    }
  }
}

// Lists of other programs after idx1: their other sub-chunks stay, byte for byte and in order.
TEST_F(InfoTagFileTest, OtherProgramsSubChunksSurviveEveryWrite) {
  const std::string other = Chunk("INAM", "Name\0"s) + Chunk("IART", "Artist\0"s) + Chunk("ICRD", "2001\0"s);
  const std::string path =
      dir.Write("movie.avi", WithRiffSize(kAvi + ListChunk("INFO", other + Chunk("ISBJ", "old\0"s))));
  ASSERT_EQ(WriteInfoTagsToFile(path, Edit("new", "me", "")).outcome, InfoTagOutcome::kWritten);
  EXPECT_EQ(ReadWholeFile(path), WithRiffSize(kAvi + RenderInfoList({"new", "me", ""}, other)));
  // Empty texts leave the other sub-chunks in a list of their own.
  ASSERT_EQ(WriteInfoTagsToFile(path, Edit("", "", "")).outcome, InfoTagOutcome::kWritten);
  EXPECT_EQ(ReadWholeFile(path), WithRiffSize(kAvi + ListChunk("INFO", other)));
  // A list whose sub-chunk runs past its end is not ours to rewrite.
  const std::string damaged = WithRiffSize(kAvi + ListChunk("INFO", RawChunk("IART", 40, "Art")));
  dir.Write("movie.avi", damaged);
  EXPECT_EQ(WriteInfoTagsToFile(path, Edit("t", "", "")).outcome, InfoTagOutcome::kDamagedInfoList);
  EXPECT_EQ(ReadWholeFile(path), damaged);
}

// A listing reads the tags from the file's last 1024 bytes: texts that would not come back whole there
// are refused with the file untouched, and the longest that fit come back exactly.
TEST_F(InfoTagFileTest, WritesAreRefusedUnlessAListingReadsThemBack) {
  AviSpec spec;
  spec.movie_bytes = 4000;  // longer than the scanned bytes, so that only the list can be seen
  const std::string avi = AviFile(spec);
  const struct {
    const char* name;
    std::string after_index;
    InfoTags tags;
    bool accepted;
  } cases[] = {
      // Title alone: 8 + 1016 bytes fill the scanned bytes; one byte more adds a pad byte.
      {"longest title", "", {std::string(1015, 't'), "", ""}, true},
      {"title one byte longer", "", {std::string(1016, 't'), "", ""}, false},
      {"three texts filling the scanned bytes",
       "",
       {std::string(300, 't'), std::string(395, 'c'), std::string(300, 'm')},
       true},
      {"three texts one byte over",
       "",
       {std::string(300, 't'), std::string(396, 'c'), std::string(300, 'm')},
       false},
      // The list goes before chunks that follow idx1; a short one leaves it in sight, a long one not.
      {"short chunk after the index", Chunk("JUNK", "pad!"), {"t", "c", "m"}, true},
      {"long chunk after the index", Chunk("JUNK", std::string(1100, 'j')), {"t", "", ""}, false},
      // A tag name inside a kept chunk would be read instead of the written one.
      {"tag name in a kept chunk", Chunk("JUNK", "ISBJ\x02\0\0\0x\0"s), {"t", "", ""}, false},
      // Removing every tag is always seen, whatever follows.
      {"no tags before a long chunk", Chunk("JUNK", std::string(1100, 'j')), {"", "", ""}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string bytes = WithRiffSize(avi + c.after_index);
    const std::string path = dir.Write("long.avi", bytes);
    const InfoTagResult result =
        WriteInfoTagsToFile(path, Edit(c.tags.title, c.tags.creator, c.tags.comment));
    if (!c.accepted) {
      EXPECT_EQ(result.outcome, InfoTagOutcome::kNotReadBack);
      EXPECT_EQ(ReadWholeFile(path), bytes);
      continue;
    }
    ASSERT_EQ(result.outcome, InfoTagOutcome::kWritten);
    const std::string written = ReadWholeFile(path);
    const TagValues listed = ScanTags(std::string_view(written).substr(written.size() - kTagScanBytes));
    EXPECT_EQ(listed.title, c.tags.title);
    EXPECT_EQ(listed.creator, c.tags.creator);
    EXPECT_EQ(listed.comment, c.tags.comment);
  }
}

void AppendToMovie() {
  std::ofstream(g_appended_path, std::ios::app) << "appended";
}

// Another program appends to the file while the tags go in: what it wrote stays, nothing is cut off.
TEST_F(InfoTagFileTest, BytesAppendedMeanwhileAreNeverCutOff) {
  const std::string tagged = WithRiffSize(kAvi + RenderInfoList({std::string(200, 'o'), "", ""}));
  g_appended_path = dir.Write("movie.avi", tagged);
  SetBeforeLengthCheckHookForTesting(AppendToMovie);
  const InfoTagResult result = WriteInfoTagsToFile(g_appended_path, Edit("short", "", ""));
  SetBeforeLengthCheckHookForTesting(nullptr);
  EXPECT_EQ(result.outcome, InfoTagOutcome::kChangedMeanwhile);
  EXPECT_EQ(ReadWholeFile(g_appended_path), tagged + "appended");
}

// Backup and sync tools go by the modification time: a write that does not happen leaves it alone.
TEST_F(InfoTagFileTest, ModificationTimeChangesOnlyWithAWrite) {
  const std::string path = dir.Write("movie.avi", kAvi);
  const timespec past[2] = {{1000000000, 0}, {1000000000, 0}};
  const auto modified = [&] {
    struct stat st {};
    stat(path.c_str(), &st);
    return st.st_mtim.tv_sec;
  };
  const auto reset = [&] { utimensat(AT_FDCWD, path.c_str(), past, 0); };
  reset();
  EXPECT_EQ(WriteInfoTagsToFile(path, Edit(std::string(2000, 't'), "", "")).outcome,
            InfoTagOutcome::kNotReadBack);
  EXPECT_EQ(modified(), 1000000000);
  InjectWriteFaultForTesting(1, 2, EIO);
  EXPECT_EQ(WriteInfoTagsToFile(path, Edit("t", "", "")).outcome, InfoTagOutcome::kWriteRefused);
  EXPECT_EQ(modified(), 1000000000);
  EXPECT_EQ(ReadWholeFile(path), kAvi);
  InfoTagWriteOptions keep;
  keep.keep_modified_time = true;
  EXPECT_EQ(WriteInfoTagsToFile(path, Edit("t", "", ""), keep).outcome, InfoTagOutcome::kWritten);
  EXPECT_EQ(modified(), 1000000000);
  EXPECT_EQ(WriteInfoTagsToFile(path, Edit("u", "", "")).outcome, InfoTagOutcome::kWritten);
  EXPECT_NE(modified(), 1000000000);
  // Only what changed: a file that already shows the texts is not written at all.
  reset();
  InfoTagWriteOptions only_changed;
  only_changed.only_changed = true;
  EXPECT_EQ(WriteInfoTagsToFile(path, Edit("u", "", ""), only_changed).outcome, InfoTagOutcome::kUnchanged);
  EXPECT_EQ(modified(), 1000000000);
}

}  // namespace
