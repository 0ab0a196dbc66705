#pragma once

#include <string>
#include <vector>

#include "skin/skin_records.h"

namespace korvane {

// Platform values the skin loader needs: the sizing-frame width (SM_CXFRAME), the system
// colours (GetSysColor), the program's folder and command line, and a way to show the version
// notices. The Windows implementation is Win32SkinPlatform; PortableSkinPlatform gives fixed
// values for tests and tools.
class SkinPlatform {
public:
    virtual ~SkinPlatform() = default;
    // Width of a sizing frame in pixels (SM_CXFRAME): the default of FORMOFFSET.
    virtual int SizingFrameWidth() const = 0;
    // The colour 0x00BBGGRR of system colour `index` (COLOR_BTNFACE = 15 ...).
    virtual TsColor SystemColor(int index) const = 0;
    // Folder of the running executable, with a trailing backslash.
    virtual std::u16string ProgramFolder() const = 0;
    // True when the command line holds "/actest" (compared lower-cased).
    virtual bool HasAcTestArgument() const = 0;
    // Shows a notice and returns when the user has closed it.
    virtual void ShowNotice(const std::u16string& text) = 0;

    // A colour as read from the options: -1 stays -1, other negative values are system-colour
    // references whose low byte is the index.
    TsColor ConvertColor(TsColor color) const;
};

// System colour indexes used by the skin code.
inline constexpr int kColorWindow = 5;
inline constexpr int kColorWindowText = 8;
inline constexpr int kColorHighlight = 13;
inline constexpr int kColorHighlightText = 14;
inline constexpr int kColorBtnFace = 15;
// The system-colour reference of index i: 0xFF000000 | i, negative as a 32-bit value.
inline constexpr TsColor SysColorRef(int index)
{
    return static_cast<TsColor>(0xFF000000u | static_cast<uint32_t>(index));
}

// Fixed values: the classic Windows colour scheme, a sizing frame of 4 pixels; notices are
// collected instead of shown.
class PortableSkinPlatform : public SkinPlatform {
public:
    explicit PortableSkinPlatform(std::u16string programFolder = u"", bool acTest = false)
        : m_programFolder(std::move(programFolder))
        , m_acTest(acTest)
    {
    }

    int SizingFrameWidth() const override { return m_frameWidth; }
    TsColor SystemColor(int index) const override;
    std::u16string ProgramFolder() const override { return m_programFolder; }
    bool HasAcTestArgument() const override { return m_acTest; }
    void ShowNotice(const std::u16string& text) override { m_notices.push_back(text); }

    void SetSizingFrameWidth(int width) { m_frameWidth = width; }
    const std::vector<std::u16string>& Notices() const { return m_notices; }

private:
    std::u16string m_programFolder;
    bool m_acTest = false;
    int m_frameWidth = 4;
    std::vector<std::u16string> m_notices;
};

} // namespace korvane
