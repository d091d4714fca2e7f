#pragma once
// Readable names of the codecs in the files read through libavformat, from a small table of our own;
// libavcodec's short name for any codec the table does not know.
#include <string>

// codec_id: an AVCodecID. AV_CODEC_ID_NONE, a stream whose codec the libraries could not tell, is
// "Unknon" as in the AVI and WAVE tables.
std::string ModernCodecName(int codec_id);
