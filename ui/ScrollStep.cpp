#include "ui/ScrollStep.h"

#include <algorithm>

namespace ui {

int NextScrollValue(int value, ScrollRequest request, int thumbPosition, const ScrollRange& range) {
  const int low = std::min(range.minimum, range.maximum);
  const int high = std::max(range.minimum, range.maximum);
  long long next = value;
  switch (request) {
    case ScrollRequest::LineBack:
      next -= range.smallChange;
      break;
    case ScrollRequest::LineForward:
      next += range.smallChange;
      break;
    case ScrollRequest::PageBack:
      next -= range.largeChange;
      break;
    case ScrollRequest::PageForward:
      next += range.largeChange;
      break;
    case ScrollRequest::Thumb:
      next = thumbPosition;
      break;
    case ScrollRequest::First:
      next = low;
      break;
    case ScrollRequest::Last:
      next = high;
      break;
    case ScrollRequest::None:
      break;
  }
  return static_cast<int>(std::clamp<long long>(next, low, high));
}

}  // namespace ui
