#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "gfx/bitmap32.h"
#include "render/skin_paint_source.h"

namespace korvane {

// One picture painted by PaintEverySection: a section's face in a state, or a part of it.
struct SectionSample {
    int SectionIndex = -1; // -1 for pictures of an image entry alone
    int MaskIndex = -1;    // the image entry of an entry picture, else -1
    int State = 0;
    std::string Label; // what the picture shows: "state 1", "fade 0-1", "glow", "tile mode 3" ...
    Bitmap32 Picture;
};

// What PaintEverySection paints.
struct SampleRequest {
    int Width = 64;
    int Height = 24;
    // What lies behind every face (0x00BBGGRR): a skin's GLOBALINFO colour.
    std::uint32_t BackgroundColor = 0x00F0F0F0;
    int Section = -1; // only this section; -1 every one
    int State = -1;   // only this state; -1 every state of the section
    // Also the pictures of every image entry by itself: each state image in every state and both
    // modes, each borders mask in every state, each texture in every fill mode, each gradient.
    bool EveryPainter = false;
};

// The states a section is painted in: its state count, at least 1 and at most this many.
inline constexpr int kMaxSampledStates = 6;

// Paints every section (or the requested one) through the painters the controls use: for each
// state its face (background, corner images and borders mask, over the background colour), then
// a fade frame halfway from state 0 to state 1 and its glow when the section has them. Each
// picture is handed to `take` as it is done. Painting reports nothing: what cannot be painted is
// left as the background.
void PaintEverySection(const SkinPaintSource& skin, const SampleRequest& request,
                       const std::function<void(SectionSample&&)>& take);

} // namespace korvane
