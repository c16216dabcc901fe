#pragma once
#include <optional>
#include <string>

#include "core/dialogs/DialogBase.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementServices.h"

namespace razo {

class ElementRegistry;
struct BuildContext;

// The controls of the link, anchor and head element dialogs.
namespace links {
enum Control : int {
    IdUrl = 1036,
    IdBrowse = 1003,
    IdName = 1050, // also the anchor name and the comment text
    IdTitle = 1082,
    IdRel = 1051,
    IdRev = 1052,
    IdTarget = 1179,
    IdHttpEquiv = 1084,
    IdContent = 1085,
    IdPrompt = 1035,
    IdNotation = 1031,
};
} // namespace links

// The hypertext link; the LINK element shows the same dialog.
class CHypertextLinkDialog : public DialogBase<CHypertextLinkDialog> {
public:
    enum { IDD = 156 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CHypertextLinkDialog>& Rows();
    CHypertextLinkDialog() = default;
    // The command's element: A, or LINK for the head's link line.
    explicit CHypertextLinkDialog(std::string element) : m_strElement(std::move(element)) {}
    void DoDataExchange(CDataExchange& dx) override;

    const std::string m_strElement = "A";
    std::string m_strURL;
    std::string m_strName;
    std::string m_strTitle;
    std::string m_strRel;
    std::string m_strRev;
};

class CHypertextLinkNetscapeDialog : public DialogBase<CHypertextLinkNetscapeDialog> {
public:
    enum { IDD = 216 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CHypertextLinkNetscapeDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strURL;
    std::string m_strName;
    std::string m_strTitle;
    std::string m_strRel;
    std::string m_strRev;
    std::string m_strTarget;
};

class CAnchorDialog : public DialogBase<CAnchorDialog> {
public:
    enum { IDD = 183 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CAnchorDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strAnchorName;
};

class CDocumentBaseDialog : public DialogBase<CDocumentBaseDialog> {
public:
    enum { IDD = 147 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CDocumentBaseDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strURL;
};

class CDocumentBaseNetscapeDialog : public DialogBase<CDocumentBaseNetscapeDialog> {
public:
    enum { IDD = 215 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CDocumentBaseNetscapeDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strURL;
    std::string m_strTarget;
};

class CMetaDialog : public DialogBase<CMetaDialog> {
public:
    enum { IDD = 150 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CMetaDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strHttpEquiv;
    std::string m_strName;
    std::string m_strContent;
};

class CIsIndexDialog : public DialogBase<CIsIndexDialog> {
public:
    enum { IDD = 149 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CIsIndexDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strPrompt;
};

class CStyleDialog : public DialogBase<CStyleDialog> {
public:
    enum { IDD = 144 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CStyleDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strNotation;
};

class CCommentDialog : public DialogBase<CCommentDialog> {
public:
    enum { IDD = 184 };
    static DialogTemplate MakeTemplate();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strComment;
};

// The texts built from a confirmed dialog. Link URLs go through MakeRelativePath (and so into
// the URL history); a base URL is written as entered and recorded as it stands. The comment has
// no start tag, so it is the one dialog here that does not reopen a tag.
TagPair BuildHypertextLink(const CHypertextLinkDialog& dialog, const BuildContext& context);
TagPair BuildHypertextLinkNetscape(const CHypertextLinkNetscapeDialog& dialog, const BuildContext& context);
TagPair BuildLinkElement(const CHypertextLinkDialog& dialog, const BuildContext& context);
TagPair BuildAnchor(const CAnchorDialog& dialog);
TagPair BuildBase(const CDocumentBaseDialog& dialog, const BuildContext& context);
TagPair BuildBaseNetscape(const CDocumentBaseNetscapeDialog& dialog, const BuildContext& context);
TagPair BuildMeta(const CMetaDialog& dialog);
TagPair BuildIsIndex(const CIsIndexDialog& dialog);
// Nothing when no notation was chosen.
std::optional<TagPair> BuildStyle(const CStyleDialog& dialog);
TagPair BuildComment(const CCommentDialog& dialog);

// Links, anchors, LINK, BASE, META, ISINDEX, STYLE and comments.
void RegisterLinkFamily(ElementRegistry& registry);

} // namespace razo
