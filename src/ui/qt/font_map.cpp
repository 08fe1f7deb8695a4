#include "ui/qt/font_map.h"

#include <fontconfig/fontconfig.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace zunobi::ui::qt {

QString familyFor(std::string_view face) {
  if (face == faces::Gothic) return QStringLiteral("IPAGothic");
  if (face == faces::PMincho) return QStringLiteral("IPAPMincho");
  if (face == faces::Pop) return QStringLiteral("MotoyaLMaru");
  return QStringLiteral("IPAPGothic");
}

namespace {

// Where Debian's font packages put the design faces' files. Elsewhere the
// folders are looked up, which costs a reading of every font folder's cache.
constexpr const char* kPackagedFaceFiles[] = {
    "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf",
    "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf",
    "/usr/share/fonts/opentype/ipafont-mincho/ipamp.ttf",
    "/usr/share/fonts/truetype/motoya-l-maruberi/MTLmr3m.ttf",
};

void addFolderOf(const char* file, std::vector<QByteArray>& folders) {
  // A file reached through a link (Debian's fonts-japanese-gothic.ttf) names
  // a folder full of other faces; its real folder holds just this one.
  char real[PATH_MAX];
  QByteArray folder(realpath(file, real) ? real : file);
  folder.truncate(folder.lastIndexOf('/'));
  if (std::find(folders.begin(), folders.end(), folder) == folders.end()) folders.push_back(folder);
}

bool packagedFolders(std::vector<QByteArray>& folders) {
  for (const char* file : kPackagedFaceFiles)
    if (access(file, R_OK) != 0) return false;
  for (const char* file : kPackagedFaceFiles) addFolderOf(file, folders);
  return true;
}

bool searchedFolders(std::vector<QByteArray>& folders) {
  static const char kFolders[] =
      "<fontconfig>"
      "<dir>/usr/share/fonts</dir>"
      "<dir>/usr/local/share/fonts</dir>"
      "<dir prefix=\"xdg\">fonts</dir>"
      "<cachedir>/var/cache/fontconfig</cachedir>"
      "<cachedir prefix=\"xdg\">fontconfig</cachedir>"
      "</fontconfig>";
  FcConfig* all = FcConfigCreate();
  if (!all) return false;
  bool usable =
      FcConfigParseAndLoadFromMemory(all, reinterpret_cast<const FcChar8*>(kFolders), FcFalse) &&
      FcConfigBuildFonts(all);
  for (std::string_view face : {faces::PGothic, faces::Gothic, faces::PMincho, faces::Pop}) {
    if (!usable) break;
    const QByteArray family = familyFor(face).toUtf8();
    FcPattern* pattern = FcPatternBuild(nullptr, FC_FAMILY, FcTypeString,
                                        reinterpret_cast<const FcChar8*>(family.constData()),
                                        static_cast<char*>(nullptr));
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, static_cast<char*>(nullptr));
    FcFontSet* found = FcFontList(all, pattern, objects);
    usable = found && found->nfont > 0;
    for (int i = 0; usable && i < found->nfont; ++i) {
      FcChar8* file = nullptr;
      if (FcPatternGetString(found->fonts[i], FC_FILE, 0, &file) == FcResultMatch)
        addFolderOf(reinterpret_cast<const char*>(file), folders);
    }
    if (found) FcFontSetDestroy(found);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
  }
  FcConfigDestroy(all);
  return usable;
}

}  // namespace

void prepareFonts() {
  // A configuration that holds just the folders of the design faces.
  std::vector<QByteArray> fontFolders;
  if (!packagedFolders(fontFolders) && !searchedFolders(fontFolders)) return;
  QByteArray xml("<fontconfig>");
  for (const QByteArray& folder : fontFolders)
    xml += "<dir>" + QString::fromUtf8(folder).toHtmlEscaped().toUtf8() + "</dir>";
  xml +=
      "<cachedir>/var/cache/fontconfig</cachedir>"
      "<cachedir prefix=\"xdg\">fontconfig</cachedir></fontconfig>";
  FcConfig* config = FcConfigCreate();
  if (!config) return;
  bool usable = FcConfigParseAndLoadFromMemory(
                    config, reinterpret_cast<const FcChar8*>(xml.constData()), FcFalse) &&
                FcConfigBuildFonts(config);
  if (usable && FcConfigSetCurrent(config)) {
    FcConfigDestroy(config);  // the library holds its own reference now
    return;
  }
  FcConfigDestroy(config);
}

namespace {

QFont designFont(const QString& family, int pixelSize, bool bold) {
  QFont f(family);
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  // Every caption's glyphs are in its own face (a test checks it), so no
  // fallback faces need looking up.
  f.setStyleStrategy(
      QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging | QFont::PreferNoShaping));
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

}  // namespace

QFont qtFont(const Font& font, int percent) {
  // Points at the design's 96 dpi, so text keeps its size against the
  // twips-based geometry whatever the screen reports.
  return designFont(familyFor(font.face),
                    static_cast<int>(std::lround(font.size * 96.0 / 72.0 * percent / 100.0)),
                    font.bold);
}

QColor qtColour(std::uint32_t rgb) {
  return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

QString qtText(const std::string& utf8) {
  QString s = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return s;
}

}  // namespace zunobi::ui::qt
