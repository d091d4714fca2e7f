#pragma once
// The reader of the kinds beyond the original formats (probe/modern_media_name.h), built on libavformat
// and bounded like the other readers: at most 1 MB is analysed for the streams, only what the
// container's headers and index need is read (the movie data is skipped), at most 16 MB are read in
// all, and the file is read only through the caller's MediaFile.
#include <string>

#include "platform/decoder_query.h"
#include "probe/media_file.h"

// Fills the seven fields of the media info record (probe/av_media_fields.h) and its container tags:
// title, creator (the artist, or the copyright when there is no artist) and comment from the file's
// metadata (or its first streams'), in CP932, line breaks as blanks, cut to 255 bytes between
// characters. path gives the libraries the name's extension as a hint; it is never opened. A file the
// libraries cannot read leaves every field empty. Returns the check result in check mode, else 0.
int ReadAvMedia(MediaFile& file, const std::string& path, bool check_mode, const DecoderQuery& decoders);
