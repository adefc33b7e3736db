#pragma once
// The program-wide hourglass: while one of these lives, every window of the
// program shows the wait cursor, whatever control the pointer is over.
// Scoped, so an error on the way out still gives the normal pointer back.

namespace ui {

class BusyCursor {
 public:
  BusyCursor();
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

  static bool Active();
};

}  // namespace ui
