#include "platform/av_library.h"

#include <dlfcn.h>

#include <string>

namespace {

// The library of the same major version as the headers: its functions take the structures the
// headers describe. Its dependencies (libavcodec, libavutil) come with it, and a handle's symbol
// lookup searches them too.
const std::string kFormatLibrary = "libavformat.so." + std::to_string(LIBAVFORMAT_VERSION_MAJOR);

template <typename Function>
bool Find(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

bool Load(AvFunctions& av) {
  void* library = dlopen(kFormatLibrary.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!library) return false;
  // Never closed: the functions are used until the program ends.
  const bool found =
      Find(library, "av_codec_get_id", av.av_codec_get_id) &&
      Find(library, "av_dict_free", av.av_dict_free) && Find(library, "av_dict_get", av.av_dict_get) &&
      Find(library, "av_dict_set", av.av_dict_set) &&
      Find(library, "av_find_input_format", av.av_find_input_format) &&
      Find(library, "av_free", av.av_free) && Find(library, "av_freep", av.av_freep) &&

      Find(library, "av_log_set_level", av.av_log_set_level) && Find(library, "av_malloc", av.av_malloc) &&
      Find(library, "avcodec_find_decoder", av.avcodec_find_decoder) &&
      Find(library, "avcodec_get_name", av.avcodec_get_name) &&
      Find(library, "avformat_alloc_context", av.avformat_alloc_context) &&
      Find(library, "avformat_close_input", av.avformat_close_input) &&
      Find(library, "avformat_find_stream_info", av.avformat_find_stream_info) &&
      Find(library, "avformat_free_context", av.avformat_free_context) &&
      Find(library, "avformat_get_riff_audio_tags", av.avformat_get_riff_audio_tags) &&
      Find(library, "avformat_get_riff_video_tags", av.avformat_get_riff_video_tags) &&
      Find(library, "avformat_open_input", av.avformat_open_input) &&
      Find(library, "avio_alloc_context", av.avio_alloc_context) &&
      Find(library, "avio_context_free", av.avio_context_free);
  // What the libraries say about damaged or odd files is never reported to the user, and would reach
  // the terminal: they are silenced once, for every thread, rather than around each file.
  if (found) av.av_log_set_level(AV_LOG_QUIET);
  return found;
}

}  // namespace

const AvFunctions* AvLibrary() {
  // A function-local static is set up once even when several threads ask at once.
  static const AvFunctions* const loaded = [] {
    static AvFunctions functions;
    return Load(functions) ? &functions : nullptr;
  }();
  return loaded;
}
