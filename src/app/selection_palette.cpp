#include "app/selection_palette.h"

#include <QAbstractItemView>
#include <QPalette>

void KeepSelectionShownWhenInactive(QAbstractItemView* view) {
  QPalette palette = view->palette();
  for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
    palette.setBrush(QPalette::Inactive, role, palette.brush(QPalette::Active, role));
  }
  view->setPalette(palette);
}
