#include "app/qt_text.h"

#include <QStringList>
#include <algorithm>

#include "platform/cp932.h"

QString ToQString(std::string_view cp932) {
  // Most cells are plain ASCII (sizes, rates, times); they need no code-page conversion.
  const bool ascii = std::all_of(cp932.begin(), cp932.end(), [](char c) { return (c & 0x80) == 0; });
  if (ascii) return QString::fromLatin1(cp932.data(), static_cast<qsizetype>(cp932.size()));
  return QString::fromStdString(Cp932ToUtf8(cp932));
}

std::string FromQString(const QString& text) {
  return Utf8ToCp932(text.toStdString());
}

QString CharactersCp932Lacks(const QString& text) {
  QStringList lacking;
  for (char32_t code_point : text.toUcs4()) {
    const QString character = QString::fromUcs4(&code_point, 1);
    if (!Cp932CanHold(character.toStdString()) && !lacking.contains(character)) lacking << character;
  }
  return lacking.join(u' ');
}
