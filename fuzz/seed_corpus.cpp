// Writes the small seed corpora of the fuzz targets, made with the byte builders of the tests:
//   seed_corpus fuzz/corpus
// makes fuzz/corpus/<target>/<seed> for every target. The corpora are kept in the repository; run
// this again when a builder or a target changes.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "list/csv_format.h"
#include "platform/cp932.h"
#include "probe/info_list.h"
#include "support/mpeg1_builder.h"
#include "support/riff_builder.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

fs::path g_root;

void Seed(const std::string& target, const std::string& name, const std::string& bytes) {
  fs::create_directories(g_root / target);
  std::ofstream(g_root / target / name, std::ios::binary) << bytes;
}

std::string MpegStream() {
  return MpegPackHeader() + MpegSystemHeader() +
         MpegPacket(kMpegVideoStream, MpegSequenceHeaderBytes(352, 240, 4), 1) +
         MpegPacket(kMpegAudioStream, MpegAudioFrameBytes(11, 0)) + MpegEndCode();
}

std::string TaggedAvi() {
  AviSpec spec;
  spec.movie_bytes = 16;
  return AviFile(spec);
}

void MediaSeeds(const std::string& target) {
  AviSpec avi;
  Seed(target, "avi", AviFile(avi));
  // A large AVI goes on in AVIX chunks; an interrupted download ends before its RIFF size says.
  const std::string avix = RiffForm("AVIX", ListChunk("movi", std::string(16, '\0')));
  Seed(target, "avi_avix", AviFile(avi) + avix + avix);
  AviSpec cut = avi;
  cut.movie_bytes = 64;
  const std::string whole = AviFile(cut);
  Seed(target, "avi_cut", whole.substr(0, whole.size() - 40));
  avi.has_audio = false;
  avi.handler = "XVID";
  Seed(target, "avi_video_only", AviFile(avi));
  WaveFormatSpec mp3{.format_tag = 0x55,
                     .channels = 2,
                     .samples_per_sec = 44100,
                     .avg_bytes_per_sec = 16000,
                     .block_align = 1,
                     .bits_per_sample = 0,
                     .size = 30};
  Seed(target, "wave_pcm", WaveFile(WaveFormatSpec(), 64));
  Seed(target, "wave_mp3", WaveFile(mp3, 64));
  Seed(target, "mpeg1", MpegStream());
  Seed(target, "realmedia", ".RMF\0\0\0\x12"s);
  Seed(target, "quicktime",
       "\0\0\0\x20"
       "ftypqt  "s);
}

// The heads of the real files of tests/data made by ffmpeg, one of each kind read through libavformat:
// each head holds the file's headers and its first packets.
void ModernMediaSeeds(const std::string& target) {
  constexpr size_t kHeadBytes = 4096;
  for (const char* name :
       {"h264_aac_faststart.mp4", "vp9_opus.mkv", "h264_mp2.ts", "flv1_mp3.flv", "theora_vorbis.ogv",
        "opus.opus", "mp3_cover.mp3", "flac.flac", "wmv2_wmav2.wmv"}) {
    std::ifstream in(std::string(TESSAROLL_SOURCE_DIR) + "/tests/data/" + name, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    Seed(target, name, bytes.substr(0, kHeadBytes));
  }
}

void TagWriterSeeds() {
  const std::string avi = TaggedAvi();
  Seed("tag_writer_fuzz", "untagged", avi);
  const std::string list = RenderInfoList({"Title", "Creator", "Comment"});
  std::string tagged = avi + list;
  tagged.replace(4, 4, Le32(static_cast<uint32_t>(tagged.size() - 8)));
  Seed("tag_writer_fuzz", "tagged", tagged);
  std::string after = tagged + Chunk("JUNK", "kept");
  after.replace(4, 4, Le32(static_cast<uint32_t>(after.size() - 8)));
  Seed("tag_writer_fuzz", "chunk_after_list", after);
  // An interrupted download: its RIFF size runs past the end of the file.
  Seed("tag_writer_fuzz", "cut_download", avi.substr(0, avi.size() - 20));

  // Damaged sizes that a longer file could make fit: a stream list running past the header list, and
  // a list after idx1 reaching into the pad byte of an odd-sized RIFF chunk.
  const std::string strh = Chunk("strh", StreamHeader("vids", "DIV3", 1, 25, 250));
  std::string overrun = ListChunk("strl", strh);
  overrun.replace(4, 4, Le32(static_cast<uint32_t>(4 + strh.size() + 400)));
  const std::string index = Chunk("idx1", std::string(16, '\0'));
  Seed("tag_writer_fuzz", "stream_list_past_header",
       RiffForm("AVI ", ListChunk("hdrl", Chunk("avih", AviMainHeader(320, 240)) + overrun) +
                            ListChunk("movi", "") + index));
  AviSpec video_only;
  video_only.has_audio = false;
  const std::string audio = "strl" + Chunk("strf", WaveFormatData({})) + "x";
  const std::string content = AviHeaderList(video_only) + ListChunk("movi", "") + index +
                              RawChunk("LIST", static_cast<uint32_t>(audio.size() + 1), audio);
  Seed("tag_writer_fuzz", "list_into_pad_byte",
       "RIFF" + Le32(static_cast<uint32_t>(4 + content.size())) + "AVI " + content + '\0');
}

void SettingsSeeds() {
  Seed("settings_store_fuzz", "typical",
       "[MainSeting]\r\nLoadPath=/home/u/movies\r\nExtAVI=1\r\nMPGTIME=0\r\n[Customize]\r\n"
       "AutoScan=/home/u\r\nMainColor=0x00ff00\r\nListClear=1\r\n[WindowFonts]\r\nMainFontSize=12\r\n"
       "[HtmlSetting]\r\nJunle=1\r\n"s);
  Seed("settings_store_fuzz", "odd_lines",
       "; comment\n[ mainseting ]\nloadpath = \"quoted value\" \nno equals sign\n[Customize\n=x\n"
       "[Customize]\nListFoColor='abc'\n"s);
  Seed("settings_store_fuzz", "cp932",
       Utf8ToCp932("[WindowFonts]\r\nListFontType=ＭＳ Ｐゴシック\r\n"
                   "[表示]\r\n題名=動画\r\n"));
}

void TagScanSeeds() {
  Seed("tag_scan_fuzz", "list", std::string(40, 'x') + RenderInfoList({"Title", "Creator", "Comment"}));
  Seed("tag_scan_fuzz", "unterminated", "IISBJ\x05\0\0\0ab\ncd"s + "ICMT\x03\0\0\0no zero"s);
}

void CsvSeeds() {
  ListFileTable table;
  table.labels = {Utf8ToCp932("ファイル名"), Utf8ToCp932("サイズ(byte)")};
  table.rows = {{"a.avi", "1,234,567"}, {"Hello, World", "0"}, {"", ""}};
  Seed("csv_fuzz", "quoted", RenderCsvList(table));
  Seed("csv_fuzz", "plain", "a.avi,1,234,567\r\nb.avi,,x\r\n,\r\n"s);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: seed_corpus FOLDER\n");
    return 2;
  }
  g_root = argv[1];
  MediaSeeds("probe_fuzz");
  ModernMediaSeeds("probe_fuzz");
  TagWriterSeeds();
  SettingsSeeds();
  TagScanSeeds();
  CsvSeeds();
  return 0;
}
