#pragma once
// Qt's own Japanese texts (file choosers, colour chooser, standard buttons), whatever the locale, so
// the toolkit's dialogs speak like the rest of the window.
class QCoreApplication;

// Installs qtbase_ja.qm from Qt's translations folder into the application; false when it is missing.
bool LoadToolkitTranslations(QCoreApplication& app);
