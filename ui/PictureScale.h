#pragma once
// Pictures drawn for several display scales. A picture resource <id> holds
// the picture for 100 % (96 pixels per inch); the same picture drawn for
// 125 %, 150 %, 200 %, 250 % and 300 % is the resource <id> + 1000, + 2000,
// + 3000, + 4000 and + 5000. A picture is never stretched: the one drawn for
// the nearest scale at or above the display's is shown at its own size.
// Icons hold images of fixed sides; the largest that fits its place is shown.

namespace ui {

// The scales drawn, in per cent.
inline constexpr int kPictureScales[] = {100, 125, 150, 200, 250, 300};

// The sides of the images in every icon and cursor of the programs: the
// small-icon and large-icon sizes at 100 to 300 %, the large ones of
// Explorer's views, and 256 for its largest view.
inline constexpr int kIconSides[] = {16, 20, 24, 32, 40, 48, 64, 80, 96, 256};

// The scale whose picture serves <pixelsPerInch>.
int PictureScalePercent(int pixelsPerInch);

// The resource holding the picture <id> as drawn for <pixelsPerInch>.
int ScaledPictureResource(int id, int pixelsPerInch);

// The largest side of kIconSides within a box of that many pixels; the
// smallest side for a smaller box.
int IconSideFitting(int pixels);

}  // namespace ui
