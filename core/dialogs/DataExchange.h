#pragma once
#include <string>

#include "core/ports/UserPrompts.h"

namespace razo {

class FieldAccess;

// The data-exchange context of one pass over a dialog's fields: load (members to controls, when
// the dialog opens) or save (controls to members, when OK is pressed). A routine that refuses a
// value marks its control, tells the user and calls Fail(); every later routine of the same pass
// then does nothing, so the user sees one message per press of OK. A control the dialog disabled
// is not checked when saving: its member gets the empty value, and the checks that follow its
// exchange (DDV_*) pass, since the user cannot edit what they would refuse.
class CDataExchange {
public:
    CDataExchange(bool saveAndValidate, FieldAccess& fields, UserPrompts& prompts)
        : m_bSaveAndValidate(saveAndValidate), m_fields(fields), m_prompts(prompts) {}

    bool m_bSaveAndValidate;

    FieldAccess& Fields() { return m_fields; }
    UserPrompts& Prompts() { return m_prompts; }

    // Remembers `id` as the control an exchange is working on (the classic PrepareCtrl).
    void PrepareCtrl(int id);
    void PrepareEditCtrl(int id) { PrepareCtrl(id); }
    int LastControl() const { return m_idLastControl; }
    // True while saving and the last prepared control is disabled: its exchange stores the
    // empty value and the checks after it pass.
    bool SkipsLastControl() const { return m_bSaveAndValidate && m_bLastControlDisabled; }

    // Ends the pass: marks the last prepared control as the one to return to.
    void Fail();
    bool Failed() const { return m_bFailed; }
    // The control the user goes back to after a failure; 0 when none was prepared.
    int ReturnControl() const { return m_bFailed ? m_idLastControl : 0; }
    // True when the routines should act: saving and nothing failed yet.
    bool Saving() const { return m_bSaveAndValidate && !m_bFailed; }

    // For a dialog's own cross-field checks: the message (with an exclamation icon unless told
    // otherwise), then Fail on `id`.
    void Refuse(int id, const std::string& message, MessageIcon icon = MessageIcon::Exclamation);

private:
    FieldAccess& m_fields;
    UserPrompts& m_prompts;
    int m_idLastControl = 0;
    bool m_bLastControlDisabled = false;
    bool m_bFailed = false;
};

// The classic exchange routines. Each prepares its control, then loads or saves.
void DDX_Text(CDataExchange& dx, int id, std::string& value);
// Refuses text that is not a whole number.
void DDX_Text(CDataExchange& dx, int id, int& value);
void DDX_CBString(CDataExchange& dx, int id, std::string& value);
void DDX_CBIndex(CDataExchange& dx, int id, int& index);
void DDX_Check(CDataExchange& dx, int id, int& value);
// `firstId` is the first radio button of the group; -1 for none ticked.
void DDX_Radio(CDataExchange& dx, int firstId, int& value);
void DDV_MaxChars(CDataExchange& dx, const std::string& value, int maxChars);
void DDV_MinMaxInt(CDataExchange& dx, int value, int minValue, int maxValue);

// The dialogs' own routines for numbers kept as text, required text and colour numbers.
void DDX_RequiredNumber(CDataExchange& dx, int id, std::string& value);
void DDX_OptionalNumber(CDataExchange& dx, int id, std::string& value);
void DDV_NumberRange(CDataExchange& dx, std::string value, int minValue, int maxValue);
void DDV_OptionalNumberRange(CDataExchange& dx, std::string value, int minValue, int maxValue);
void DDX_RequiredText(CDataExchange& dx, int id, std::string& value);
void DDV_TextLength(CDataExchange& dx, std::string value, int maxLength);
void DDX_ColourNumber(CDataExchange& dx, int id, std::string& value);

namespace messages {
inline constexpr const char* NotWholeNumber = "Please enter a whole number.";
inline constexpr const char* MustOnlyEnterNumerals = "You must only enter numerals.";
inline constexpr const char* CanOnlyEnterNumerals = "You can only enter numerals.";
inline constexpr const char* MustEnterValue = "You must enter a value.";
inline constexpr const char* TextTooLong =
    "Please enter a non-empty string containing %1 characters at the most.";
inline constexpr const char* TooManyChars = "Please enter no more than %1 characters.";
inline constexpr const char* InvalidColourNumber = "This is not a valid colour number.";
} // namespace messages

} // namespace razo
