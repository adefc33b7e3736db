#pragma once
// Twips (1440 to the inch) and device pixels. Window positions and sizes are
// kept in twips, so they mean the same physical length at every screen
// resolution; the conversion uses the screen's real pixels per inch.

namespace ui {

inline constexpr int kTwipsPerInch = 1440;

// A place and size in twips, the way the forms describe their controls.
struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

// Rounds to the nearest pixel, halves away from zero, so a length and its
// negative convert symmetrically (work areas can start left of 0).
int TwipsToPixels(int twips, int pixelsPerInch);
int PixelsToTwips(int pixels, int pixelsPerInch);

}  // namespace ui
