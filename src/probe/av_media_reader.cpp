#include "probe/av_media_reader.h"

#include <cstdint>
#include <string_view>

#include "platform/av_library.h"
#include "platform/cp932.h"
#include "probe/av_file_io.h"
#include "probe/av_media_fields.h"
#include "probe/media_info.h"
#include "settings/edit_text.h"

namespace {

// A long movie's index (an MP4 "moov" of a few hours) fits well inside the budget; a hostile file that
// sends the libraries hunting for time stamps stops there.
constexpr uint64_t kReadBudget = 16 << 20;

// The libraries' defaults (5 MB, 5 s, 1000 streams) are for playing; a listing needs the first frames.
constexpr const char* kProbeSize = "1048576";
constexpr const char* kAnalyzeDurationUs = "2000000";
constexpr const char* kMaxStreams = "64";

// Only the demuxers of the listed kinds: content that probes as a playlist or a sequence of other
// files is refused rather than followed.
constexpr const char* kFormats = "mov,matroska,mpegts,flv,ogg,mp3,flac,aac,asf";

// The tag cells hold 255 bytes; more UTF-8 than this can never fit in them.
constexpr size_t kTagUtf8Bytes = 1024;
constexpr size_t kTagCellCapacity = 256;

int RefuseToOpen(AVFormatContext*, AVIOContext**, const char*, int, AVDictionary**) {
  return AVERROR(EPERM);
}

class Input {
 public:
  Input(AvFileIo& io, const std::string& path) {
    // The stream has a context only when the libraries are there.
    if (!io.context()) return;
    AVFormatContext* context = AvLibrary()->avformat_alloc_context();
    if (!context) return;
    context->pb = io.context();
    context->flags |= AVFMT_FLAG_CUSTOM_IO;
    context->io_open = RefuseToOpen;
    AVDictionary* options = nullptr;
    AvLibrary()->av_dict_set(&options, "probesize", kProbeSize, 0);
    AvLibrary()->av_dict_set(&options, "analyzeduration", kAnalyzeDurationUs, 0);
    AvLibrary()->av_dict_set(&options, "max_streams", kMaxStreams, 0);
    AvLibrary()->av_dict_set(&options, "format_whitelist", kFormats, 0);
    // On failure the libraries free the context themselves.
    if (AvLibrary()->avformat_open_input(&context, path.c_str(), nullptr, &options) >= 0) context_ = context;
    AvLibrary()->av_dict_free(&options);
    if (context_ && AvLibrary()->avformat_find_stream_info(context_, nullptr) < 0)
      AvLibrary()->avformat_close_input(&context_);
  }
  ~Input() {
    if (context_) AvLibrary()->avformat_close_input(&context_);
  }
  Input(const Input&) = delete;
  Input& operator=(const Input&) = delete;

  AVFormatContext* context() const { return context_; }

 private:
  AVFormatContext* context_ = nullptr;
};

AvStreamFigures StreamFigures(const AVStream& stream) {
  const AVCodecParameters& codec = *stream.codecpar;
  // Where the average is unknown (Ogg Theora), the base rate the libraries guessed is the figure.
  const AVRational rate = stream.avg_frame_rate.num > 0 ? stream.avg_frame_rate : stream.r_frame_rate;
  return {static_cast<int>(codec.codec_id),
          codec.bit_rate,
          codec.width,
          codec.height,
          rate.num,
          rate.den,
          codec.sample_rate};
}

struct ChosenStreams {
  const AVStream* video = nullptr;
  const AVStream* audio = nullptr;
};

// A stream counts when the libraries told its codec and its picture or sound from the file: a demuxer
// chosen by the name's extension alone can make up a stream of an empty or foreign file. A cover
// picture stored as a video stream is no video.
bool IsVideo(const AVStream& stream) {
  const AVCodecParameters& codec = *stream.codecpar;
  return codec.codec_type == AVMEDIA_TYPE_VIDEO && codec.codec_id != AV_CODEC_ID_NONE && codec.width > 0 &&
         codec.height > 0 && !(stream.disposition & AV_DISPOSITION_ATTACHED_PIC);
}

bool IsAudio(const AVStream& stream) {
  const AVCodecParameters& codec = *stream.codecpar;
  return codec.codec_type == AVMEDIA_TYPE_AUDIO && codec.codec_id != AV_CODEC_ID_NONE &&
         codec.sample_rate > 0;
}

// The first video and the first sound stream.
ChosenStreams ChooseStreams(const AVFormatContext& context) {
  ChosenStreams chosen;
  for (unsigned i = 0; i < context.nb_streams; ++i) {
    const AVStream* stream = context.streams[i];
    if (!chosen.video && IsVideo(*stream)) chosen.video = stream;
    if (!chosen.audio && IsAudio(*stream)) chosen.audio = stream;
  }
  return chosen;
}

AvMediaFigures Figures(const AVFormatContext& context, const ChosenStreams& chosen) {
  AvMediaFigures figures;
  figures.opened = true;
  if (chosen.video) figures.video = StreamFigures(*chosen.video);
  if (chosen.audio) figures.audio = StreamFigures(*chosen.audio);
  if (context.duration != AV_NOPTS_VALUE) figures.duration_us = context.duration;
  figures.bit_rate = context.bit_rate;
  return figures;
}

std::string TagCell(std::string_view utf8) {
  std::string text = Utf8ToCp932(utf8.substr(0, kTagUtf8Bytes));
  // CP932 trail bytes are never control bytes, so this never touches half a character.
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  }
  return CutEditText(text, kTagCellCapacity);
}

// The file's own metadata first: Ogg and some others keep their comments with a stream.
std::string Tag(const AVFormatContext& context, const ChosenStreams& chosen, const char* key) {
  const AVDictionary* const sources[] = {context.metadata, chosen.video ? chosen.video->metadata : nullptr,
                                         chosen.audio ? chosen.audio->metadata : nullptr};
  for (const AVDictionary* metadata : sources) {
    if (const AVDictionaryEntry* entry = AvLibrary()->av_dict_get(metadata, key, nullptr, 0))
      return TagCell(entry->value);
  }
  return "";
}

void FillTags(const AVFormatContext& context, const ChosenStreams& chosen) {
  MediaInfoRecord& info = MediaInfo();
  info.title = Tag(context, chosen, "title");
  info.creator = Tag(context, chosen, "artist");
  if (info.creator.empty()) info.creator = Tag(context, chosen, "copyright");
  info.comment = Tag(context, chosen, "comment");
}

}  // namespace

int ReadAvMedia(MediaFile& file, const std::string& path, bool check_mode, const DecoderQuery& decoders) {
  AvMediaFigures figures;
  if (file.is_open()) {
    AvFileIo io(file, kReadBudget);
    const Input input(io, path);
    if (const AVFormatContext* context = input.context()) {
      const ChosenStreams chosen = ChooseStreams(*context);
      figures = Figures(*context, chosen);
      FillTags(*context, chosen);
    }
  }
  FillAvMediaFields(figures);
  return check_mode ? AvCheckResult(figures, decoders) : 0;
}
