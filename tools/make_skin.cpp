// Draws the skin pictures listed in resources/skin/skin.txt as PNG files:
//   make_skin SKIN.txt OUTPUT_FOLDER
// Transparent pixels are exactly 0x800000; nothing is anti-aliased into that
// colour, so the window's shape has no maroon fringe.
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Rgb {
  int r = 0, g = 0, b = 0;
};

constexpr Rgb kTransparent{0x80, 0x00, 0x00};

Rgb ParseRgb(const std::string& hex) {
  const unsigned long v = std::strtoul(hex.c_str(), nullptr, 16);
  return {static_cast<int>(v >> 16 & 0xFF), static_cast<int>(v >> 8 & 0xFF),
          static_cast<int>(v & 0xFF)};
}

Rgb Mix(Rgb a, Rgb b, double t) {
  const auto mix = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return {mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b)};
}

// A drawn colour never lands exactly on the transparent one.
Rgb Opaque(Rgb c) {
  if (c.r == kTransparent.r && c.g == kTransparent.g && c.b == kTransparent.b) c.g = 1;
  return c;
}

class Canvas {
 public:
  Canvas(int width, int height)
      : width_(width), height_(height), pixels_(width * height, kTransparent) {}

  bool Inside(int x, int y, int radius, int inset) const {
    const int left = inset, top = inset, right = width_ - 1 - inset, bottom = height_ - 1 - inset;
    if (x < left || x > right || y < top || y > bottom) return false;
    const int cx = std::clamp(x, left + radius, right - radius);
    const int cy = std::clamp(y, top + radius, bottom - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
  }

  void RoundedPlate(int radius, Rgb fill, Rgb border, int border_width, bool top_light) {
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        if (!Inside(x, y, radius, 0)) continue;
        Rgb c = Inside(x, y, std::max(radius - border_width, 0), border_width) ? fill : border;
        if (top_light && y < height_ / 2)
          c = Mix(c, {255, 255, 255}, 0.06 * (1.0 - 2.0 * y / height_));
        Set(x, y, c);
      }
    }
  }

  void Bar(int y0, int y1, int x0, int x1, Rgb c) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x)
        if (pixels_[y * width_ + x].r != kTransparent.r || pixels_[y * width_ + x].g != 0)
          Set(x, y, c);
  }

  void Line(double x0, double y0, double x1, double y1, double thickness, Rgb c) {
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        const double dx = x1 - x0, dy = y1 - y0;
        const double t =
            std::clamp(((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        const double px = x0 + t * dx - x, py = y0 + t * dy - y;
        if (std::sqrt(px * px + py * py) <= thickness / 2) Set(x, y, c);
      }
    }
  }

  // Fills the ellipse of centre (cx, cy) and radii (rx, ry), only within the
  // box [x0, x1) x [y0, y1) when one is given.
  void Ellipse(double cx, double cy, double rx, double ry, Rgb c, int x0 = 0, int y0 = 0,
               int x1 = 1 << 20, int y1 = 1 << 20) {
    for (int y = std::max(y0, 0); y < std::min(y1, height_); ++y) {
      for (int x = std::max(x0, 0); x < std::min(x1, width_); ++x) {
        const double dx = (x - cx) / rx, dy = (y - cy) / ry;
        if (dx * dx + dy * dy <= 1.0) Set(x, y, c);
      }
    }
  }

  bool Save(const std::string& path) const {
    std::vector<png_byte> bytes;
    bytes.reserve(pixels_.size() * 3);
    for (const Rgb& p : pixels_) {
      bytes.push_back(static_cast<png_byte>(p.r));
      bytes.push_back(static_cast<png_byte>(p.g));
      bytes.push_back(static_cast<png_byte>(p.b));
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width_);
    image.height = static_cast<png_uint_32>(height_);
    image.format = PNG_FORMAT_RGB;
    return png_image_write_to_file(&image, path.c_str(), 0, bytes.data(), 0, nullptr) != 0;
  }

  int width() const { return width_; }
  int height() const { return height_; }

 private:
  void Set(int x, int y, Rgb c) { pixels_[y * width_ + x] = Opaque(c); }

  int width_, height_;
  std::vector<Rgb> pixels_;
};

