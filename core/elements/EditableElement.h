#pragma once
#include <functional>
#include <memory>
#include <string>
#include <type_traits>

#include "core/dialogs/ExpandDialog.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementCommand.h"
#include "core/elements/TagReading.h"

namespace razo {

// An element command's dialog, made to rewrite a start tag from the page: filled from the tag
// by the dialog's rows, run by the caller, then written by the same rows.
class EditableElement {
public:
    virtual ~EditableElement() = default;
    // The element the command builds, as its dialog writes it ("TABLE", "TH", "H2").
    virtual std::string Element() const = 0;
    // How well the dialog's fields take the tag's attributes (RowsCovering); fills them on the way.
    virtual int Covers(const markup::StartTag& tag) = 0;
    // Fills the fields; a tag with an attribute of the expanded layout opens it expanded.
    virtual void Read(TagReading& reading) = 0;
    virtual CDialog& Dialog() = 0;
    // Whether the confirmed dialog writes its expanded attributes.
    virtual bool Expanded() = 0;
    // The start tag the confirmed dialog writes, without its closing '>'.
    virtual std::string Write(const BuildContext& context) const = 0;
};

using EditableFactory = std::function<std::unique_ptr<EditableElement>(ElementServices&)>;

template <class D>
concept HasTagRows = requires {
    D::Rows();
};

template <HasTagRows D> class EditableDialog : public EditableElement {
public:
    explicit EditableDialog(std::unique_ptr<D> dialog) : m_dialog(std::move(dialog)) {}

    std::string Element() const override { return D::Rows().element(*m_dialog); }
    int Covers(const markup::StartTag& tag) override { return RowsCovering(*m_dialog, tag); }
    void Read(TagReading& reading) override {
        // A dialog whose other fields build the tags inside the element greys them: only the
        // start tag is rewritten.
        if constexpr (requires(D & d) { d.EditStartTagOnly(); })
            m_dialog->EditStartTagOnly();
        ReadStartTag(*m_dialog, reading);
        if constexpr (std::is_base_of_v<CExpandDialog, D>)
            m_dialog->OpenIn(reading.expanded);
    }
    CDialog& Dialog() override { return *m_dialog; }
    bool Expanded() override {
        if constexpr (std::is_base_of_v<CExpandDialog, D>)
            return m_dialog->IsExpanded();
        return false;
    }
    std::string Write(const BuildContext& context) const override {
        return WriteStartTag(*m_dialog, context).Open();
    }

private:
    std::unique_ptr<D> m_dialog;
};

} // namespace razo
