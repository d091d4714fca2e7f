#pragma once
// Dialogs laid out from their templates in dialog units of the dialog's font: one horizontal unit is a
// quarter of the font's average character width (that of the Latin letters), one vertical unit an
// eighth of its height, both rounded to the nearest pixel. Controls carry their template id as object
// name.
#include <QFont>
#include <QString>
#include <QWidget>
#include <initializer_list>
#include <span>

class QDialog;
class QPushButton;

// The frames of the templates: a caption alone, or a caption with the system menu and close button.
inline constexpr Qt::WindowFlags kTemplateDialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
inline constexpr Qt::WindowFlags kClosableTemplateDialogFlags =
    kTemplateDialogFlags | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// A control's rectangle in a dialog template, in dialog units.
struct DialogRect {
  int x, y, width, height;
};

// "ＭＳ Ｐゴシック" 9 point, the font of every dialog template (fontconfig substitutes when missing).
QFont DialogTemplateFont();

class DialogUnits {
 public:
  // Gives the dialog the template font and a fixed client size of width x height units.
  DialogUnits(QDialog* dialog, int width, int height);

  // Places a control of the dialog from its template rectangle; id 0 leaves it without object name.
  void Place(QWidget* control, int id, int x, int y, int width, int height) const;
  void Place(QWidget* control, int id, const DialogRect& rect) const {
    Place(control, id, rect.x, rect.y, rect.width, rect.height);
  }

 private:
  int X(int units) const;
  int Y(int units) const;

  int alphabet_width_;
  int char_height_;
};

// Lays the dialog out again after every Place call, with the horizontal unit widened for the whole
// dialog alike until each template text fits its rectangle: labels, push, radio and check buttons, group
// box titles and the items of drop-down lists (a substitute face may draw Japanese wider than the
// designed one). Controls whose ids
// are listed show texts filled in at run time and do not count. The client size becomes width x height
// units of the widened unit.
void FitTemplateTexts(QDialog* dialog, int width, int height, std::initializer_list<int> filled_ids = {});

// A group box of a template: its frame line runs through the middle of its title, so the title takes no
// room from the controls inside.
QWidget* CreateTemplateGroupBox(const QString& title, QWidget* dialog);

// A control of a template with its id and (UTF-8) text.
struct ControlTemplate {
  int id;
  const char* text;
  DialogRect rect;
};

// A static text of a template: a label, or the title of a group box.
struct TextTemplate {
  bool group_box;
  const char* text;  // UTF-8
  DialogRect rect;
};
void PlaceTemplateTexts(QDialog* dialog, const DialogUnits& units, std::span<const TextTemplate> texts);

// A push button of a template. Enter presses only the button made default, never the one with focus.
QPushButton* AddTemplateButton(QDialog* dialog, const DialogUnits& units, const QString& text, int id,
                               const DialogRect& rect);

// Tab moves through the controls with these ids in this order, as they follow one another in the layout.
void SetTemplateTabOrder(QDialog* dialog, std::initializer_list<int> ids);

// The control of the dialog with the given template id, or nullptr.
template <class Control>
Control* DialogControl(const QWidget* dialog, int id) {
  return dialog->findChild<Control*>(QString::number(id));
}
