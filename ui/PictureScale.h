#pragma once
// Pictures drawn for several display scales. A picture resource <id> holds
// the picture for 100 % (96 pixels per inch); the same picture drawn for
// 125 %, 150 % and 200 % is the resource <id> + 1000, + 2000 and + 3000. A
// picture is never stretched: the one drawn for the nearest scale at or
// above the display's is shown at its own size.

namespace ui {

// 100, 125, 150 or 200: the scale whose picture serves <pixelsPerInch>.
int PictureScalePercent(int pixelsPerInch);

// The resource holding the picture <id> as drawn for <pixelsPerInch>.
int ScaledPictureResource(int id, int pixelsPerInch);

}  // namespace ui
