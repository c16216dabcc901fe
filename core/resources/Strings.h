#pragma once

namespace razo::strings {

inline constexpr const char* AppTitle = "Razo"; // application and main frame title
inline constexpr const char* AboutTitle = "About Razo";
inline constexpr const char* IdleMessage = "For Help, press F1";
inline constexpr const char* LnColFormat = "Ln %d, Col %d";
inline constexpr const char* LnColWidthText = "Ln        , Col       ";
inline constexpr const char* ContextHelpPrompt = "Select an object on which to get Help";
inline constexpr const char* CapsIndicator = "CAP";
inline constexpr const char* NumIndicator = "NUM";
inline constexpr const char* ScrollIndicator = "SCRL";

} // namespace razo::strings
