#pragma once
// The reader for MPEG-1 system streams.
#include <string>

#include "probe/media_file.h"
#include "probe/probe_media_file.h"

// Fills the media info record from the file's first sequence header and first Layer II audio frame
// header (see probe/mpeg_system_reader.h for every field). The playing time comes from the platform's
// playing-length service when MPGTIME is on; that service is asked only while the playing-time
// column is shown.
void ReadMpegSystem(const std::string& path);
// The same on a file the caller has opened from path.
void ReadMpegSystem(MediaFile& file, const std::string& path,
                    const ProbeOptions& options = CurrentProbeOptions());
