#include "support/media_fields.h"

#include "probe/media_info.h"

std::vector<std::string> MediaInfoFields() {
  std::vector<std::string> fields;
  for (const std::string* text : MediaTexts(MediaInfo())) fields.push_back(*text);
  return fields;
}
