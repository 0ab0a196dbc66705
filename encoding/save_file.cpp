#include "encoding/save_file.h"

#include "encoding/utf8.h"

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

#ifdef _WIN32
#include <share.h>
#endif

namespace korvane {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Creates (or truncates) the file for reading and writing. On Windows no other process may open
// it while it is being written.
FilePtr CreateExclusive(const std::filesystem::path& fileName)
{
#ifdef _WIN32
    return FilePtr(_wfsopen(fileName.c_str(), L"w+b", _SH_DENYRW));
#else
    return FilePtr(std::fopen(fileName.c_str(), "w+b"));
#endif
}

std::string DisplayName(const std::filesystem::path& fileName)
{
    const std::u8string name = fileName.u8string();
    return std::string(name.begin(), name.end());
}

} // namespace

void SaveFileInUTF8(const std::filesystem::path& fileName, std::u16string_view text)
{
    FilePtr file = CreateExclusive(fileName);
    if (!file)
        throw std::runtime_error("Cannot create file " + DisplayName(fileName));
    const std::string bytes = Utf8Encode(text);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    const bool flushed = std::fflush(file.get()) == 0;
    const bool closed = std::fclose(file.release()) == 0;
    if (!written || !flushed || !closed)
        throw std::runtime_error("Cannot write file " + DisplayName(fileName));
}

} // namespace korvane
