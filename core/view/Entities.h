#pragma once
#include <string>

namespace razo {

class CRazoView;

// The "Get It Now!" button: a link with the program's button image pointing at its home page.
inline constexpr const char* HomePageAddress = "https://razo.example.org/";
inline constexpr const char* HomePageButtonImageAddress = "https://razo.example.org/images/razo-button.gif";
std::string HomePageButtonText();

// One handler per entity of the entity table (each puts its reference before the selection)
// and one for the home-page button.
void RegisterEntityCommands(CRazoView& view);

} // namespace razo
