#pragma once
#include <cstdint>

namespace xantu {

// Indices into the standard 16-colour palette.
inline constexpr int colourBlack = 0;
inline constexpr int colourGreen = 2;
inline constexpr int outlineColour = 2;
inline constexpr int colourSelect = 12;
inline constexpr int colourYellow = 14;
inline constexpr int colourLightRed = 12;
inline constexpr int colourWhite = 15;
inline constexpr int listColour = 15;

// The palette's colours as 0xRRGGBB; an index out of range is black.
inline constexpr std::uint32_t paletteRgb(int index) {
    constexpr std::uint32_t kPalette[16] = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xc0c0c0,
        0x808080, 0x0000ff, 0x00ff00, 0x00ffff, 0xff0000, 0xff00ff, 0xffff00, 0xffffff,
    };
    return index >= 0 && index < 16 ? kPalette[index] : kPalette[0];
}

// Board geometry in twips.
inline constexpr double boardLeft = 1050;
inline constexpr double boardTop = 100;
inline constexpr double squareWidth = 495;
inline constexpr double squareHeight = 615;
inline constexpr int boardSize = 9;

// Top-left corner of grid cell (x, y); x and y may be fractional or outside the board.
inline constexpr double cellX(double x) { return boardLeft + x * squareWidth; }
inline constexpr double cellY(double y) { return boardTop + y * squareHeight; }

// Background picture codes.
inline constexpr int kPicTitle = 1;
inline constexpr int kPicHu = 7, kPicKei = 8, kPicKi = 9;

}  // namespace xantu
