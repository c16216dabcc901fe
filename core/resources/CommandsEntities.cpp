#include "resources/CommandTableParts.h"

namespace razo::detail {

namespace {

// The character commands of the three symbol toolbars, in button order. They stand in no menu.
// A letter has a status-bar prompt and no tooltip; the symbols have neither. Keys carry the
// entity's own name, so they are case-sensitive ("entity.Aacute", "entity.aacute").
constexpr CommandInfo kEntityCommands[] = {
    // Capital letters
    {32999, "entity.AElig", "", "", "Capital A, dipthong", ""},
    {32993, "entity.Aacute", "", "", "Capital A, acute accent", ""},
    {32995, "entity.Acirc", "", "", "Capital A, circumflex accent", ""},
    {32994, "entity.Agrave", "", "", "Capital A, grave accent", ""},
    {32997, "entity.Aring", "", "", "Capital A, ring", ""},
    {32996, "entity.Atilde", "", "", "Capital A, tilde", ""},
    {32998, "entity.Auml", "", "", "Capital A, umlaut mark", ""},
    {33000, "entity.Ccedil", "", "", "Capital C, cedila", ""},
    {33001, "entity.ETH", "", "", "Capital Eth, Icelandic", ""},
    {33002, "entity.Eacute", "", "", "Capital E, acute accent", ""},
    {33003, "entity.Ecirc", "", "", "Capital E, circumflex accent", ""},
    {33004, "entity.Egrave", "", "", "Capital E, grave accent", ""},
    {33005, "entity.Euml", "", "", "Capital E, umlaut mark", ""},
    {33033, "entity.Iacute", "", "", "Capital I, acute accent", ""},
    {33007, "entity.Icirc", "", "", "Capital I, circumflex accent", ""},
    {33008, "entity.Igrave", "", "", "Capital I, grave accent", ""},
    {33009, "entity.Iuml", "", "", "Capital I, umlaut mark", ""},
    {33010, "entity.Ntilde", "", "", "Capital N, tilde", ""},
    {33011, "entity.Oacute", "", "", "Capital O, acute accent", ""},
    {33012, "entity.Ocirc", "", "", "Capital O, circumflex accent", ""},
    {33013, "entity.Ograve", "", "", "Capital O, grave accent", ""},
    {33014, "entity.Oslash", "", "", "Capital O, slash", ""},
    {33015, "entity.Otilde", "", "", "Capital O, tilde", ""},
    {33016, "entity.Ouml", "", "", "Capital O, umlaut", ""},
    {33017, "entity.THORN", "", "", "Capital Thorn, Icelandic", ""},
    {33018, "entity.Uacute", "", "", "Capital U, acute accent", ""},
    {33019, "entity.Ucirc", "", "", "Capital U, circumflex accent", ""},
    {33020, "entity.Ugrave", "", "", "Capital U, grave accent", ""},
    {33021, "entity.Uuml", "", "", "Capital U, umlaut", ""},
    {33022, "entity.Yacute", "", "", "Capital Y, acute accent", ""},

    // Small letters
    {33040, "entity.aelig", "", "", "Small ae, diphthong", ""},
    {33037, "entity.aacute", "", "", "Small a, acute accent", ""},
    {33038, "entity.acirc", "", "", "Small a, circumflex accent", ""},
    {33039, "entity.agrave", "", "", "Small a, grave accent", ""},
    {33041, "entity.aring", "", "", "Small a, ring", ""},
    {33042, "entity.atilde", "", "", "Small a, tilde", ""},
    {33043, "entity.auml", "", "", "Small a, umlaut mark", ""},
    {33044, "entity.ccedil", "", "", "Small c, cedila", ""},
    {33069, "entity.eth", "", "", "Small eth, Icelandic", ""},
    {33045, "entity.eacute", "", "", "Small e, acute accent", ""},
    {33046, "entity.ecirc", "", "", "Small e, circumflex accent", ""},
    {33047, "entity.egrave", "", "", "Small e, grave accent", ""},
    {33048, "entity.euml", "", "", "Small e, umlaut mark", ""},
    {33049, "entity.iacute", "", "", "Small i, acute accent", ""},
    {33050, "entity.icirc", "", "", "Small i, circumflex accent", ""},
    {33051, "entity.igrave", "", "", "Small i, grave accent", ""},
    {33052, "entity.iuml", "", "", "Small i, umlaut", ""},
    {33053, "entity.ntilde", "", "", "Small n, tilde", ""},
    {33054, "entity.oacute", "", "", "Small o, acute accent", ""},
    {33055, "entity.ocirc", "", "", "Small o, circumflex accent", ""},
    {33056, "entity.ograve", "", "", "Small o, grave accent", ""},
    {33057, "entity.oslash", "", "", "Small o, slash", ""},
    {33058, "entity.otilde", "", "", "Small o, tilde", ""},
    {33059, "entity.ouml", "", "", "Small o, umlaut", ""},
    {33060, "entity.szlig", "", "", "Small sharp s, German", ""},
    {33061, "entity.thorn", "", "", "Small Thorn, Icelandic", ""},
    {33062, "entity.uacute", "", "", "Small u, acute accent", ""},
    {33063, "entity.ucirc", "", "", "Small u, circumflex accent", ""},
    {33064, "entity.ugrave", "", "", "Small u, grave accent", ""},
    {33065, "entity.uuml", "", "", "Small u, umlaut", ""},
    {33066, "entity.yacute", "", "", "Small y, acute accent", ""},
    {33070, "entity.yuml", "", "", "Small y, umlaut", ""},

    // Other symbols
    {33078, "entity.copy", "", "", "", ""},
    {33079, "entity.reg", "", "", "", ""},
    {33080, "entity.amp", "", "", "", ""},
    {33081, "entity.quot", "", "", "", ""},
    {33082, "entity.lt", "", "", "", ""},
    {33083, "entity.gt", "", "", "", ""},
};

} // namespace

std::span<const CommandInfo> EntityCommands() {
    return kEntityCommands;
}

} // namespace razo::detail
