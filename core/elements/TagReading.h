#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/markup/StartTag.h"

namespace razo {

// A start tag from the page on its way into a dialog: which attributes the dialog's rows took,
// and whether one of them belongs to the expanded layout.
class TagReading {
public:
    explicit TagReading(markup::StartTag tag);

    const markup::StartTag& Tag() const { return m_tag; }
    // The first attribute of that name (any case) that no row took yet.
    const markup::WrittenAttribute* Find(std::string_view name) const;
    void Take(const markup::WrittenAttribute& attribute);
    // Takes every attribute no row took yet, for the free field of other attributes.
    void TakeRest();
    // The value the page gave the attribute a row took by that name; nullptr when none did.
    const std::string* TakenValue(std::string_view name) const;
    // How many attributes the rows took by name; the free field, which takes anything, does not
    // count, so it makes no dialog look more fitting than another.
    int TakenCount() const;
    // The attributes no row took, each after a blank, as written and in their order.
    std::string Rest() const;

    bool expanded = false;

private:
    markup::StartTag m_tag;
    std::vector<bool> m_taken;
    int m_takenAsRest = 0;
};

} // namespace razo
