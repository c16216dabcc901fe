#include "core/resources/EntityTable.h"

#include "core/resources/CommandIds.h"

namespace razo {

namespace {

// Letters are numeric references to their Latin-1 code; the ids are not in code order. The
// prompts keep their historical spelling ("dipthong", "cedila").
constexpr EntityInfo kEntities[] = {
    // Capital Latin Symbols: a prompt each, no tooltip
    {cmd::CapitalAElig, "AElig", "&#198;", "Capital A, dipthong", SymbolBar::Capital},
    {cmd::CapitalAacute, "Aacute", "&#193;", "Capital A, acute accent", SymbolBar::Capital},
    {cmd::CapitalAcirc, "Acirc", "&#194;", "Capital A, circumflex accent", SymbolBar::Capital},
    {cmd::CapitalAgrave, "Agrave", "&#192;", "Capital A, grave accent", SymbolBar::Capital},
    {cmd::CapitalAring, "Aring", "&#197;", "Capital A, ring", SymbolBar::Capital},
    {cmd::CapitalAtilde, "Atilde", "&#195;", "Capital A, tilde", SymbolBar::Capital},
    {cmd::CapitalAuml, "Auml", "&#196;", "Capital A, umlaut mark", SymbolBar::Capital},
    {cmd::CapitalCcedil, "Ccedil", "&#199;", "Capital C, cedila", SymbolBar::Capital},
    {cmd::CapitalEth, "ETH", "&#208;", "Capital Eth, Icelandic", SymbolBar::Capital},
    {cmd::CapitalEacute, "Eacute", "&#201;", "Capital E, acute accent", SymbolBar::Capital},
    {cmd::CapitalEcirc, "Ecirc", "&#202;", "Capital E, circumflex accent", SymbolBar::Capital},
    {cmd::CapitalEgrave, "Egrave", "&#200;", "Capital E, grave accent", SymbolBar::Capital},
    {cmd::CapitalEuml, "Euml", "&#203;", "Capital E, umlaut mark", SymbolBar::Capital},
    {cmd::CapitalIacute, "Iacute", "&#205;", "Capital I, acute accent", SymbolBar::Capital},
    {cmd::CapitalIcirc, "Icirc", "&#206;", "Capital I, circumflex accent", SymbolBar::Capital},
    {cmd::CapitalIgrave, "Igrave", "&#204;", "Capital I, grave accent", SymbolBar::Capital},
    {cmd::CapitalIuml, "Iuml", "&#207;", "Capital I, umlaut mark", SymbolBar::Capital},
    {cmd::CapitalNtilde, "Ntilde", "&#209;", "Capital N, tilde", SymbolBar::Capital},
    {cmd::CapitalOacute, "Oacute", "&#211;", "Capital O, acute accent", SymbolBar::Capital},
    {cmd::CapitalOcirc, "Ocirc", "&#212;", "Capital O, circumflex accent", SymbolBar::Capital},
    {cmd::CapitalOgrave, "Ograve", "&#210;", "Capital O, grave accent", SymbolBar::Capital},
    {cmd::CapitalOslash, "Oslash", "&#216;", "Capital O, slash", SymbolBar::Capital},
    {cmd::CapitalOtilde, "Otilde", "&#213;", "Capital O, tilde", SymbolBar::Capital},
    {cmd::CapitalOuml, "Ouml", "&#214;", "Capital O, umlaut", SymbolBar::Capital},
    {cmd::CapitalThorn, "THORN", "&#222;", "Capital Thorn, Icelandic", SymbolBar::Capital},
    {cmd::CapitalUacute, "Uacute", "&#218;", "Capital U, acute accent", SymbolBar::Capital},
    {cmd::CapitalUcirc, "Ucirc", "&#219;", "Capital U, circumflex accent", SymbolBar::Capital},
    {cmd::CapitalUgrave, "Ugrave", "&#217;", "Capital U, grave accent", SymbolBar::Capital},
    {cmd::CapitalUuml, "Uuml", "&#220;", "Capital U, umlaut", SymbolBar::Capital},
    {cmd::CapitalYacute, "Yacute", "&#221;", "Capital Y, acute accent", SymbolBar::Capital},
    // Small Latin Symbols
    {cmd::SmallAElig, "aelig", "&#230;", "Small ae, diphthong", SymbolBar::Small},
    {cmd::SmallAacute, "aacute", "&#225;", "Small a, acute accent", SymbolBar::Small},
    {cmd::SmallAcirc, "acirc", "&#226;", "Small a, circumflex accent", SymbolBar::Small},
    {cmd::SmallAgrave, "agrave", "&#224;", "Small a, grave accent", SymbolBar::Small},
    {cmd::SmallAring, "aring", "&#229;", "Small a, ring", SymbolBar::Small},
    {cmd::SmallAtilde, "atilde", "&#227;", "Small a, tilde", SymbolBar::Small},
    {cmd::SmallAuml, "auml", "&#228;", "Small a, umlaut mark", SymbolBar::Small},
    {cmd::SmallCcedil, "ccedil", "&#231;", "Small c, cedila", SymbolBar::Small},
    {cmd::SmallEth, "eth", "&#240;", "Small eth, Icelandic", SymbolBar::Small},
    {cmd::SmallEacute, "eacute", "&#233;", "Small e, acute accent", SymbolBar::Small},
    {cmd::SmallEcirc, "ecirc", "&#234;", "Small e, circumflex accent", SymbolBar::Small},
    {cmd::SmallEgrave, "egrave", "&#232;", "Small e, grave accent", SymbolBar::Small},
    {cmd::SmallEuml, "euml", "&#235;", "Small e, umlaut mark", SymbolBar::Small},
    {cmd::SmallIacute, "iacute", "&#237;", "Small i, acute accent", SymbolBar::Small},
    {cmd::SmallIcirc, "icirc", "&#238;", "Small i, circumflex accent", SymbolBar::Small},
    {cmd::SmallIgrave, "igrave", "&#236;", "Small i, grave accent", SymbolBar::Small},
    {cmd::SmallIuml, "iuml", "&#239;", "Small i, umlaut", SymbolBar::Small},
    {cmd::SmallNtilde, "ntilde", "&#241;", "Small n, tilde", SymbolBar::Small},
    {cmd::SmallOacute, "oacute", "&#243;", "Small o, acute accent", SymbolBar::Small},
    {cmd::SmallOcirc, "ocirc", "&#244;", "Small o, circumflex accent", SymbolBar::Small},
    {cmd::SmallOgrave, "ograve", "&#242;", "Small o, grave accent", SymbolBar::Small},
    {cmd::SmallOslash, "oslash", "&#248;", "Small o, slash", SymbolBar::Small},
    {cmd::SmallOtilde, "otilde", "&#245;", "Small o, tilde", SymbolBar::Small},
    {cmd::SmallOuml, "ouml", "&#246;", "Small o, umlaut", SymbolBar::Small},
    {cmd::SmallSzlig, "szlig", "&#223;", "Small sharp s, German", SymbolBar::Small},
    {cmd::SmallThorn, "thorn", "&#254;", "Small Thorn, Icelandic", SymbolBar::Small},
    {cmd::SmallUacute, "uacute", "&#250;", "Small u, acute accent", SymbolBar::Small},
    {cmd::SmallUcirc, "ucirc", "&#251;", "Small u, circumflex accent", SymbolBar::Small},
    {cmd::SmallUgrave, "ugrave", "&#249;", "Small u, grave accent", SymbolBar::Small},
    {cmd::SmallUuml, "uuml", "&#252;", "Small u, umlaut", SymbolBar::Small},
    {cmd::SmallYacute, "yacute", "&#253;", "Small y, acute accent", SymbolBar::Small},
    {cmd::SmallYuml, "yuml", "&#255;", "Small y, umlaut", SymbolBar::Small},
    // Other Symbols: neither prompt nor tooltip
    {cmd::SymbolCopy, "copy", "&#169;", "", SymbolBar::Other},
    {cmd::SymbolReg, "reg", "&#174;", "", SymbolBar::Other},
    {cmd::SymbolAmp, "amp", "&amp;", "", SymbolBar::Other},
    {cmd::SymbolQuot, "quot", "&quot;", "", SymbolBar::Other},
    {cmd::SymbolLt, "lt", "&lt;", "", SymbolBar::Other},
    {cmd::SymbolGt, "gt", "&gt;", "", SymbolBar::Other},
};

} // namespace

std::span<const EntityInfo> EntityTable() {
    return kEntities;
}

} // namespace razo
