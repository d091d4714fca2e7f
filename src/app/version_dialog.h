#pragma once
// The version dialog VERDIAG: the product name and version, and a button that opens the help page.
#include <QDialog>

// The values of the template.
enum VersionControl : int {
  kVersionOk = 1,
  kVersionSupportPage = 1050,
};

class VersionDialog : public QDialog {
  Q_OBJECT
 public:
  explicit VersionDialog(QWidget* owner);

 protected:
  // Only OK closes the dialog; Esc does nothing.
  void reject() override {}
};

// Opens VERDIAG modally over the main window.
void ShowVersionDialog();
