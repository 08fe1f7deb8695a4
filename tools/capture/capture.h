// Screenshots for the tools that look at windows under a real X server.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QString>

namespace zunobi::tools {

inline void settle(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The screen as ImageMagick sees it; Qt's own grab where it is missing.
inline bool snap(const QString& file) {
  settle(250);
  if (!QStandardPaths::findExecutable("import").isEmpty() &&
      QProcess::execute("import", {"-window", "root", file}) == 0)
    return true;
  return QGuiApplication::primaryScreen()->grabWindow(0).save(file);
}

}  // namespace zunobi::tools
