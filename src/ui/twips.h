// Lengths of the window layouts are given in twips; the screen shows 15 twips a pixel.
#pragma once

namespace kestrel::ui {

constexpr int kTwipsPerPixel = 15;

inline int Twips(int twips) { return twips / kTwipsPerPixel; }
inline int ToTwips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace kestrel::ui
