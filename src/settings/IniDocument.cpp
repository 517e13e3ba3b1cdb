#include "settings/IniDocument.h"

#include <algorithm>

namespace stillmark {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

std::optional<std::string_view> SectionName(std::string_view content) {
    const std::string_view text = Trim(content);
    if (text.empty() || text.front() != '[') {
        return std::nullopt;
    }
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return Trim(text.substr(1, close - 1));
}

struct Entry {
    std::string_view key;
    std::string_view value;
};

std::optional<Entry> EntryOf(std::string_view content) {
    const std::string_view text = Trim(content);
    if (text.empty() || text.front() == ';' || text.front() == '#' || text.front() == '[') {
        return std::nullopt;
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view key = Trim(text.substr(0, equals));
    if (key.empty()) {
        return std::nullopt;
    }
    return Entry{key, Trim(text.substr(equals + 1))};
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

IniDocument IniDocument::Parse(std::string_view bytes) {
    IniDocument document;
    bool newlineKnown = false;
    while (!bytes.empty()) {
        const std::size_t lf = bytes.find('\n');
        Line line;
        if (lf == std::string_view::npos) {
            line.content = std::string(bytes);
            bytes = {};
        } else {
            const bool crlf = lf > 0 && bytes[lf - 1] == '\r';
            line.content = std::string(bytes.substr(0, crlf ? lf - 1 : lf));
            line.end = crlf ? "\r\n" : "\n";
            bytes.remove_prefix(lf + 1);
            if (!newlineKnown) {
                document.m_newline = line.end;
                newlineKnown = true;
            }
        }
        document.m_lines.push_back(std::move(line));
    }
    return document;
}

std::optional<std::size_t> IniDocument::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const auto name = SectionName(m_lines[i].content);
        if (name && EqualsIgnoringCase(*name, section)) {
            return i;
        }
    }
    return std::nullopt;
}

std::size_t IniDocument::SectionEnd(std::size_t header) const {
    std::size_t end = header + 1;
    while (end < m_lines.size() && !SectionName(m_lines[end].content)) {
        ++end;
    }
    return end;
}

std::optional<std::string> IniDocument::Find(std::string_view section, std::string_view key) const {
    const auto header = FindSection(section);
    if (!header) {
        return std::nullopt;
    }
    const std::size_t end = SectionEnd(*header);
    for (std::size_t i = *header + 1; i < end; ++i) {
        const auto entry = EntryOf(m_lines[i].content);
        if (entry && EqualsIgnoringCase(entry->key, key)) {
            return std::string(entry->value);
        }
    }
    return std::nullopt;
}

void IniDocument::InsertLine(std::size_t index, std::string content) {
    // A new line ends like the line before it, so a section of CRLF lines stays CRLF in a mixed file.
    std::string end = m_newline;
    if (index > 0) {
        if (m_lines[index - 1].end.empty()) {
            m_lines[index - 1].end = m_newline; // the old last line had no line end
        }
        end = m_lines[index - 1].end;
    }
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(index),
                   Line{std::move(content), std::move(end)});
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    const auto header = FindSection(section);
    if (!header) {
        if (!m_lines.empty() && !Trim(m_lines.back().content).empty()) {
            InsertLine(m_lines.size(), ""); // a blank line between the old content and the new section
        }
        InsertLine(m_lines.size(), "[" + std::string(section) + "]");
        InsertLine(m_lines.size(), std::string(key) + "=" + std::string(value));
        return;
    }

    const std::size_t end = SectionEnd(*header);
    for (std::size_t i = *header + 1; i < end; ++i) {
        std::string& content = m_lines[i].content;
        const auto entry = EntryOf(content);
        if (entry && EqualsIgnoringCase(entry->key, key)) {
            // Keep the key as the file spells it (and any indentation), replace what follows the '='.
            content = content.substr(0, content.find('=') + 1) + std::string(value);
            return;
        }
    }

    // After the section's last non-blank line, so that blank lines before the next section stay there.
    std::size_t insertAt = end;
    while (insertAt > *header + 1 && Trim(m_lines[insertAt - 1].content).empty()) {
        --insertAt;
    }
    InsertLine(insertAt, std::string(key) + "=" + std::string(value));
}

std::string IniDocument::Serialize() const {
    std::string bytes;
    for (const Line& line : m_lines) {
        bytes += line.content;
        bytes += line.end;
    }
    return bytes;
}

bool IsStorableSection(std::string_view section) {
    return !section.empty() && Trim(section) == section && !HasLineBreak(section) &&
           section.find(']') == std::string_view::npos;
}

bool IsStorableKey(std::string_view key) {
    return !key.empty() && Trim(key) == key && !HasLineBreak(key) &&
           key.find('=') == std::string_view::npos && key.front() != '[' && key.front() != ';' &&
           key.front() != '#';
}

bool IsStorableValue(std::string_view value) {
    return !HasLineBreak(value);
}

} // namespace stillmark
