#pragma once
// Picture files of the plots: GIF through giflib and PNG through libpng. A file is either written
// completely or a FileAccessError reaches the caller; an existing file is replaced only by a
// complete new one.

#include <string>
#include <vector>

#include <QImage>

namespace tremora {

// An 8-bit indexed form of a picture: palette of 0x00RRGGBB entries and one index per pixel.
struct IndexedPicture {
  int width = 0;
  int height = 0;
  std::vector<QRgb> palette;
  std::vector<unsigned char> indices;  // row after row
};

// The exact palette when the picture has at most 256 colours (the normal case for the plots),
// otherwise a median-cut reduction to 256 colours.
IndexedPicture ToIndexed(const QImage& picture);

// Throw FileAccessError (with the path) when the file cannot be created or written.
void WriteGif(const QImage& picture, const std::string& path);
void WritePng(const QImage& picture, const std::string& path);

}  // namespace tremora
