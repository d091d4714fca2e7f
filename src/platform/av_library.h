#pragma once
// FFmpeg's libraries, loaded when first needed rather than when the program starts: with what they
// pull in they are over a hundred shared libraries, and loading them at start costs a catalogue of
// AVI, WAVE and MPEG-1 files, which never needs them, a large part of its run. Callers name each
// function through the table (AvLibrary()->avformat_open_input(...)).
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavformat/avio.h>
#include <libavutil/dict.h>
#include <libavutil/log.h>
#include <libavutil/mem.h>
}

struct AvFunctions {
  decltype(&::av_codec_get_id) av_codec_get_id;
  decltype(&::av_dict_free) av_dict_free;
  decltype(&::av_dict_get) av_dict_get;
  decltype(&::av_dict_set) av_dict_set;
  decltype(&::av_find_input_format) av_find_input_format;
  decltype(&::av_free) av_free;
  decltype(&::av_freep) av_freep;
  decltype(&::av_log_set_level) av_log_set_level;
  decltype(&::av_malloc) av_malloc;
  decltype(&::avcodec_find_decoder) avcodec_find_decoder;
  decltype(&::avcodec_get_name) avcodec_get_name;
  decltype(&::avformat_alloc_context) avformat_alloc_context;
  decltype(&::avformat_close_input) avformat_close_input;
  decltype(&::avformat_find_stream_info) avformat_find_stream_info;
  decltype(&::avformat_free_context) avformat_free_context;
  decltype(&::avformat_get_riff_audio_tags) avformat_get_riff_audio_tags;
  decltype(&::avformat_get_riff_video_tags) avformat_get_riff_video_tags;
  decltype(&::avformat_open_input) avformat_open_input;
  decltype(&::avio_alloc_context) avio_alloc_context;
  decltype(&::avio_context_free) avio_context_free;
};

// The functions of the libraries the program was built against (same major versions), loaded on the
// first call from any thread; nullptr when they cannot be loaded, and then what is read through them
// stays empty, as for a file they cannot read.
const AvFunctions* AvLibrary();
