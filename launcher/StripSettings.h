#pragma once
// The launcher's six settings, as the window holds them in its fields and
// keeps them in its WindowSettings store.
#include "settings/WindowSettings.h"

namespace launcher {

// The corner of the work area the strip docks in; stored as "Pos", 0 to 3
// in this order.
enum class Corner { TopLeft, TopRight, BottomRight, BottomLeft };

struct StripSettings {
  Corner corner = Corner::TopLeft;
  bool topMost = false;
  bool largeButtons = false;  // stored as "LageButton", as it always was
  bool powerOff = false;
  bool autoEject = false;
  bool standbyButton = false;
  friend bool operator==(const StripSettings&, const StripSettings&) = default;
};

// Reads the six in their fixed order, each with its default. A corner that
// is not one of the four (a value this program never writes) reads as top
// left; what the store cannot turn into a number or a Boolean comes back as
// the default from the helper itself.
StripSettings ReadStripSettings(const settings::WindowSettings& helper);

// Writes all six, in the same order.
void WriteStripSettings(settings::WindowSettings& helper, const StripSettings& settings);

}  // namespace launcher