// The mouse seen from above, its buttons lit in the accent colour: the
// button page numbers them to match its labels.
void DrawMouse(Canvas& canvas, Rgb fill, Rgb border, Rgb accent) {
  const double w = canvas.width(), h = canvas.height();
  const double cx = w / 2;
  canvas.Ellipse(cx, h * 0.55, w * 0.46, h * 0.44, border);  // the shell's outline
  canvas.Ellipse(cx, h * 0.55, w * 0.44, h * 0.425, fill);
  // The two main buttons: the front of the shell, down to 40 % of its length.
  const Rgb key = Mix(fill, accent, 0.35);
  const int front_end = static_cast<int>(h * 0.40);
  canvas.Ellipse(cx, h * 0.55, w * 0.40, h * 0.39, key, 0, 0, static_cast<int>(cx - 2), front_end);
  canvas.Ellipse(cx, h * 0.55, w * 0.40, h * 0.39, key, static_cast<int>(cx + 3), 0, 1 << 20,
                 front_end);
  canvas.Line(cx, h * 0.12, cx, h * 0.42, 3, border);                   // the split between them
  canvas.Line(cx, h * 0.20, cx, h * 0.31, 10, accent);                  // the wheel
  canvas.Line(cx, h * 0.47, cx, h * 0.53, 10, Mix(accent, fill, 0.2));  // DPI, behind it
  canvas.Line(w * 0.07, h * 0.50, w * 0.07, h * 0.58, 7, accent);       // side: back
  canvas.Line(w * 0.07, h * 0.63, w * 0.07, h * 0.71, 7, accent);       // side: forward
  // Three keys on the top: buttons 7, 8 and 9 of the button page's table.
  for (const auto& [x, y] : {std::pair{0.50, 0.62}, std::pair{0.32, 0.47}, std::pair{0.68, 0.47}})
    canvas.Ellipse(w * x, h * y, 8, 7, accent);
}

void Draw(Canvas& canvas, const std::string& kind, Rgb fill, Rgb border, Rgb accent) {
  const int w = canvas.width(), h = canvas.height();
  if (kind == "page") {
    canvas.RoundedPlate(18, fill, border, 2, false);
    canvas.Bar(2, 6, 24, w - 24, accent);  // the accent line along the top edge
  } else if (kind == "panel") {
    canvas.RoundedPlate(12, fill, border, 1, false);
  } else if (kind == "button") {
    canvas.RoundedPlate(std::min(6, h / 3), fill, border, 1, true);
  } else if (kind == "lamp") {
    canvas.RoundedPlate(3, fill, border, 2, false);
    canvas.Bar(5, h - 5, 5, w - 5, accent);
  } else if (kind == "glyph-x") {
    canvas.RoundedPlate(6, fill, border, 1, true);
    canvas.Line(9, 9, w - 10, h - 10, 2.2, accent);
    canvas.Line(w - 10, 9, 9, h - 10, 2.2, accent);
  } else if (kind == "glyph-minus") {
    canvas.RoundedPlate(6, fill, border, 1, true);
    canvas.Line(8, h / 2.0, w - 9, h / 2.0, 2.2, accent);
  } else if (kind == "frame") {
    canvas.RoundedPlate(4, fill, border, 2, false);
  } else if (kind == "bar") {
    canvas.RoundedPlate(std::min(4, h / 2), fill, border, 1, false);
  } else if (kind == "mouse") {
    DrawMouse(canvas, fill, border, accent);
  } else if (kind == "icon") {
    canvas.RoundedPlate(w / 5, fill, border, 2, false);
    canvas.Ellipse(w / 2.0, h * 0.55, w * 0.24, h * 0.34, accent);
    canvas.Line(w / 2.0, h * 0.22, w / 2.0, h * 0.52, 2, fill);
  } else if (kind == "gun") {
    // A rifle in profile: barrel, body, magazine, grip and stock.
    canvas.RoundedPlate(6, fill, border, 1, true);
    const double y = h * 0.42;
    canvas.Line(w * 0.10, y + 4, w * 0.30, y, 5, accent);             // stock
    canvas.Line(w * 0.30, y, w * 0.72, y, 6, accent);                 // body
    canvas.Line(w * 0.72, y - 1, w * 0.92, y - 1, 2.5, accent);       // barrel
    canvas.Line(w * 0.50, y + 3, w * 0.46, y + h * 0.30, 4, accent);  // magazine
    canvas.Line(w * 0.36, y + 3, w * 0.33, y + h * 0.24, 4, accent);  // grip
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_skin SKIN.txt OUTPUT_FOLDER\n");
    return 2;
  }
  std::ifstream in(argv[1]);
  if (!in) {
    std::fprintf(stderr, "make_skin: cannot read %s\n", argv[1]);
    return 1;
  }
  std::string line;
  int drawn = 0;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string name, kind, fill, border, accent;
    int width = 0, height = 0;
    if (!(fields >> name >> width >> height >> kind >> fill >> border) || width <= 0 ||
        height <= 0) {
      std::fprintf(stderr, "make_skin: bad line: %s\n", line.c_str());
      return 1;
    }
    fields >> accent;
    Canvas canvas(width, height);
    Draw(canvas, kind, ParseRgb(fill), ParseRgb(border),
         ParseRgb(accent.empty() ? border : accent));
    if (!canvas.Save(std::string(argv[2]) + "/" + name + ".png")) {
      std::fprintf(stderr, "make_skin: cannot write %s\n", name.c_str());
      return 1;
    }
    ++drawn;
  }
  std::printf("make_skin: %d pictures\n", drawn);
  return 0;
}
