#include "app/name_only_icon_provider.h"

#include <QFileInfo>

QIcon NameOnlyIconProvider::icon(const QFileInfo& info) const {
  return icon(info.isDir() ? QAbstractFileIconProvider::Folder : QAbstractFileIconProvider::File);
}

// Named in the window's words, whatever the locale.
QString NameOnlyIconProvider::type(const QFileInfo& info) const {
  if (info.isDir()) return QStringLiteral("ﾌｫﾙﾀﾞ");
  const QString suffix = info.suffix();
  return suffix.isEmpty() ? QStringLiteral("ﾌｧｲﾙ") : QStringLiteral("%1 ﾌｧｲﾙ").arg(suffix.toUpper());
}
