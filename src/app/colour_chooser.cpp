#include "app/colour_chooser.h"

#include <QColorDialog>
#include <QFrame>

#include "app/dialog_units.h"
#include "app/qt_color.h"

namespace {

ColorChooserHandler& TestHandler() {
  static ColorChooserHandler handler;
  return handler;
}

// QColorDialog keeps one set of custom colours for the whole application; each dialog lends it its own.
std::optional<uint32_t> RunColorDialog(QWidget* owner, uint32_t start, CustomColors& custom) {
  for (int i = 0; i < static_cast<int>(custom.size()); ++i)
    QColorDialog::setCustomColor(i, ToQColor(custom[i]));
  const QColor chosen = QColorDialog::getColor(ToQColor(start), owner);
  for (int i = 0; i < static_cast<int>(custom.size()); ++i)
    custom[i] = ToColorReference(QColorDialog::customColor(i));
  if (!chosen.isValid()) return std::nullopt;
  return ToColorReference(chosen);
}

}  // namespace

uint32_t ChooseColor(QWidget* owner, ColorChooserOwner which, uint32_t current) {
  CustomColors& custom = CustomColorsOf(which);
  const uint32_t start = LastChosenColor();
  if (TestHandler()) return TakeChooserResult(TestHandler()(start, custom), current);
  return TakeChooserResult(RunColorDialog(owner, start, custom), current);
}

void SetColorChooserForTesting(ColorChooserHandler handler) {
  TestHandler() = std::move(handler);
}

QFrame* CreateColourSwatch(QWidget* dialog) {
  auto* swatch = new QFrame(dialog);
  swatch->setFrameShape(QFrame::Box);
  swatch->setAutoFillBackground(true);
  return swatch;
}

void PaintColourSwatch(QWidget* dialog, int id, uint32_t color_reference) {
  QFrame* swatch = DialogControl<QFrame>(dialog, id);
  if (!swatch) return;
  QPalette palette = swatch->palette();
  palette.setColor(QPalette::Window, ToQColor(color_reference));
  swatch->setPalette(palette);
}
