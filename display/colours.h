#pragma once

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
