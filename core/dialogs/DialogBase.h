#pragma once
#include "core/dialogs/Dialog.h"
#include "core/dialogs/ExpandDialog.h"

namespace razo {

class IniProfile;

// The setup every dialog class shares, written once. `Derived` names its IDD and makes its
// template in `static DialogTemplate MakeTemplate()`; TemplateData() makes it the first time it
// is asked for and hands out that one copy, and the constructors pass it to `Base` (CDialog,
// CExpandDialog, or a dialog class another one derives from):
//     class CAnchorDialog : public DialogBase<CAnchorDialog> { public: enum { IDD = 183 }; ... };
//     class CHeadingDialog : public DialogBase<CHeadingDialog, CExpandDialog> {
//         public: using DialogBase::DialogBase; ... };  // constructed with the profile
template <class Derived, class Base = CDialog> class DialogBase : public Base {
public:
    static const DialogTemplate& TemplateData() {
        static const DialogTemplate made = Derived::MakeTemplate();
        return made;
    }

    DialogBase() : Base(TemplateData()) {}
    // An expandable dialog keeps its layout choice in the profile.
    explicit DialogBase(IniProfile& profile) requires std::is_base_of_v<CExpandDialog, Base>
        : Base(TemplateData(), profile) {}

protected:
    // For a dialog class derived from `Derived` that shows a template of its own.
    explicit DialogBase(const DialogTemplate& shown) : Base(shown) {}
};

} // namespace razo
