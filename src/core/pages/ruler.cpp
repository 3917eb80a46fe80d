#include "core/pages/ruler.h"

namespace orvane::pages {

int Ruler::PositionAt(int x) const {
  if (positions < 2 || x <= start) return 0;
  for (int p = 0; p <= positions - 2; ++p) {
    if (start + step * p < x && x <= start + step * (p + 1)) return p;
  }
  return positions - 1;
}

Ruler DpiRuler(int dpi_count) {
  constexpr int kSliderWidth = 225;
  const int step = dpi_count > 0 ? kSliderWidth / dpi_count : kSliderWidth;
  return {dpi_count, -(step / 4), step};
}

int GetSliderRulerByX(int x, int dpi_count) { return DpiRuler(dpi_count).PositionAt(x); }

}  // namespace orvane::pages
