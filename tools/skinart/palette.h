#pragma once

#include "tools/skinart/canvas.h"

namespace korvane::graphite {

// The colours of the Graphite skin. The options file repeats the ones it needs as colour
// references; keep the two in step.
inline const ArtColor kAccent = ArtColor::Rgb(77, 163, 255);
inline const ArtColor kAccentHot = ArtColor::Rgb(118, 185, 255);
inline const ArtColor kAccentPressed = ArtColor::Rgb(52, 131, 224);
inline const ArtColor kAccentDeep = ArtColor::Rgb(36, 92, 152);

inline const ArtColor kWindow = ArtColor::Rgb(32, 33, 37);    // form and dialog face
inline const ArtColor kFrameLine = ArtColor::Rgb(58, 60, 66); // inactive window outline
inline const ArtColor kFrameLineActive = ArtColor::Rgb(84, 88, 97);
inline const ArtColor kField = ArtColor::Rgb(23, 24, 27); // edits, lists, scroll tracks
inline const ArtColor kFieldLine = ArtColor::Rgb(64, 67, 74);
inline const ArtColor kButtonLine = ArtColor::Rgb(78, 82, 90);
inline const ArtColor kButtonFace = ArtColor::Rgb(56, 59, 66);
inline const ArtColor kGroupLine = ArtColor::Rgb(56, 59, 65);
inline const ArtColor kDivider = ArtColor::Rgb(62, 65, 72);

inline const ArtColor kText = ArtColor::Rgb(228, 230, 234);
inline const ArtColor kGlyph = ArtColor::Rgb(204, 207, 213);
inline const ArtColor kGlyphDim = ArtColor::Rgb(138, 143, 151);
inline const ArtColor kWhite = ArtColor::Rgb(255, 255, 255);
inline const ArtColor kBlack = ArtColor::Rgb(0, 0, 0);

inline const ArtColor kCloseHot = ArtColor::Rgb(196, 43, 28);
inline const ArtColor kClosePressed = ArtColor::Rgb(158, 34, 24);
inline const ArtColor kCloseGlow = ArtColor::Rgb(240, 72, 56);

inline const ArtColor kThumb = ArtColor::Rgb(78, 82, 90);
inline const ArtColor kThumbHot = ArtColor::Rgb(108, 113, 122);

} // namespace korvane::graphite
