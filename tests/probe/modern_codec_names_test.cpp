#include "probe/modern_codec_names.h"

#include <gtest/gtest.h>

extern "C" {
#include <libavcodec/codec_id.h>
}

namespace {

TEST(ModernCodecNames, TableThenLibraryNames) {
  const struct {
    AVCodecID id;
    const char* name;
  } cases[] = {
      {AV_CODEC_ID_HEVC, "H.265"},    {AV_CODEC_ID_WMV3, "WMV"},
      {AV_CODEC_ID_EAC3, "E-AC-3"},   {AV_CODEC_ID_PCM_S16LE, "PCM"},
      {AV_CODEC_ID_PCM_F64BE, "PCM"}, {AV_CODEC_ID_ADPCM_IMA_QT, "adpcm_ima_qt"},
      {AV_CODEC_ID_FLV1, "flv1"},     {AV_CODEC_ID_PRORES, "prores"},
      {AV_CODEC_ID_NONE, "Unknon"},
  };
  for (const auto& c : cases) EXPECT_EQ(ModernCodecName(c.id), c.name) << c.name;
}

}  // namespace
