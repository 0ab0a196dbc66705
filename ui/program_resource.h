#pragma once

#include <cstdint>
#include <span>

namespace korvane::ui {

// The bytes of the program's RCDATA resource of that name; empty when there is none. The bytes
// live as long as the program.
std::span<const std::uint8_t> ProgramResource(const wchar_t* name);

} // namespace korvane::ui
