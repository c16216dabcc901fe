#pragma once
#include <string>

#include "core/dialogs/DialogBase.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementServices.h"
#include "core/elements/Html5Common.h"

namespace razo {

class ElementRegistry;

namespace html5 {
enum HeadControl : int {
    IdMetaName = 3300,
    IdMetaContent = 3301,
    IdRel = 3310,
    IdHref = 3311,
    IdHrefBrowse = 3312,
    IdLinkType = 3313,
    IdMedia = 3314,
    IdSizes = 3315,
    IdPreloadAs = 3316,
    IdHrefLang = 3317,
    IdHeadCrossOrigin = 3318,
    IdIntegrity = 3319,
    IdScriptSrc = 3320,
    IdScriptBrowse = 3321,
    IdModule = 3322,
    IdAsync = 3323,
    IdDefer = 3324,
    IdScriptIntegrity = 3325,
    IdScriptCrossOrigin = 3326,
    IdStyleMedia = 3330,
    IdBaseHref = 3335,
    IdBaseTarget = 3336,
};
} // namespace html5

namespace messages {
inline constexpr const char* PreloadNeedsAs = "Please choose what kind of resource is preloaded (As).";
inline constexpr const char* NotSizes = "Please enter sizes such as 16x16 32x32, or any.";
inline constexpr const char* NeedsScriptSource =
    "A script without a source URL runs where it stands: Async, Defer and Integrity need a source URL.";
inline constexpr const char* BaseNeedsUrlOrTarget = "Please enter a base URL, a target or both.";
} // namespace messages

// Sizes of icons: "any", or blank-separated WIDTHxHEIGHT ("16x16 32x32").
bool IsIconSizes(std::string_view text);

// <META NAME=... CONTENT=...>: one piece of data about the page.
class CMetaNameDialog : public DialogBase<CMetaNameDialog> {
public:
    enum { IDD = 350 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CMetaNameDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;
    void OnFieldChanged(int id, DialogHost& host) override;

    std::string m_strName;
    std::string m_strContent;
    CommonAttributes m_common;
};

// <LINK REL=... HREF=...>: a resource the page uses or relates to.
class CLinkHtml5Dialog : public DialogBase<CLinkHtml5Dialog> {
public:
    enum { IDD = 351 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CLinkHtml5Dialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;
    void OnInitDialog(DialogHost& host) override;
    void OnFieldChanged(int id, DialogHost& host) override;

    std::string m_strRel;
    std::string m_strHref;
    std::string m_strType;
    std::string m_strMedia;
    std::string m_strSizes;
    std::string m_strAs;
    std::string m_strHrefLang;
    std::string m_strCrossOrigin;
    std::string m_strIntegrity;
    CommonAttributes m_common;
};

// Whether a field of the link dialog applies to a REL value (which may hold several keywords).
bool LinkFieldApplies(int id, const std::string& rel);

// <SCRIPT>: a script file in front of the selection, or a script around it.
class CScriptHtml5Dialog : public DialogBase<CScriptHtml5Dialog> {
public:
    enum { IDD = 352 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CScriptHtml5Dialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;
    void OnInitDialog(DialogHost& host) override;
    void OnFieldChanged(int id, DialogHost& host) override;

    std::string m_strSrc;
    int m_bModule = 0;
    int m_bAsync = 0;
    int m_bDefer = 0;
    std::string m_strIntegrity;
    std::string m_strCrossOrigin;
    CommonAttributes m_common;
};

// <STYLE>: a style sheet around the selection.
class CStyleHtml5Dialog : public DialogBase<CStyleHtml5Dialog> {
public:
    enum { IDD = 353 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CStyleHtml5Dialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strMedia;
    CommonAttributes m_common;
};

// <BASE>: the URL relative links start from, and the default target.
class CBaseHtml5Dialog : public DialogBase<CBaseHtml5Dialog> {
public:
    enum { IDD = 354 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CBaseHtml5Dialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strHref;
    std::string m_strTarget;
    CommonAttributes m_common;
};

TagPair BuildMetaName(const CMetaNameDialog& dialog);
TagPair BuildLinkHtml5(const CLinkHtml5Dialog& dialog, const BuildContext& context);
TagPair BuildScriptHtml5(const CScriptHtml5Dialog& dialog, const BuildContext& context);
TagPair BuildStyleHtml5(const CStyleHtml5Dialog& dialog);
TagPair BuildBaseHtml5(const CBaseHtml5Dialog& dialog, const BuildContext& context);

// The HTML5 elements of the head that have dialogs; the charset, NOSCRIPT and TEMPLATE are fixed
// tags.
void RegisterHtml5HeadFamily(ElementRegistry& registry);

} // namespace razo
