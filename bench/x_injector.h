#pragma once

// Key events injected into the X server (XTest), as a keyboard would send
// them; kept apart from Qt, whose headers clash with Xlib's.
class XInjector {
 public:
  XInjector();
  ~XInjector();
  bool Opened() const { return display_ != nullptr; }
  // The key of the letter "a".
  void Key(bool down);

 private:
  void* display_ = nullptr;
  unsigned char keycode_ = 0;
};
