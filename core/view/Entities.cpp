#include "view/Entities.h"

#include <array>

#include "view/RazoView.h"

namespace razo {
namespace {

// Letters are numeric references to their Latin-1 code; the ids are not in code order.
constexpr std::array<EntityCommand, 68> kEntities{{
    // Capital Latin Symbols
    {32999, "&#198;"},
    {32993, "&#193;"},
    {32995, "&#194;"},
    {32994, "&#192;"},
    {32997, "&#197;"},
    {32996, "&#195;"},
    {32998, "&#196;"},
    {33000, "&#199;"},
    {33001, "&#208;"},
    {33002, "&#201;"},
    {33003, "&#202;"},
    {33004, "&#200;"},
    {33005, "&#203;"},
    {33033, "&#205;"},
    {33007, "&#206;"},
    {33008, "&#204;"},
    {33009, "&#207;"},
    {33010, "&#209;"},
    {33011, "&#211;"},
    {33012, "&#212;"},
    {33013, "&#210;"},
    {33014, "&#216;"},
    {33015, "&#213;"},
    {33016, "&#214;"},
    {33017, "&#222;"},
    {33018, "&#218;"},
    {33019, "&#219;"},
    {33020, "&#217;"},
    {33021, "&#220;"},
    {33022, "&#221;"},
    // Small Latin Symbols
    {33040, "&#230;"},
    {33037, "&#225;"},
    {33038, "&#226;"},
    {33039, "&#224;"},
    {33041, "&#229;"},
    {33042, "&#227;"},
    {33043, "&#228;"},
    {33044, "&#231;"},
    {33069, "&#240;"},
    {33045, "&#233;"},
    {33046, "&#234;"},
    {33047, "&#232;"},
    {33048, "&#235;"},
    {33049, "&#237;"},
    {33050, "&#238;"},
    {33051, "&#236;"},
    {33052, "&#239;"},
    {33053, "&#241;"},
    {33054, "&#243;"},
    {33055, "&#244;"},
    {33056, "&#242;"},
    {33057, "&#248;"},
    {33058, "&#245;"},
    {33059, "&#246;"},
    {33060, "&#223;"},
    {33061, "&#254;"},
    {33062, "&#250;"},
    {33063, "&#251;"},
    {33064, "&#249;"},
    {33065, "&#252;"},
    {33066, "&#253;"},
    {33070, "&#255;"},
    // Other Symbols
    {33078, "&#169;"},
    {33079, "&#174;"},
    {33080, "&amp;"},
    {33081, "&quot;"},
    {33082, "&lt;"},
    {33083, "&gt;"},
}};

constexpr std::size_t kCapitalCount = 30;
constexpr std::size_t kSmallCount = 32;

} // namespace

std::span<const EntityCommand> EntityCommands() {
    return kEntities;
}

std::span<const EntityCommand> CapitalLatinEntities() {
    return EntityCommands().subspan(0, kCapitalCount);
}

std::span<const EntityCommand> SmallLatinEntities() {
    return EntityCommands().subspan(kCapitalCount, kSmallCount);
}

std::span<const EntityCommand> OtherSymbolEntities() {
    return EntityCommands().subspan(kCapitalCount + kSmallCount);
}

std::string HomePageButtonText() {
    return std::string("<A HREF=\"") + HomePageAddress + "\"><IMG SRC=\"" + HomePageButtonImageAddress +
           "\" ALT=\"Razo 32-bit HTML editor home page\" WIDTH=96 HEIGHT=31></A>\r\n";
}

void RegisterEntityCommands(CRazoView& view) {
    for (const EntityCommand& entity : EntityCommands()) {
        const std::string text = entity.text;
        view.Target().OnCommand(entity.id, [&view, text] { view.InsertTagPair(text, "", false); });
    }
    view.Target().OnCommand(HomePageButtonCommand,
                            [&view] { view.InsertTagPair(HomePageButtonText(), "", false); });
}

} // namespace razo
