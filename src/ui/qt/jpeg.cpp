#include "ui/qt/jpeg.h"

#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zunobi::ui::qt {
namespace {

struct ErrorJump {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

[[noreturn]] void onError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1);
}

void quiet(j_common_ptr, int) {}

}  // namespace

QImage decodeJpeg(const QByteArray& data) {
  jpeg_decompress_struct info{};
  ErrorJump error{};
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = onError;
  error.manager.emit_message = quiet;
  // Only plain data lives between setjmp and longjmp.
  unsigned char* volatile pixels = nullptr;
  int width = 0, height = 0;
  if (setjmp(error.jump)) {
    jpeg_destroy_decompress(&info);
    std::free(pixels);
    return {};
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
               static_cast<unsigned long>(data.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  width = static_cast<int>(info.output_width);
  height = static_cast<int>(info.output_height);
  const std::size_t stride = static_cast<std::size_t>(width) * 3;
  pixels = static_cast<unsigned char*>(std::malloc(stride * static_cast<std::size_t>(height)));
  if (!pixels) {
    jpeg_destroy_decompress(&info);
    return {};
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = pixels + stride * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);

  QImage image(width, height, QImage::Format_RGB888);
  for (int y = 0; y < height; ++y)
    std::memcpy(image.scanLine(y), pixels + stride * static_cast<std::size_t>(y), stride);
  std::free(pixels);
  return image;
}

}  // namespace zunobi::ui::qt
