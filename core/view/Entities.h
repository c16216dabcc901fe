#pragma once
#include <span>
#include <string>

namespace razo {

class CRazoView;

// A toolbar-only command that puts one character entity before the selection.
struct EntityCommand {
    int id;
    const char* text;
};

// The sixty-eight entity commands in button order: Capital Latin Symbols, Small Latin Symbols,
// then Other Symbols.
std::span<const EntityCommand> EntityCommands();
std::span<const EntityCommand> CapitalLatinEntities();
std::span<const EntityCommand> SmallLatinEntities();
std::span<const EntityCommand> OtherSymbolEntities();

// The "Get It Now!" button: a link with the program's button image pointing at its home page.
inline constexpr int HomePageButtonCommand = 33178;
inline constexpr const char* HomePageAddress = "https://razo.example.org/";
inline constexpr const char* HomePageButtonImageAddress = "https://razo.example.org/images/razo-button.gif";
std::string HomePageButtonText();

// Adds one handler per entity row and the home-page button to the view's command route.
void RegisterEntityCommands(CRazoView& view);

} // namespace razo
