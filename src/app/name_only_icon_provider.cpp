#include "app/name_only_icon_provider.h"

#include <QFileInfo>
#include <QMimeDatabase>

QIcon NameOnlyIconProvider::icon(const QFileInfo& info) const {
  return icon(info.isDir() ? QAbstractFileIconProvider::Folder : QAbstractFileIconProvider::File);
}

QString NameOnlyIconProvider::type(const QFileInfo& info) const {
  const QMimeDatabase types;
  if (info.isDir()) return types.mimeTypeForName(QStringLiteral("inode/directory")).comment();
  return types.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension).comment();
}
