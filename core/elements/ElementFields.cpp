#include "core/elements/ElementFields.h"

#include "core/dialogs/DataExchange.h"

namespace razo {

ControlTemplate Number(int id, std::string label, std::string help) {
    return Edit(id, std::move(label)).Width(30).Help(std::move(help));
}

ControlTemplate Alignment(int id, std::string label, std::vector<std::string> entries, std::string help) {
    return ListCombo(id, std::move(label), std::move(entries)).Sorted().Help(std::move(help));
}

void DDX_RequiredUrl(CDataExchange& dx, int id, std::string& value) {
    DDX_RequiredText(dx, id, value);
    DDV_TextLength(dx, value, MaxUrlChars);
}

void DDX_OptionalUrl(CDataExchange& dx, int id, std::string& value) {
    DDX_CBString(dx, id, value);
    DDV_MaxChars(dx, value, MaxUrlChars);
}

} // namespace razo
