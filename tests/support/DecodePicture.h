#pragma once
// Reads GIF and PNG files back with giflib and libpng, independently of the writers under test.

#include <string>

#include <QImage>
#include <gif_lib.h>
#include <png.h>

namespace tremora::testing {

inline QImage ReadGif(const std::string& path) {
  int error = 0;
  GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
  if (gif == nullptr || DGifSlurp(gif) != GIF_OK || gif->ImageCount < 1) {
    if (gif != nullptr) DGifCloseFile(gif, &error);
    return {};
  }
  const SavedImage& frame = gif->SavedImages[0];
  const ColorMapObject* map = frame.ImageDesc.ColorMap ? frame.ImageDesc.ColorMap : gif->SColorMap;
  QImage image(frame.ImageDesc.Width, frame.ImageDesc.Height, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const GifColorType c = map->Colors[frame.RasterBits[y * image.width() + x]];
      image.setPixel(x, y, qRgb(c.Red, c.Green, c.Blue));
    }
  }
  DGifCloseFile(gif, &error);
  return image;
}

inline QImage ReadPng(const std::string& path) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&png, path.c_str())) return {};
  png.format = PNG_FORMAT_BGRA;  // the byte order of QImage's RGB32 on little-endian machines
  QImage image(static_cast<int>(png.width), static_cast<int>(png.height), QImage::Format_RGB32);
  if (!png_image_finish_read(&png, nullptr, image.bits(), static_cast<png_int_32>(image.bytesPerLine()), nullptr)) {
    return {};
  }
  return image;
}

}  // namespace tremora::testing
