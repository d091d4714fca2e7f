#include "probe/modern_codec_names.h"

#include "platform/av_library.h"

namespace {

struct CodecName {
  AVCodecID id;
  const char* name;
};

// Names as users know them; the families of codecs that players tell apart only by version share one.
constexpr CodecName kNames[] = {
    {AV_CODEC_ID_H264, "H.264"},
    {AV_CODEC_ID_HEVC, "H.265"},
    {AV_CODEC_ID_VP8, "VP8"},
    {AV_CODEC_ID_VP9, "VP9"},
    {AV_CODEC_ID_AV1, "AV1"},
    {AV_CODEC_ID_MPEG4, "MPEG4"},
    {AV_CODEC_ID_MPEG2VIDEO, "MPEG2"},
    {AV_CODEC_ID_MPEG1VIDEO, "MPEG1"},
    {AV_CODEC_ID_THEORA, "Theora"},
    {AV_CODEC_ID_MJPEG, "Motion JPEG"},
    {AV_CODEC_ID_WMV1, "WMV"},
    {AV_CODEC_ID_WMV2, "WMV"},
    {AV_CODEC_ID_WMV3, "WMV"},
    {AV_CODEC_ID_VC1, "VC-1"},
    {AV_CODEC_ID_H263, "H.263"},
    {AV_CODEC_ID_AAC, "AAC"},
    {AV_CODEC_ID_AAC_LATM, "AAC"},
    {AV_CODEC_ID_MP3, "MP3"},
    {AV_CODEC_ID_MP2, "MP2"},
    {AV_CODEC_ID_OPUS, "Opus"},
    {AV_CODEC_ID_VORBIS, "Vorbis"},
    {AV_CODEC_ID_FLAC, "FLAC"},
    {AV_CODEC_ID_ALAC, "ALAC"},
    {AV_CODEC_ID_AC3, "AC-3"},
    {AV_CODEC_ID_EAC3, "E-AC-3"},
    {AV_CODEC_ID_DTS, "DTS"},
    {AV_CODEC_ID_TRUEHD, "TrueHD"},
    {AV_CODEC_ID_WMAV1, "WMA"},
    {AV_CODEC_ID_WMAV2, "WMA"},
    {AV_CODEC_ID_WMAPRO, "WMA Pro"},
    {AV_CODEC_ID_WMALOSSLESS, "WMA Lossless"},
    {AV_CODEC_ID_WMAVOICE, "WMA Voice"},
};

// The PCM codecs, one per sample layout, stand together at the start of the audio codecs.
bool IsPcm(AVCodecID id) {
  return id >= AV_CODEC_ID_FIRST_AUDIO && id < AV_CODEC_ID_ADPCM_IMA_QT;
}

}  // namespace

std::string ModernCodecName(int codec_id) {
  const auto id = static_cast<AVCodecID>(codec_id);
  if (id == AV_CODEC_ID_NONE) return "Unknon";
  for (const CodecName& entry : kNames) {
    if (entry.id == id) return entry.name;
  }
  if (IsPcm(id)) return "PCM";
  return AvLibrary() ? AvLibrary()->avcodec_get_name(id) : "Unknon";
}
