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

struct TwipsSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const TwipsSize&, const TwipsSize&) = default;
};

// Rounds to the nearest pixel, halves away from zero, so a length and its
// negative convert symmetrically (work areas can start left of 0).
int TwipsToPixels(int twips, int pixelsPerInch);
int PixelsToTwips(int pixels, int pixelsPerInch);

// How much a layout that carries text grows with the user's text size, as
// Windows' own dialogs grow with their font: the height of the message font
// its text is drawn in against that of Windows' standard message font, 9
// points, at the same resolution. Never below 1: at the standard text size,
// or with a smaller font, every place stays exactly as given.
struct TextScale {
  int fontHeight = 1;      // pixels
  int standardHeight = 1;  // pixels
  bool Enlarges() const { return fontHeight > standardHeight; }
  friend bool operator==(const TextScale&, const TextScale&) = default;
};

inline constexpr int kStandardMessageFontPoints = 9;

// The scale for a message font of that height in pixels (a LOGFONT's
// lfHeight, either sign) at that resolution.
TextScale TextScaleFor(int fontHeight, int pixelsPerInch);

// A length in twips grown by the scale, to the nearest twip.
int ScaledTwips(int twips, TextScale scale);
// The length that the scale grows to at least <twips>: what a layout must
// give a text that takes that much at the scale.
int TwipsBeforeScale(int twips, TextScale scale);

// A place at a resolution and a text scale, in pixels. Edges are converted,
// not sizes, so two places that share an edge in twips share it in pixels.
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};
PixelRect TwipsToPixels(const TwipsRect& place, int pixelsPerInch, TextScale scale);

}  // namespace ui
