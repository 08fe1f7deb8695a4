// JPEG pictures decoded with libjpeg itself: Qt's image reader loads and
// asks several image plugins first, which costs more than the decoding.
#pragma once

#include <QByteArray>
#include <QImage>

namespace zunobi::ui::qt {

// A null image for data that is not a readable JPEG.
QImage decodeJpeg(const QByteArray& data);

}  // namespace zunobi::ui::qt
