#include "platform/quiet_library_log.h"

extern "C" {
#include <libavutil/log.h>
}

QuietLibraryLog::QuietLibraryLog() : saved_level_(av_log_get_level()) {
  av_log_set_level(AV_LOG_QUIET);
}

QuietLibraryLog::~QuietLibraryLog() {
  av_log_set_level(saved_level_);
}
