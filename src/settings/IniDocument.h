#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace stillmark {

// An initialisation file held as its lines, byte for byte. Lines that are not touched by Set (other
// sections, unknown keys, comments, junk of any kind, their line ends) are written back exactly as read.
//
// Reading rules: a section header is "[name]" (blanks around the name ignored); an entry is "key=value"
// with blanks around key and value ignored; lines starting with ';' or '#' are comments. Section names and
// keys match without regard to ASCII case. Only the first section of a name counts, and in it only the first
// entry of a key; entries before any section header belong to none.
class IniDocument {
public:
    static IniDocument Parse(std::string_view bytes);

    std::optional<std::string> Find(std::string_view section, std::string_view key) const;

    // Overwrites the value of the entry that Find reads, or adds the entry at the end of the section, or adds
    // the section at the end of the file. Callers check the arguments with the IsStorable* functions first.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    std::string Serialize() const;

private:
    struct Line {
        std::string content; // without the line end
        std::string end;     // "\n", "\r\n" or "" for a last line without one
    };

    std::optional<std::size_t> FindSection(std::string_view section) const;
    std::size_t SectionEnd(std::size_t header) const;
    void InsertLine(std::size_t index, std::string content);

    std::vector<Line> m_lines;
    std::string m_newline = "\n"; // the file's own line end, used for new lines
};

// Whether a text can stand as section name, key or value in a line of its own and be read back as given.
bool IsStorableSection(std::string_view section);
bool IsStorableKey(std::string_view key);
bool IsStorableValue(std::string_view value);

} // namespace stillmark
