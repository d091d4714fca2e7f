#pragma once
#include <QWidget>

#include "app/dialog_units.h"

// The id of the control Tab moves to from the dialog's control with the given id.
inline int NextByTab(const QWidget& dialog, int id) {
  QWidget* next = DialogControl<QWidget>(&dialog, id)->nextInFocusChain();
  while (!(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
  return next->objectName().toInt();
}
