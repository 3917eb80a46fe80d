#pragma once

namespace orvane::pages {

// A ruler slider's steps: `positions` stops, the first centred near x = 0,
// `step` pixels apart, each taking the pixels from half a step before it.
struct Ruler {
  int positions = 11;
  int start = -5;  // where the first stop's pixels begin
  int step = 20;

  // The stop (0 .. positions - 1) for a mouse-up x pixels from the left edge.
  int PositionAt(int x) const;
};

// GetSliderRulerByX: the DPI and AIM sliders are 225 pixels wide and have
// DPI_Count stops.
Ruler DpiRuler(int dpi_count);
int GetSliderRulerByX(int x, int dpi_count);

// The breathing-speed slider: eight stops 30 pixels apart.
constexpr Ruler kBreathSpeedRuler{8, -15, 30};

}  // namespace orvane::pages
