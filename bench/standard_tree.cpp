#include "standard_tree.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/run_program.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

struct Kind {
  std::string extension;
  int per_folder;                     // of the hundred media files of each folder
  std::vector<std::string> variants;  // ffmpeg arguments before the output name, one file each
};

std::string Video(const char* size, const char* rate, int seconds) {
  return std::string("-f lavfi -i testsrc=size=") + size + ":rate=" + rate +
         ":duration=" + std::to_string(seconds) + " ";
}

std::string Sine(int sample_rate, int seconds) {
  return "-f lavfi -i sine=frequency=440:sample_rate=" + std::to_string(sample_rate) +
         ":duration=" + std::to_string(seconds) + " ";
}

// A few variants of each kind (picture sizes, frame and sampling rates, with and without sound); the
// MPEG-1 files are system streams, so they carry pack clock references and presentation time stamps.
std::vector<Kind> Kinds() {
  return {
      {".avi",
       39,
       {Video("64x48", "15", 1) + Sine(8000, 1) + "-c:v msmpeg4v2 -q:v 31 -c:a pcm_s16le -ac 1",
        Video("96x72", "25", 2) + Sine(22050, 2) +
            "-c:v mpeg4 -q:v 31 -c:a libmp3lame -b:a 32k -ac 1 -metadata title=clip",
        Video("80x64", "30000/1001", 1) + "-c:v mjpeg -q:v 31 -an"}},
      {".wav",
       19,
       {Sine(8000, 1) + "-c:a pcm_s16le -ac 1", Sine(22050, 1) + "-c:a pcm_u8 -ac 2",
        Sine(11025, 2) + "-c:a adpcm_ima_wav -ac 1"}},
      {".mpg",
       17,
       {Video("64x48", "30000/1001", 2) + Sine(48000, 2) +
            "-c:v mpeg1video -b:v 16k -g 30 -c:a mp2 -b:a 32k -f mpeg",
        Video("32x32", "25", 3) + Sine(44100, 3) + "-c:v mpeg1video -b:v 16k -g 12 -c:a mp2 -b:a 64k -f mpeg",
        Video("48x32", "30", 1) + "-c:v mpeg1video -b:v 16k -g 15 -an -f mpeg"}},
      {".mov",
       9,
       {Video("64x48", "15", 1) + Sine(22050, 1) + "-c:v mpeg4 -q:v 31 -c:a aac -b:a 24k -ac 1",
        Video("64x48", "10", 2) + Sine(22050, 2) + "-c:v svq1 -c:a adpcm_ima_qt -ac 1",
        Video("80x64", "25", 1) + "-c:v mjpeg -q:v 31 -an"}},
      {".rm",
       9,
       {Video("64x48", "15", 1) + Sine(8000, 1) + "-c:v rv10 -q:v 31 -c:a real_144 -ac 1",
        Video("96x64", "25", 2) + Sine(48000, 2) + "-c:v rv20 -q:v 31 -c:a ac3 -b:a 64k -ac 1",
        Video("64x48", "10", 1) + "-c:v rv10 -q:v 31 -an"}},
      {".asf",
       7,
       {Video("64x48", "15", 2) + Sine(22050, 2) + "-c:v wmv2 -q:v 31 -c:a wmav2 -b:a 32k -ac 1",
        Video("80x64", "25", 1) + "-c:v wmv1 -q:v 31 -an",
        Video("64x48", "10", 1) + Sine(44100, 1) + "-c:v msmpeg4 -q:v 31 -c:a wmav1 -b:a 64k -ac 1"}},
  };
}

const char* const kPictureArguments = "-f lavfi -i color=c=blue:size=160x120:duration=1 -frames:v 1";

[[noreturn]] void Fail(const std::string& message) {
  std::fprintf(stderr, "catalogue_tree_bench: %s\n", message.c_str());
  std::exit(1);
}

// What the tree is made of; a tree whose stamp differs is made again.
std::string Recipe(const std::vector<Kind>& kinds) {
  std::ostringstream recipe;
  recipe << "layout 1\n" << kPictureArguments << "\n";
  for (const Kind& kind : kinds) {
    recipe << kind.extension << " " << kind.per_folder << "\n";
    for (const std::string& variant : kind.variants) recipe << variant << "\n";
  }
  return recipe.str();
}

