#include "platform/win32/wide.h"

#include <windows.h>

namespace namer {

constexpr UINT gbk_code_page = 936;

std::wstring wide_from_gbk(const Text& gbk) {
    if (gbk.empty())
        return std::wstring();
    int n = MultiByteToWideChar(gbk_code_page, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(gbk_code_page, 0, gbk.data(), static_cast<int>(gbk.size()), wide.data(), n);
    return wide;
}

Text gbk_from_wide(const std::wstring& wide) {
    if (wide.empty())
        return Text();
    int n = WideCharToMultiByte(gbk_code_page, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                nullptr);
    Text gbk(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(gbk_code_page, 0, wide.data(), static_cast<int>(wide.size()), gbk.data(), n, nullptr, nullptr);
    return gbk;
}

} // namespace namer
