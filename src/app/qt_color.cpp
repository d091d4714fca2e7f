#include "app/qt_color.h"

QColor ToQColor(uint32_t color_reference) {
  return QColor(color_reference & 0xff, (color_reference >> 8) & 0xff, (color_reference >> 16) & 0xff);
}

uint32_t ToColorReference(const QColor& color) {
  return static_cast<uint32_t>(color.red()) | static_cast<uint32_t>(color.green()) << 8 |
         static_cast<uint32_t>(color.blue()) << 16;
}
