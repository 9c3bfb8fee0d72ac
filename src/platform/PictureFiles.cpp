#include "platform/PictureFiles.h"

#include <cerrno>
#include <csetjmp>
#include <new>
#include <unordered_map>

#include <gif_lib.h>
#include <png.h>

#include "base/Errors.h"
#include "base/SafeFileWrite.h"

namespace tremora {

namespace {

QImage AsRgb32(const QImage& picture) {
  return picture.format() == QImage::Format_RGB32 ? picture : picture.convertToFormat(QImage::Format_RGB32);
}

bool ExactPalette(const QImage& rgb, IndexedPicture& out) {
  std::unordered_map<QRgb, unsigned char> index_of;
  for (int y = 0; y < rgb.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb colour = row[x] & 0xFFFFFF;
      auto found = index_of.find(colour);
      if (found == index_of.end()) {
        if (out.palette.size() == 256) return false;
        found = index_of.emplace(colour, static_cast<unsigned char>(out.palette.size())).first;
        out.palette.push_back(colour);
      }
      out.indices.push_back(found->second);
    }
  }
  return true;
}

void MedianCut(const QImage& rgb, IndexedPicture& out) {
  const std::size_t count = static_cast<std::size_t>(rgb.width()) * rgb.height();
  std::vector<GifByteType> red(count), green(count), blue(count);
  std::size_t k = 0;
  for (int y = 0; y < rgb.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x, ++k) {
      red[k] = static_cast<GifByteType>(qRed(row[x]));
      green[k] = static_cast<GifByteType>(qGreen(row[x]));
      blue[k] = static_cast<GifByteType>(qBlue(row[x]));
    }
  }
  int size = 256;
  std::vector<GifColorType> map(256);
  out.indices.assign(count, 0);
  if (GifQuantizeBuffer(static_cast<unsigned>(rgb.width()), static_cast<unsigned>(rgb.height()), &size, red.data(),
                        green.data(), blue.data(), out.indices.data(), map.data()) == GIF_ERROR) {
    throw std::bad_alloc();  // the quantiser fails only when it cannot allocate
  }
  out.palette.clear();
  for (int i = 0; i < size; ++i) out.palette.push_back(qRgb(map[i].Red, map[i].Green, map[i].Blue) & 0xFFFFFF);
}

}  // namespace

IndexedPicture ToIndexed(const QImage& picture) {
  const QImage rgb = AsRgb32(picture);
  IndexedPicture out;
  out.width = rgb.width();
  out.height = rgb.height();
  out.indices.reserve(static_cast<std::size_t>(out.width) * out.height);
  if (!ExactPalette(rgb, out)) {
    out.palette.clear();
    out.indices.clear();
    MedianCut(rgb, out);
  }
  return out;
}

namespace {

// giflib and libpng hand their bytes to these callbacks, so that a picture is written like every
// other file of the program.
int GifOutput(GifFileType* gif, const GifByteType* bytes, int length) {
  return static_cast<OutputFile*>(gif->UserData)->Write(bytes, static_cast<std::size_t>(length)) ? length : 0;
}

void WriteGifContent(const IndexedPicture& indexed, const std::vector<GifColorType>& colours, OutputFile& out) {
  int error = 0;
  GifFileType* gif = EGifOpen(&out, GifOutput, &error);
  if (gif == nullptr) return out.Fail(ENOMEM);
  ColorMapObject* map = GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
  bool ok = map != nullptr && EGifPutScreenDesc(gif, indexed.width, indexed.height, 8, 0, map) == GIF_OK &&
            EGifPutImageDesc(gif, 0, 0, indexed.width, indexed.height, false, nullptr) == GIF_OK;
  for (int y = 0; ok && y < indexed.height; ++y) {
    ok = EGifPutLine(gif, const_cast<GifPixelType*>(indexed.indices.data()) + static_cast<std::size_t>(y) * indexed.width,
                     indexed.width) == GIF_OK;
  }
  GifFreeMapObject(map);
  const bool closed = EGifCloseFile(gif, &error) == GIF_OK;
  if (!ok || !closed) out.Fail(out.error_number() != 0 ? out.error_number() : EIO);
}

}  // namespace

void WriteGif(const QImage& picture, const std::string& path) {
  const IndexedPicture indexed = ToIndexed(picture);
  // A GIF colour table has a power-of-two size of at least 2.
  int table_size = 2;
  while (table_size < static_cast<int>(indexed.palette.size())) table_size *= 2;
  std::vector<GifColorType> colours(table_size, GifColorType{0, 0, 0});
  for (std::size_t i = 0; i < indexed.palette.size(); ++i) {
    colours[i] = GifColorType{GifByteType(qRed(indexed.palette[i])), GifByteType(qGreen(indexed.palette[i])),
                              GifByteType(qBlue(indexed.palette[i]))};
  }
  WriteFileSafely(path, [&](OutputFile& out) { WriteGifContent(indexed, colours, out); });
}

namespace {

void PngOutput(png_structp png, png_bytep bytes, png_size_t length) {
  static_cast<OutputFile*>(png_get_io_ptr(png))->Write(bytes, length);
}

void PngFlush(png_structp) {}

// libpng reports errors by longjmp; nothing with a destructor lives between setjmp and the jump.
bool WritePngRows(OutputFile& out, const QImage& rgb, std::vector<png_byte>& row) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &out, PngOutput, PngFlush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(rgb.width()), static_cast<png_uint_32>(rgb.height()), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < rgb.height(); ++y) {
    const QRgb* pixels = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) {
      row[3 * x] = static_cast<png_byte>(qRed(pixels[x]));
      row[3 * x + 1] = static_cast<png_byte>(qGreen(pixels[x]));
      row[3 * x + 2] = static_cast<png_byte>(qBlue(pixels[x]));
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

void WritePng(const QImage& picture, const std::string& path) {
  const QImage rgb = AsRgb32(picture);
  std::vector<png_byte> row(static_cast<std::size_t>(rgb.width()) * 3);
  WriteFileSafely(path, [&](OutputFile& out) {
    if (!WritePngRows(out, rgb, row)) out.Fail(ENOMEM);
  });
}

}  // namespace tremora
