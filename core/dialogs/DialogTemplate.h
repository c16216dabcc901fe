#pragma once
#include <optional>
#include <string>
#include <vector>

namespace razo {

// Declarative dialog templates: what a dialog shows, written once as data. The GUI's one renderer
// turns any template into a window; core tests read the same data.
//
// How a renderer shows a template
// -------------------------------
// * Buttons are implied, never listed: OK (IdOk, default, Enter), Cancel (IdCancel, Escape) and
//   "&Help" (IdHelp), in a row at the top (ButtonPlacement::TopRow) or in a column at the right
//   (ButtonPlacement::RightColumn). An expandable template adds the layout toggle (IdToggle) at
//   the right end of the button row; its caption comes from CExpandDialog::ToggleCaption().
//   The divider (IdDivider) is not a visible control: the boundary between the short and the
//   expanded part is each control's `part`.
// * `controls` are in tab order. Each control starts a new row unless `besidePrevious` is set,
//   in which case it goes to the right of the previous control on the same row. A field's label
//   is its own `text` and goes in front of it on its row (a label column, then the field, then
//   whatever sits beside it: a Browse button, an "in percentage" check box, a colour field's
//   number edit, Select button and swatch). Check boxes, radio buttons and push buttons show
//   `text` as their caption; a check box with `textOnLeft` puts its caption left of the box.
//   A Label is free static text (word-wrapped) with no field.
// * A GroupBox encloses the `span` controls that follow it; lay them out inside a framed box
//   with `text` as its title, with the same row rules.
// * Radio buttons: a button with `groupStart` starts a new group; the following radio buttons
//   up to the next `groupStart` (or the next non-radio control) belong to it. The group's index
//   is exchanged through the first button's id.
// * ListCombo is a drop-down list (pick only), EditableCombo a drop-down combo (the user can
//   type). `entries` fill the list in the given order; `sorted` means the list shows its
//   entries in alphabetical order (also the entries added later, e.g. from the URL history).
//   Every list opens with no entry selected and editable parts start empty.
// * `history` names the remembered list that fills a URL combo box. The runner fills it right
//   after the dialog's OnInitDialog (FillHistoryLists in core/dialogs/UrlHistory.h); the renderer
//   keeps it sorted.
// * A PushButton with `browse` is a Browse button: on click the renderer calls BrowseForFile
//   (core/dialogs/UrlHistory.h) with it.
// * Colour fields (`colourFields`): the name list, number edit, Select button and swatches are
//   ordinary controls in `controls`; the entry here says how they work together. The renderer
//   keeps one ColourFieldGroup (core/dialogs/Colours.h) per dialog, forwards name-list selection
//   changes, number edits and Select clicks to it and repaints the swatches it names.
// * Every other change or click is forwarded to CDialog::OnFieldChanged.
// * A control marked `disabled` opens disabled, with its label; the dialog's handlers enable it
//   (FieldAccess::EnableControl).
// * Expandable templates: controls with LayoutPart::Expanded are hidden and disabled in the
//   short layout; the window takes the height of the short part. Toggling twice must give
//   back exactly the first size (measure the full size once per showing).
// * `width`/`height` are the classic template's size in dialog units (a hint: a dialog unit is
//   about a quarter of the average character width horizontally and an eighth of the font
//   height vertically). Renderers may grow a dialog so that nothing is clipped and URL fields
//   are wide enough; `widthHint` (dialog units, 0 = renderer decides) does the same per field.

inline constexpr int IdOk = 1;
inline constexpr int IdCancel = 2;
inline constexpr int IdHelp = 3;
inline constexpr int IdToggle = 4;
inline constexpr int IdDivider = 1015;
inline constexpr int IdStatic = -1; // labels and group boxes that no code refers to

enum class ControlKind {
    Label,         // static text
    Edit,          // single-line edit with automatic horizontal scroll
    EditableCombo, // drop-down combo box
    ListCombo,     // drop-down list
    CheckBox,      // automatic check box
    RadioButton,   // automatic radio button
    GroupBox,
    PushButton, // Browse, Select, and dialog-specific buttons
    ColourSwatch,
};

enum class LayoutPart { Short, Expanded };

// Which remembered list fills a URL combo box.
enum class HistoryList { None, Urls, JavaClasses };

enum class ButtonPlacement { TopRow, RightColumn };

// A Browse button: opens a file chooser and puts the full path into `fieldId`.
struct BrowseSpec {
    int fieldId = 0;
    std::string title;
    std::string filter; // classic form: "description|pattern|...||" (see FileFilter.h)
};

struct ControlTemplate {
    ControlKind kind = ControlKind::Label;
    int id = IdStatic;
    std::string text; // caption, or the label in front of a field
    std::vector<std::string> entries;
    bool sorted = false;
    bool textOnLeft = false; // check boxes
    bool groupStart = false; // radio buttons
    bool disabled = false;   // disabled when the dialog opens, until the dialog enables it
    HistoryList history = HistoryList::None;
    LayoutPart part = LayoutPart::Short;
    bool besidePrevious = false;
    int span = 0;      // group boxes: how many following controls the box encloses
    int widthHint = 0; // dialog units, 0 = renderer decides
    std::optional<BrowseSpec> browse;
    std::string help; // what the field is for, for the generated help page

