#pragma once
#include <algorithm>

// Geometry rules of the main window, in twips (15 twips to a pixel).
namespace Layout {
constexpr int kTwipsPerPixel = 15;
constexpr int px(int twips) { return twips / kTwipsPerPixel; }

// The card area follows the window's outer width. A width that comes out
// negative is dropped and the area keeps its previous width.
inline int picContainerWidth(int windowWidth, int containerLeft, int previousWidth)
{
    const int width = windowWidth - containerLeft - 700;
    return width < 0 ? previousWidth : width;
}

// How much larger than designed the cards are drawn in an area: as large as
// the area lets them, never smaller than designed (the area scrolls
// instead), nor more than twice the size.
inline double cardScale(double areaWidth, double areaHeight, double designWidth, double designHeight)
{
    const double fit = std::min(areaWidth / designWidth, areaHeight / designHeight);
    return std::clamp(fit, 1.0, 2.0);
}

// The card canvas stays centred in the card area.
inline int picture1Left(int containerWidth, int pictureWidth)
{
    return static_cast<int>(containerWidth / 2.0 - pictureWidth / 2.0);
}
} // namespace Layout
