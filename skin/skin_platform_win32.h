#pragma once

#include "skin/skin_platform.h"

namespace korvane {

// The skin loader's platform values from Windows: GetSystemMetrics(SM_CXFRAME), GetSysColor,
// GetModuleFileNameW and the command line; notices in a message box captioned with the
// application title.
class Win32SkinPlatform : public SkinPlatform {
public:
    int SizingFrameWidth() const override;
    TsColor SystemColor(int index) const override;
    std::u16string ProgramFolder() const override;
    bool HasAcTestArgument() const override;
    void ShowNotice(const std::u16string& text) override;
};

} // namespace korvane
