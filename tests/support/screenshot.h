#pragma once

#include <string>

namespace korvane::test {

// Saves a picture of the whole screen as <screenshot folder>/<name>.png and returns its path, or
// an empty string when no picture could be taken. Under Wine it runs ImageMagick's
// `import -window root` on the X display; on Windows it copies the screen through GDI.
std::string SaveScreenshot(const std::string& name);

} // namespace korvane::test
