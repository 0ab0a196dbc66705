#pragma once

#include "ui/application.h"

namespace korvane {

inline constexpr wchar_t kApplicationTitle[] = L"Simple Korvane v1.0.1";

// Names the application and creates the eight windows once, in their fixed order; the first,
// the chooser, becomes the main window. Each window's global reference is set as it is created.
void CreateKorvaneWindows(ui::Application& application);

} // namespace korvane
