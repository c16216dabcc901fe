#include "core/elements/TagReading.h"

#include <algorithm>

#include "core/markup/TagSyntax.h"

namespace razo {

TagReading::TagReading(markup::StartTag tag) : m_tag(std::move(tag)), m_taken(m_tag.attributes.size()) {}

const markup::WrittenAttribute* TagReading::Find(std::string_view name) const {
    const int index = m_tag.Find(name, m_taken);
    return index < 0 ? nullptr : &m_tag.attributes[index];
}

void TagReading::Take(const markup::WrittenAttribute& attribute) {
    m_taken[&attribute - m_tag.attributes.data()] = true;
}

void TagReading::TakeRest() {
    m_takenAsRest += static_cast<int>(std::count(m_taken.begin(), m_taken.end(), false));
    m_taken.assign(m_taken.size(), true);
}

const std::string* TagReading::TakenValue(std::string_view name) const {
    for (std::size_t i = 0; i < m_tag.attributes.size(); ++i)
        if (m_taken[i] && markup::SameName(m_tag.attributes[i].name, name))
            return &m_tag.attributes[i].value;
    return nullptr;
}

int TagReading::TakenCount() const {
    return static_cast<int>(std::count(m_taken.begin(), m_taken.end(), true)) - m_takenAsRest;
}

std::string TagReading::Rest() const {
    std::string rest;
    for (std::size_t i = 0; i < m_tag.attributes.size(); ++i)
        if (!m_taken[i])
            rest += " " + m_tag.attributes[i].text;
    return rest;
}

} // namespace razo
