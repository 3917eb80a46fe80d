#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

#include <cstdint>
#include <span>

namespace orvane::ui {

// Decodes PNG bytes with libpng; a null image for bytes that are not a PNG.
QImage DecodePng(std::span<const uint8_t> bytes);

// An embedded skin picture by name ("BtnS_01"). Pictures laid over others get
// their 0x800000 pixels made see-through; the window background keeps them,
// since the window's shape is cut from that colour.
QPixmap SkinPicture(const QString& name, bool transparent_maroon = true);
QImage SkinImage(const QString& name);

}  // namespace orvane::ui
