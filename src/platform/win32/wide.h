#pragma once
#include <string>

#include "base/text.h"

namespace namer {

// GBK <-> UTF-16 with code page 936 named explicitly, whatever the system's ANSI code page is.
std::wstring wide_from_gbk(const Text& gbk);
Text gbk_from_wide(const std::wstring& wide);

} // namespace namer
