#pragma once
// Where a scroll bar's value goes on each kind of request, kept within its
// range the way the arrow, page and thumb requests have always moved it.

namespace ui {

enum class ScrollRequest { LineBack, LineForward, PageBack, PageForward, Thumb, First, Last, None };

struct ScrollRange {
  int minimum = 0;
  int maximum = 0;
  int smallChange = 1;
  int largeChange = 1;
};

int NextScrollValue(int value, ScrollRequest request, int thumbPosition, const ScrollRange& range);

}  // namespace ui
