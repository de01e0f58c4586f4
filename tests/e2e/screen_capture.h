#pragma once
#include <string>

// Pictures of the screen for looking at the program's windows after a run.
namespace namer::e2e {

// The whole screen as a 24-bit BMP file; false when it could not be read or written.
bool save_screen(const std::wstring& path);

// The folder named by NAMER_E2E_SCREENSHOTS (empty when unset): pictures are taken only when it is set.
std::wstring screenshot_folder();

} // namespace namer::e2e
