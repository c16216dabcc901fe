#pragma once
#include <QString>
#include <QStringList>

#include "core/dialogs/DialogTemplate.h"

class QComboBox;
class QFontMetrics;
class QLabel;
class QWidget;

namespace razo {

class CColourSwatch;

// The widget of one template control, without its label. Widths follow the font: `metrics` is
// the dialog's font.
QWidget* CreateControlWidget(const ControlTemplate& control, const QFontMetrics& metrics);

// Whether a control shows its `text` as a separate label in front of it.
bool HasSeparateLabel(const ControlTemplate& control);

// A sorted list keeps its entries in alphabetical order, letter case ignored, as a sorted
// classic list does; an unsorted one appends.
void AddComboEntry(QComboBox& combo, const QString& text, bool sorted);

// Shows a swatch's colours: "Sample " in the text colour on the back colour.
void PaintSwatch(QLabel& label, const CColourSwatch& swatch);

// Gives every caption without a mnemonic one: the first free letter that starts a word, else
// any free letter. Captions with their own "&" keep it; letters in `taken` are not used.
QStringList AssignMnemonics(const QStringList& captions, QString taken = QString());

// A dialog unit in pixels for the font, horizontally and vertically.
int DialogUnitsToPixelsX(int units, const QFontMetrics& metrics);
int DialogUnitsToPixelsY(int units, const QFontMetrics& metrics);

} // namespace razo
