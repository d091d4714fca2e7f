#include "app/control_text.h"

#include "app/qt_text.h"

std::string ControlText(const QString& text, size_t max_bytes) {
  std::string bytes = FromQString(text);
  if (bytes.size() <= max_bytes) return bytes;
  QString cut = text;
  while (!cut.isEmpty() && bytes.size() > max_bytes) {
    cut.chop(cut.size() >= 2 && cut.back().isLowSurrogate() ? 2 : 1);
    bytes = FromQString(cut);
  }
  return bytes;
}
