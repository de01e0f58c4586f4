#include "screen_capture.h"

#include <windows.h>

#include <cstdlib>
#include <vector>

#include "program_process.h"

namespace namer::e2e {

bool save_screen(const std::wstring& path) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    const int stride = (width * 3 + 3) & ~3;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height; // bottom-up, as BMP files store rows
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(stride * height);
    std::vector<unsigned char> pixels(header.biSizeImage);

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const bool copied = BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY) &&
                        GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
                                  reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS) == height;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!copied)
        return false;

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + header.biSizeImage;
    OwnedHandle out(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (out.get() == INVALID_HANDLE_VALUE) {
        out.release();
        return false;
    }
    DWORD written = 0;
    return WriteFile(out.get(), &file, sizeof file, &written, nullptr) &&
           WriteFile(out.get(), &header, sizeof header, &written, nullptr) &&
           WriteFile(out.get(), pixels.data(), header.biSizeImage, &written, nullptr);
}

std::wstring screenshot_folder() {
    const char* folder = std::getenv("NAMER_E2E_SCREENSHOTS");
    return folder && *folder ? windows_path(folder) : std::wstring();
}

} // namespace namer::e2e
