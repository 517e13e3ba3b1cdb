#pragma once
// The tests' one way to a folder of their own, and the file helpers that go with it.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace stillmark::test {

// A fresh folder under the system's temporary folder, its name beginning with `prefix`, removed with
// everything in it at the end (also where a test took away its permissions).
class TempFolder {
public:
    explicit TempFolder(std::string_view prefix = "stillmark-test");
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

void WriteBytes(const std::filesystem::path& file, const std::string& bytes);
std::string ReadBytes(const std::filesystem::path& file);
std::vector<std::string> FileNames(const std::filesystem::path& folder);

} // namespace stillmark::test