    // Modifiers, so that templates read as one line per control.
    ControlTemplate Sorted() const;
    ControlTemplate Expanded() const;
    ControlTemplate Beside() const;
    ControlTemplate TextOnLeft() const;
    ControlTemplate GroupStart() const;
    ControlTemplate Disabled() const;
    ControlTemplate Width(int dialogUnits) const;
    ControlTemplate Help(std::string what) const;
};

ControlTemplate Label(std::string text);
ControlTemplate Edit(int id, std::string label);
ControlTemplate ListCombo(int id, std::string label, std::vector<std::string> entries);
ControlTemplate EditableCombo(int id, std::string label, std::vector<std::string> entries = {});
// An editable combo box filled from a remembered list, shown sorted.
ControlTemplate UrlCombo(int id, std::string label, HistoryList list = HistoryList::Urls);
ControlTemplate CheckBox(int id, std::string text);
ControlTemplate RadioButton(int id, std::string text);
ControlTemplate GroupBox(std::string title, int span);
ControlTemplate PushButton(int id, std::string text);
// A "Browse..." button beside the field it fills.
ControlTemplate BrowseButton(int id, int fieldId, std::string title, std::string filter);
ControlTemplate Swatch(int id);

// How a colour field's chosen colour reaches the swatches.
enum class ColourRole {
    Text,       // swatches[0] gets SetTextColour
    Background, // every swatch listed gets SetBackColour
};
enum class ColourNames { Html32, Extended };

struct ColourFieldSpec {
    std::string attribute; // "BGCOLOR", "TEXT", ...
    std::string label;
    int nameListId = 0;
    int numberId = 0;
    int selectId = 0;
    std::vector<int> swatchIds; // the field's own swatch first
    ColourRole role = ColourRole::Text;
    ColourNames names = ColourNames::Html32;
};

struct DialogTemplate {
    int idd = 0;
    std::string title;
    int width = 0; // dialog units
    int height = 0;
    bool expandable = false; // divider IdDivider, toggle IdToggle
    ButtonPlacement buttons = ButtonPlacement::TopRow;
    std::vector<ControlTemplate> controls;
    std::vector<ColourFieldSpec> colourFields;
    std::string inserts; // one or two sentences on what the dialog inserts, for its help page
    // For a dialog that inserts nothing (settings, a sub-dialog that fills in a field of its
    // parent): what OK does, for its help page. Empty for element dialogs.
    std::string confirms;

    const ControlTemplate* Find(int id) const;
    // The ids of the radio buttons of the group that starts with `firstId`, in order.
    std::vector<int> RadioGroupIds(int firstId) const;
    // The help context of the dialog's Help button.
    int HelpContext() const { return 0x20000 + idd; }
};

// A template with the usual top row of buttons, in one expression.
DialogTemplate MakeDialogTemplate(int idd, std::string title, int width, int height, bool expandable,
                                  std::string inserts, std::vector<ControlTemplate> controls);

} // namespace razo
