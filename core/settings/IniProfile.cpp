#include "settings/IniProfile.h"

#include <climits>

namespace razo {

namespace {

// The classic reading of a number: leading blanks, an optional sign, decimal digits up to the
// first other character; no digits at all reads as 0. Out-of-range values stop at the limit.
int ParseProfileInt(std::string_view text) {
    size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos)
        return 0;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-')
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    return static_cast<int>(value);
}

} // namespace

IniProfile::IniProfile(std::string path) : m_path(std::move(path)) {}

const IniDocument& IniProfile::Current() const {
    if (m_batchPending)
        return m_document;
    if (!m_stamp || StampOf(m_path) != *m_stamp) {
        FileSnapshot snapshot = ReadSnapshot(m_path);
        m_document = IniDocument::Parse(snapshot.bytes);
        m_stamp = snapshot.stamp;
    }
    return m_document;
}

bool IniProfile::Commit(const IniDocument& changed) {
    if (m_batchDepth > 0) {
        Current();
        m_document = changed;
        m_batchPending = true;
        return true;
    }
    const std::string bytes = changed.Serialize();
    if (bytes == Current().Serialize())
        return true;
    const auto stamp = WriteAtomically(m_path, bytes);
    if (!stamp)
        return false;
    m_document = changed;
    m_stamp = *stamp;
    return true;
}

bool IniProfile::Batch::Finish() {
    if (m_finished)
        return true;
    m_finished = true;
    if (--m_profile.m_batchDepth > 0 || !m_profile.m_batchPending)
        return true;
    m_profile.m_batchPending = false;
    const IniDocument pending = std::move(m_profile.m_document);
    m_profile.m_stamp.reset(); // compare against the file as it is on disk now
    return m_profile.Commit(pending);
}

int IniProfile::GetProfileInt(std::string_view section, std::string_view key, int defaultValue) const {
    const auto value = Current().Get(section, key);
    // An empty value counts as missing, as with the classic function.
    if (!value || value->empty())
        return defaultValue;
    return ParseProfileInt(*value);
}

std::string IniProfile::GetProfileString(std::string_view section, std::string_view key,
                                         std::string_view defaultValue) const {
    auto value = Current().Get(section, key);
    return value ? std::move(*value) : std::string(defaultValue);
}

bool IniProfile::WriteProfileInt(std::string_view section, std::string_view key, int value) {
    return WriteProfileString(section, key, std::to_string(value));
}

// Names or values with line breaks would write lines of their own into the file, so they are
// refused rather than stored.
bool IniProfile::WriteProfileString(std::string_view section, std::string_view key,
                                    std::optional<std::string_view> value) {
    if (!IniDocument::IsStorableSection(section) || !IniDocument::IsStorableKey(key))
        return false;
    if (value && !IniDocument::IsStorableValue(*value))
        return false;
    IniDocument changed = Current();
    if (value)
        changed.Set(section, key, *value);
    else
        changed.Remove(section, key);
    return Commit(changed);
}

bool IniProfile::DeleteSection(std::string_view section) {
    IniDocument changed = Current();
    changed.RemoveSection(section);
    return Commit(changed);
}

std::vector<std::string> IniProfile::SectionNames() const {
    return Current().SectionNames();
}

std::vector<std::string> IniProfile::KeyNames(std::string_view section) const {
    return Current().KeyNames(section);
}

} // namespace razo
