#include "ui/program_resource.h"

#include <windows.h>

namespace korvane::ui {

std::span<const std::uint8_t> ProgramResource(const wchar_t* name)
{
    HRSRC found = FindResourceW(nullptr, name, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return {};
    return {static_cast<const std::uint8_t*>(bytes), SizeofResource(nullptr, found)};
}

} // namespace korvane::ui
