#pragma once
#include <string>
#include <vector>

#include "core/dialogs/DialogBase.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementServices.h"

namespace razo {

class ElementRegistry;

// The controls of the font dialogs.
namespace fonts {
enum Control : int {
    IdSize = 1104,
    IdSizeType = 1045,
    IdColourName = 1230,
    IdColourNumber = 1043,
    IdColourSelect = 1232,
    IdColourSample = 1046,
    IdFaces = 1198,
    IdFaceList = 1200,
    IdBaseSize = 1145,
};

// Entries of the size type list, by index.
enum SizeType : int { NoSizeType = -1, Absolute = 0, RelativePlus = 1, RelativeMinus = 2 };

// The faces offered for FACE: fonts the page's readers are likely to have, under group headings
// that begin with "--". Fixed, since FACE names fonts on the readers' machines, not this one.
const std::vector<std::string>& FaceListEntries();
} // namespace fonts

// What the three FONT dialogs share: size, size type and colour.
class CFontDialogBase : public CDialog {
public:
    using CDialog::CDialog;

    std::string m_strSize;
    int m_nSizeType = fonts::NoSizeType;
    std::string m_strColourName;
    std::string m_strColourNumber;
};

class CFontSizeDialog : public DialogBase<CFontSizeDialog, CFontDialogBase> {
public:
    enum { IDD = 234 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CFontSizeDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;
};

class CFontNetscapeDialog : public DialogBase<CFontNetscapeDialog, CFontDialogBase> {
public:
    enum { IDD = 162 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CFontNetscapeDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;
};

class CFontMicrosoftDialog : public DialogBase<CFontMicrosoftDialog, CFontDialogBase> {
public:
    enum { IDD = 222 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CFontMicrosoftDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;
    // A face chosen in the face list is appended to the faces field.
    void OnFieldChanged(int id, DialogHost& host) override;

    std::string m_strFaces;
};

class CBaseFontDialog : public DialogBase<CBaseFontDialog> {
public:
    enum { IDD = 190 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CBaseFontDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strSize;
};

// The faces field after `face` was chosen in the face list: unchanged for a heading or "(None)".
std::string AppendFace(const std::string& faces, const std::string& face);

TagPair BuildFont(const CFontSizeDialog& dialog);
TagPair BuildFont(const CFontNetscapeDialog& dialog);
TagPair BuildFontMicrosoft(const CFontMicrosoftDialog& dialog);
TagPair BuildBaseFont(const CBaseFontDialog& dialog);

// FONT in the HTML 3.2, Netscape and Microsoft sets, and BASEFONT.
void RegisterFontFamily(ElementRegistry& registry);

} // namespace razo
