#include "controls/control_kind.h"

namespace korvane {

namespace {

bool Between(ControlKindCode kind, int first, int last)
{
    return kind >= first && kind <= last;
}

} // namespace

std::optional<std::u16string_view> DefaultSectionOfKind(ControlKindCode kind)
{
    switch (kind) {
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 10:
    case 41:
    case 76:
    case 78:
    case 83:
    case 84:
    case 85:
    case 96:
    case 131:
    case 140:
    case 227:
        return u"EDIT";
    case 11:
    case 12:
    case 13:
    case 14:
    case 15:
    case 16:
    case 17:
    case 18:
    case 81:
    case 82:
        return u"COMBOBOX";
    case 19:
        return u"BAR";
    case 20:
        return u"BARTITLE";
    case 32:
    case 152:
        return u"CHECKBOX";
    case 33:
        return u"RADIOBUTTON";
    case 51:
    case 59:
    case 68:
    case 73:
        return u"PANEL";
    case 52:
    case 58:
        return u"PANEL_LOW";
    case 53:
    case 54:
    case 60:
        return u"TOOLBAR";
    case 56:
        return u"DRAGBAR";
    case 57:
        return u"TABSHEET";
    case 74:
    case 226:
        return u"GROUPBOX";
    case 75:
        return u"SPLITTER";
    case 92:
    case 95:
        return u"SPEEDBUTTON";
    case 93:
    case 94:
        return u"BUTTON";
    case 98:
        return u"TOOLBUTTON";
    case 141:
    case 143:
        return u"PAGECONTROL";
    case 151:
        return u"STATUSBAR";
    case 161:
        return u"GAUGE";
    case 165:
        return u"TRACKBAR";
    default:
        return std::nullopt;
    }
}

bool IsColourDrivenKind(ControlKindCode kind)
{
    return Between(kind, 2, 18) || kind == 41 || Between(kind, 76, 84) || kind == 96 || Between(kind, 131, 140);
}

bool IsNeverHotKind(ControlKindCode kind)
{
    return kind == 19 || Between(kind, 51, 74) || kind == 110 || Between(kind, 141, 161);
}

bool HasSharedGlow(ControlKindCode kind)
{
    switch (kind) {
    case 51:
    case 52:
    case 54:
    case 56:
    case 57:
    case 58:
    case 59:
    case 60:
    case 68:
    case 73:
    case 74:
    case 110:
    case 141:
    case 143:
    case 151:
    case 161:
    case 226:
    case 92:
    case 93:
    case 94:
        return false;
    default:
        return true;
    }
}

} // namespace korvane