std::string MakeWithFfmpeg(const std::string& arguments, const std::string& output) {
  std::vector<std::string> argv = {"-hide_banner", "-loglevel", "error", "-y"};
  std::istringstream words(arguments + " -fflags +bitexact -flags:v +bitexact -flags:a +bitexact");
  for (std::string word; words >> word;) argv.push_back(word);
  argv.push_back(output);
  const ProgramResult result = RunProgram("ffmpeg", argv);
  if (result.exit_code != 0) Fail("ffmpeg could not make " + output + ": " + result.err);
  return ReadWholeFile(output);
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  if (!out.flush()) Fail("cannot write " + path.string());
}

// Copies, not links: each file has its own inode and its own blocks, as in a real collection.
void FillFolder(const fs::path& folder, int folder_no, const std::vector<Kind>& kinds,
                const std::vector<std::vector<std::string>>& made, const std::string& picture) {
  fs::create_directories(folder);
  int file_no = 0;
  for (size_t k = 0; k < kinds.size(); ++k) {
    for (int i = 0; i < kinds[k].per_folder; ++i, ++file_no) {
      std::string extension = kinds[k].extension;
      // Every tenth AVI name in capitals, as copied from old media.
      if (extension == ".avi" && i % 10 == 0) extension = ".AVI";
      const std::string& bytes = made[k][(i + folder_no) % made[k].size()];
      WriteFile(folder / ("clip" + std::to_string(file_no) + extension), bytes);
    }
  }
  for (int i = 0; i < 3; ++i) WriteFile(folder / ("notes" + std::to_string(i) + ".txt"), "not media\n");
  for (int i = 0; i < 2; ++i) WriteFile(folder / ("still" + std::to_string(i) + ".jpg"), picture);
}

// Names that look like media and are not, and media the scan never enters.
void AddDecoys(const fs::path& root, const std::string& avi, const std::string& picture) {
  fs::create_directories(root / "clips.avi");
  WriteFile(root / "clips.avi" / "readme.txt", "a folder, not a movie\n");
  WriteFile(root / "x.avi", "plain text under a movie's name\n");
  fs::create_directories(root / ".hidden");
  for (int i = 0; i < 20; ++i) WriteFile(root / ".hidden" / ("secret" + std::to_string(i) + ".avi"), avi);
  fs::create_directories(root / "folder0" / ".thumbnails");
  for (int i = 0; i < 10; ++i) {
    WriteFile(root / "folder0" / ".thumbnails" / ("thumb" + std::to_string(i) + ".jpg"), picture);
  }
}

void BuildTree(const fs::path& root, const std::vector<Kind>& kinds) {
  TempDir work;
  std::vector<std::vector<std::string>> made(kinds.size());
  for (size_t k = 0; k < kinds.size(); ++k) {
    for (size_t v = 0; v < kinds[k].variants.size(); ++v) {
      const std::string output = work.path() + "/" + std::to_string(v) + kinds[k].extension;
      made[k].push_back(MakeWithFfmpeg(kinds[k].variants[v], output));
    }
  }
  const std::string picture = MakeWithFfmpeg(kPictureArguments, work.path() + "/picture.jpg");
  for (int f = 0; f < kStandardTreeFolders; ++f) {
    FillFolder(root / ("folder" + std::to_string(f)), f, kinds, made, picture);
  }
  AddDecoys(root, made[0][0], picture);
}

}  // namespace

std::string EnsureStandardTree(const std::string& cache_dir) {
  const std::vector<Kind> kinds = Kinds();
  const std::string recipe = Recipe(kinds);
  const fs::path root = fs::path(cache_dir) / "tree";
  const fs::path stamp = fs::path(cache_dir) / "tree.complete";
  if (fs::exists(root) && ReadWholeFile(stamp) == recipe) return root.string();
  std::printf("making the standard tree in %s (once)...\n", root.c_str());
  const auto start = std::chrono::steady_clock::now();
  fs::remove(stamp);
  fs::remove_all(root);
  BuildTree(root, kinds);
  WriteFile(stamp, recipe);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::printf("made in %.1f s\n", took.count());
  return root.string();
}
