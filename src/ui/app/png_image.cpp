#include "ui/app/png_image.h"

#include <png.h>
#include <QHash>

#include "core/resources/resources.h"

namespace orvane::ui {

QImage DecodePng(std::span<const uint8_t> bytes) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return {};
  image.format = PNG_FORMAT_RGBA;
  QImage decoded(static_cast<int>(image.width), static_cast<int>(image.height),
                 QImage::Format_RGBA8888);
  if (decoded.isNull() ||
      !png_image_finish_read(&image, nullptr, decoded.bits(), decoded.bytesPerLine(), nullptr)) {
    png_image_free(&image);
    return {};
  }
  return decoded;
}

QImage SkinImage(const QString& name) {
  const auto bytes = resources::FindResource(name.toStdString());
  return bytes ? DecodePng(*bytes) : QImage();
}

namespace {

QPixmap DecodeSkinPicture(const QString& name, bool transparent_maroon) {
  QImage image = SkinImage(name);
  if (image.isNull() || !transparent_maroon) return QPixmap::fromImage(image);
  image = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if ((line[x] & 0xFFFFFF) == 0x800000) line[x] = 0;
    }
  }
  return QPixmap::fromImage(image);
}

}  // namespace

// The pictures never change while the program runs: each is decoded once
// (the pages show some of them a hundred times) and shared.
QPixmap SkinPicture(const QString& name, bool transparent_maroon) {
  static QHash<QString, QPixmap> decoded[2];
  QHash<QString, QPixmap>& cache = decoded[transparent_maroon ? 1 : 0];
  const auto found = cache.constFind(name);
  if (found != cache.constEnd()) return *found;
  return cache.insert(name, DecodeSkinPicture(name, transparent_maroon)).value();
}

}  // namespace orvane::ui
