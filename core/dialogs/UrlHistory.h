#pragma once
#include <string>
#include <vector>

#include "core/dialogs/DialogTemplate.h"

namespace razo {

class Document;
class FieldAccess;
class IniProfile;
class UserPrompts;

// The remembered lists ("URLs", "JavaClasses"): keys "0", "1", ... oldest first, as many as
// "Editing"/"URLNumber" allows.

// The entries of one list, oldest first, up to the first empty position.
std::vector<std::string> LoadUrlHistory(const IniProfile& profile, const std::string& section);
// Adds a value unless it is empty or already there; a full list drops its oldest entry.
void SaveUrlHistory(IniProfile& profile, const std::string& section, const std::string& value);
// Fills every combo box of the template that names a remembered list.
void FillHistoryLists(const DialogTemplate& dialogTemplate, FieldAccess& fields, const IniProfile& profile);
const char* HistorySection(HistoryList list);

// Records `value` in the list (`section` empty means "URLs") and returns it relative to the
// document's folder when it is a local path there, with forward slashes when so set.
std::string MakeRelativePath(const std::string& value, const std::string& section, IniProfile& profile,
                             const Document& document, UserPrompts& prompts);
// The value with backslashes turned into forward slashes when "Editing"/"Unix Slashes" is on.
std::string ToUrlSlashes(const std::string& value, const IniProfile& profile);

// A Browse button: a file-open chooser starting in "Misc"/"Working Dir"; on OK the chosen
// file's full path goes into the field. Cancel leaves the field alone.
void BrowseForFile(FieldAccess& fields, const BrowseSpec& browse, const IniProfile& profile,
                   UserPrompts& prompts);

namespace messages {
inline constexpr const char* UnsavedRelativePath =
    "You must save your document before Razo can generate a relative path.  The pathname now being "
    "returned will be absolute, and you will probably have to alter this path for your page to work "
    "properly.";
} // namespace messages

// File chooser titles and filters of the Browse buttons, in the classic form.
namespace browse {
inline constexpr const char* LinkTitle = "Please specify the file you wish to link to";
inline constexpr const char* CodeBaseTitle = "Please specify the file you wish to use as your code base";
inline constexpr const char* ClassFileTitle = "Please specify the your class file";
// Today's image kinds come first, so a PNG shows without choosing "All files".
inline constexpr const char* ImageFilter =
    "Image files (*.png *.jpg *.jpeg *.gif *.svg *.webp)|*.png; *.jpg; *.jpeg; *.gif; *.svg; *.webp|"
    "JPEG files (*.jpg)|*.jpg|GIF files (*.gif)|*.gif|All files (*.*)|*.*||";
inline constexpr const char* HtmlFilter =
    "All HTML files (*.htm; *.h3m; *.html)|*.htm; *.h3m; *.html|HTM files (*.htm)|*.htm|HTML files "
    "(*.html)|*.html|All files (*.*)|*.*||";
inline constexpr const char* FrameSourceFilter =
    "All HTML files (*.htm; *.h3m; *.html)|*.htm; *.h3m; *.html|HTM files (*.htm)|*.htm|HTML files "
    "(*.html)|*.html|JPEG files (*.jpg)|*.jpg|GIF files (*.gif)|*.gif|All files (*.*)|*.*||";
inline constexpr const char* SoundFilter =
    "Wave files (*.wav)|*.wav|Sun AU files (*.au)|*.au|MIDI files (*.mid)|*.mid|All files (*.*)|*.*||";
inline constexpr const char* VideoFilter = "AVI files (*.avi)|*.avi|All files (*.*)|*.*||";
inline constexpr const char* ClassFilter = "Class files (*.class)|*.class|All files (*.*)|*.*||";
inline constexpr const char* AllFilesFilter = "All files (*.*)|*.*||";
} // namespace browse

} // namespace razo
