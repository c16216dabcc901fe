#include "resources/Toolbars.h"

#include <algorithm>

namespace razo {

namespace {

constexpr int kSep = ToolbarSeparator;

} // namespace

std::span<const ToolbarInfo> Toolbars() {
    static const ToolbarInfo bars[] = {
        {"m_wndStandardBar",
         "Standard",
         33073,
         128,
         {57600, 57601, 57603, 57607, kSep, 32870, 32968, 32916, kSep, 57635, 57634, 57637, kSep, 57643,
          32914, kSep, 57664, 57669}},
        {"m_wndHeadingBar", "Heading Elements", 33074, 254, {32809, 32810, 32811, 32812, 32813, 32814}},
        {"m_wndCapitalBar", "Capital Latin Symbols", 33075, 260, {32999, 32993, 32995, 32994, 32997, 32996,
                                                                  32998, 33000, 33001, 33002, 33003, 33004,
                                                                  33005, 33033, 33007, 33008, 33009, 33010,
                                                                  33011, 33012, 33013, 33014, 33015, 33016,
                                                                  33017, 33018, 33019, 33020, 33021, 33022}},
        {"m_wndSmallBar", "Small Latin Symbols", 33076, 261, {33040, 33037, 33038, 33039, 33041, 33042, 33043,
                                                              33044, 33069, 33045, 33046, 33047, 33048, 33049,
                                                              33050, 33051, 33052, 33053, 33054, 33055, 33056,
                                                              33057, 33058, 33059, 33060, 33061, 33062, 33063,
                                                              33064, 33065, 33066, 33070}},
        {"m_wndOtherBar", "Other Symbols", 33084, 262, {33078, 33079, 33080, 33081, 33082, 33083}},
        {"m_wndFontBar",
         "Font Elements",
         33098,
         264,
         {32774, 32775, 32776, 32852, 32853, 32854, 32855, 32856, 32857, 32969}},
        {"m_wndPhraseBar",
         "Phrase Elements",
         33177,
         286,
         {32782, 32779, 32780, 32777, 32778, 32781, 32783, 32844}},
        {"m_wndListBar", "List Elements", 33106, 266, {32786, 32785, 32784, kSep, 32789, 32790, 32872}},
        {"m_wndStructureBar",
         "Structure Elements",
         33119,
         268,
         {32909, kSep, 32897, kSep, 32794, kSep, 32799, 32802, 32804, 32805, 32800, 32801, 32834, 32901}},
        {"m_wndLinkBar",
         "Link/Image Elements",
         33130,
         272,
         {32911, 32910, kSep, 32806, 32941, 32949, kSep, 32915, kSep, 33178}},
        {"m_wndFormBar", "Form Elements", 33137, 276, {32874, 32875, 32876, 32877, 32878}},
        {"m_wndTableBar", "Table Elements", 33168, 280, {32879, 32881, 32882, 32883}},
        {"m_wndJavaBar", "Java Elements", 33169, 282, {32960, 32961}},
        {"m_wndNetscapeBar",
         "Netscape Elements",
         33170,
         284,
         {32841, 32935, kSep, 32895, 32896, 32937, kSep, 32936, kSep, 32817, 32818, kSep, 32835, 32941, 32942,
          kSep, 32932, 32933, 32934}},
        {"m_wndMicrosoftBar",
         "Microsoft Elements",
         33171,
         285,
         {32919, kSep, 32921, 32922, 32923, 32924, kSep, 32951, 32818, kSep, 32927, 32925, 32926}},
    };
    return bars;
}

const ToolbarInfo* FindToolbar(int controlId) {
    auto bars = Toolbars();
    auto it = std::find_if(bars.begin(), bars.end(),
                           [&](const ToolbarInfo& bar) { return bar.controlId == controlId; });
    return it == bars.end() ? nullptr : &*it;
}

std::span<const ToolbarPlacement> DefaultToolbarLayout() {
    // Docking Netscape and Microsoft first on the bottom and then each symbol toolbar on a row of
    // its own leaves Netscape/Microsoft next to the edit area and the Small symbols lowest.
    static constexpr ToolbarPlacement layout[] = {
        {33073, DockSide::Top, 0, true},     {33074, DockSide::Top, 0, true},
        {33098, DockSide::Top, 1, true},     {33106, DockSide::Top, 1, true},
        {33130, DockSide::Top, 1, true},     {33177, DockSide::Top, 2, true},
        {33137, DockSide::Top, 2, true},     {33168, DockSide::Top, 2, true},
        {33169, DockSide::Top, 2, true},     {33119, DockSide::Left, 0, true},
        {33076, DockSide::Bottom, 0, false}, {33084, DockSide::Bottom, 1, false},
        {33075, DockSide::Bottom, 2, false}, {33170, DockSide::Bottom, 3, true},
        {33171, DockSide::Bottom, 3, true},
    };
    return layout;
}

} // namespace razo
