#include "core/dialogs/DataExchange.h"

#include <algorithm>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <optional>

#include "core/dialogs/Colours.h"
#include "core/dialogs/FieldAccess.h"
#include "core/ports/UserPrompts.h"
#include "core/text/MessageText.h"

namespace razo {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The platform's integer reading: blanks, an optional sign, at least one digit, blanks; the
// value must fit an int. Anything else is not a whole number.
std::optional<int> ParseWholeNumber(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    size_t signAt = i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    size_t digitsAt = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    if (i == digitsAt)
        return std::nullopt;
    size_t end = i;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i != text.size())
        return std::nullopt;
    std::string number = text.substr(signAt, end - signAt);
    errno = 0;
    long value = std::strtol(number.c_str(), nullptr, 10);
    if (errno == ERANGE || value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

// Exchanges a number held as text: refuses what is not a whole number or is negative.
void ExchangeNumberText(CDataExchange& dx, int id, std::string& value, const char* negativeMessage) {
    int number = 0;
    DDX_Text(dx, id, number);
    if (dx.Failed())
        return;
    value = std::to_string(number);
    if (number < 0)
        dx.Refuse(id, negativeMessage);
}

// Fields hold UTF-8: a character is every byte but the continuation bytes.
long CharacterCount(const std::string& utf8) {
    return static_cast<long>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace

void CDataExchange::PrepareCtrl(int id) {
    m_idLastControl = id;
    m_bLastControlDisabled = id > 0 && !m_fields.IsEnabled(id);
}

void CDataExchange::Fail() {
    m_bFailed = true;
    m_fields.MarkReturnControl(m_idLastControl);
}

void CDataExchange::Refuse(int id, const std::string& message, MessageIcon icon) {
    PrepareCtrl(id);
    m_prompts.Message(message, icon);
    Fail();
}

void DDX_Text(CDataExchange& dx, int id, std::string& value) {
    if (dx.Failed())
        return;
    dx.PrepareEditCtrl(id);
    if (dx.SkipsLastControl())
        value.clear();
    else if (dx.m_bSaveAndValidate)
        value = dx.Fields().GetText(id);
    else
        dx.Fields().SetText(id, value);
}

void DDX_Text(CDataExchange& dx, int id, int& value) {
    if (dx.Failed())
        return;
    dx.PrepareEditCtrl(id);
    if (dx.SkipsLastControl()) {
        value = 0;
        return;
    }
    if (!dx.m_bSaveAndValidate) {
        dx.Fields().SetText(id, std::to_string(value));
        return;
    }
    auto number = ParseWholeNumber(dx.Fields().GetText(id));
    if (!number) {
        dx.Refuse(id, messages::NotWholeNumber);
        return;
    }
    value = *number;
}

void DDX_CBString(CDataExchange& dx, int id, std::string& value) {
    // A combo box's text goes both ways as an edit's does.
    DDX_Text(dx, id, value);
}

void DDX_CBIndex(CDataExchange& dx, int id, int& index) {
    if (dx.Failed())
        return;
    dx.PrepareCtrl(id);
    if (dx.SkipsLastControl())
        index = -1;
    else if (dx.m_bSaveAndValidate)
        index = dx.Fields().GetListIndex(id);
    else
        dx.Fields().SetListIndex(id, index);
}

void DDX_Check(CDataExchange& dx, int id, int& value) {
    if (dx.Failed())
        return;
    dx.PrepareCtrl(id);
    if (dx.SkipsLastControl())
        value = 0;
    else if (dx.m_bSaveAndValidate)
        value = dx.Fields().GetCheck(id);
    else
        dx.Fields().SetCheck(id, value);
}

void DDX_Radio(CDataExchange& dx, int firstId, int& value) {
    if (dx.Failed())
        return;
    dx.PrepareCtrl(firstId);
    if (dx.SkipsLastControl())
        value = -1;
    else if (dx.m_bSaveAndValidate)
        value = dx.Fields().GetRadioIndex(firstId);
    else
        dx.Fields().SetRadioIndex(firstId, value);
}

void DDV_MaxChars(CDataExchange& dx, const std::string& value, int maxChars) {
    if (!dx.Saving() || dx.SkipsLastControl() || CharacterCount(value) <= maxChars)
        return;
    dx.Refuse(dx.LastControl(), FillMessage(messages::TooManyChars, {std::to_string(maxChars)}));
}

void DDV_MinMaxInt(CDataExchange& dx, int value, int minValue, int maxValue) {
    if (!dx.Saving() || dx.SkipsLastControl() || (value >= minValue && value <= maxValue))
        return;
    std::string text = "Please enter an integer between " + std::to_string(minValue) + " and " +
                       std::to_string(maxValue) + ".";
    dx.Refuse(dx.LastControl(), text);
}

namespace {

// Prepares the control of a saving routine; true when the routine should go on (saving, nothing
// failed, the control enabled). A disabled control's member is emptied. When the dialog opens, a
// value the member already holds (read from a tag of the page) goes into the control.
bool PrepareSave(CDataExchange& dx, int id, std::string& value) {
    if (!dx.m_bSaveAndValidate && !dx.Failed() && !value.empty())
        dx.Fields().SetText(id, value);
    if (!dx.Saving())
        return false;
    dx.PrepareEditCtrl(id);
    if (!dx.SkipsLastControl())
        return true;
    value.clear();
    return false;
}

} // namespace

void DDX_RequiredNumber(CDataExchange& dx, int id, std::string& value) {
    if (!PrepareSave(dx, id, value))
        return;
    ExchangeNumberText(dx, id, value, messages::MustOnlyEnterNumerals);
}

void DDX_OptionalNumber(CDataExchange& dx, int id, std::string& value) {
    if (!PrepareSave(dx, id, value))
        return;
    if (dx.Fields().GetText(id).empty()) {
        value.clear();
        return;
    }
    ExchangeNumberText(dx, id, value, messages::CanOnlyEnterNumerals);
}

void DDV_NumberRange(CDataExchange& dx, std::string value, int minValue, int maxValue) {
    DDV_MinMaxInt(dx, std::atoi(value.c_str()), minValue, maxValue);
}

void DDV_OptionalNumberRange(CDataExchange& dx, std::string value, int minValue, int maxValue) {
    if (!value.empty())
        DDV_NumberRange(dx, std::move(value), minValue, maxValue);
}

void DDX_RequiredText(CDataExchange& dx, int id, std::string& value) {
    if (!PrepareSave(dx, id, value))
        return;
    std::string text = dx.Fields().GetText(id);
    if (text.empty()) {
        dx.Refuse(id, messages::MustEnterValue);
        return;
    }
    value = std::move(text);
}

void DDV_TextLength(CDataExchange& dx, std::string value, int maxLength) {
    if (!dx.Saving() || dx.SkipsLastControl() || CharacterCount(value) <= maxLength)
        return;
    dx.Refuse(dx.LastControl(), FillMessage(messages::TextTooLong, {std::to_string(maxLength)}));
}

void DDX_ColourNumber(CDataExchange& dx, int id, std::string& value) {
    if (!PrepareSave(dx, id, value))
        return;
    std::string text = dx.Fields().GetText(id);
    if (!text.empty() && !IsColourNumber(text)) {
        dx.Refuse(id, messages::InvalidColourNumber);
        return;
    }
    value = std::move(text);
}

} // namespace razo
