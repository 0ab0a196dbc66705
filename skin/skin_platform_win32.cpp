#include "skin/skin_platform_win32.h"

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "skin/skin_values.h"

namespace korvane {

int Win32SkinPlatform::SizingFrameWidth() const
{
    return GetSystemMetrics(SM_CXFRAME);
}

TsColor Win32SkinPlatform::SystemColor(int index) const
{
    return static_cast<TsColor>(GetSysColor(index));
}

std::u16string Win32SkinPlatform::ProgramFolder() const
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of(L"\\/");
    path.resize(slash == std::wstring::npos ? 0 : slash + 1);
    return std::u16string(path.begin(), path.end());
}

bool Win32SkinPlatform::HasAcTestArgument() const
{
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (argv == nullptr) {
        return false;
    }
    std::vector<std::u16string> arguments;
    for (int i = 1; i < count; ++i) {
        const std::wstring arg(argv[i]);
        arguments.emplace_back(arg.begin(), arg.end());
    }
    LocalFree(argv);
    return korvane::HasAcTestArgument(arguments);
}

void Win32SkinPlatform::ShowNotice(const std::u16string& text)
{
    const std::wstring message(text.begin(), text.end());
    MessageBoxW(nullptr, message.c_str(), L"Information", MB_OK | MB_ICONINFORMATION);
}

} // namespace korvane
