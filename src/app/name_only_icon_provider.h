#pragma once
// Icons and type names for the file choosers taken from a file's kind and name alone. Qt's own provider
// sniffs the contents of files without a known extension, and reading a FIFO, a device or /proc/kmsg
// blocks the chooser (and the window with it) for good.
#include <QFileIconProvider>

class NameOnlyIconProvider : public QFileIconProvider {
 public:
  using QFileIconProvider::icon;
  QIcon icon(const QFileInfo& info) const override;
  QString type(const QFileInfo& info) const override;
};
