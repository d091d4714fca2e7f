#include "platform/decoder_query.h"

#include "platform/av_library.h"

namespace {

bool HasDecoderForRiffTag(const AVCodecTag* table, unsigned int tag) {
  const AVCodecTag* const tables[] = {table, nullptr};
  return HasInstalledCodecDecoder(AvLibrary()->av_codec_get_id(tables, tag));
}

bool FfmpegHasVideoDecoder(uint32_t handler) {
  return AvLibrary() && HasDecoderForRiffTag(AvLibrary()->avformat_get_riff_video_tags(), handler);
}

bool FfmpegHasAudioDecoder(uint16_t format_tag) {
  return AvLibrary() && HasDecoderForRiffTag(AvLibrary()->avformat_get_riff_audio_tags(), format_tag);
}

}  // namespace

bool HasInstalledCodecDecoder(int codec_id) {
  const auto id = static_cast<AVCodecID>(codec_id);
  return id != AV_CODEC_ID_NONE && AvLibrary() && AvLibrary()->avcodec_find_decoder(id) != nullptr;
}

const DecoderQuery& InstalledDecoders() {
  static const DecoderQuery kFfmpeg{FfmpegHasVideoDecoder, FfmpegHasAudioDecoder, HasInstalledCodecDecoder};
  return kFfmpeg;
}
