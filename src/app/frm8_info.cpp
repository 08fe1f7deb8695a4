#include "app/frm8_info.h"

#include <string>

#include "app/version.h"
#include "ui/controls.h"

namespace zunobi::app {
namespace {

const std::string kLicence =
    std::string(kCopyright) +
    "\r\n\r\n"
    "Permission is hereby granted, free of charge, to any person obtaining a "
    "copy of this software and associated documentation files (the "
    "\"Software\"), to deal in the Software without restriction, including "
    "without limitation the rights to use, copy, modify, merge, publish, "
    "distribute, sublicense, and/or sell copies of the Software, and to permit "
    "persons to whom the Software is furnished to do so, subject to the "
    "following conditions:\r\n\r\n"
    "The above copyright notice and this permission notice shall be included "
    "in all copies or substantial portions of the Software.\r\n\r\n"
    "THE SOFTWARE IS PROVIDED \"AS IS\", WITHOUT WARRANTY OF ANY KIND, EXPRESS "
    "OR IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF "
    "MERCHANTABILITY, FITNESS FOR A PARTICULAR PURPOSE AND NONINFRINGEMENT. IN "
    "NO EVENT SHALL THE AUTHORS OR COPYRIGHT HOLDERS BE LIABLE FOR ANY CLAIM, "
    "DAMAGES OR OTHER LIABILITY, WHETHER IN AN ACTION OF CONTRACT, TORT OR "
    "OTHERWISE, ARISING FROM, OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE "
    "USE OR OTHER DEALINGS IN THE SOFTWARE.";

std::vector<ui::ControlSpec> controlTable() {
  using namespace ui;
  return {
      label("lblProduct", kProductName, {360, 240, 3600, 735}).face(faces::Pop).size(24),
      label("lblVersion", "バージョン　" + std::string(kVersion), {4200, 480, 2400, 375})
          .size(10.5),
      label("lblLicenceTitle", "使用許諾（ＭＩＴライセンス）", {360, 1080, 6000, 375}).bold(10.5),
      label("lblLicence", kLicence, {360, 1500, 8160, 4200}).size(8.25),
      // The enlargement keys, for those who need everything bigger.
      label("lblKeys", "画面の拡大：Ctrl＋＋　縮小：Ctrl＋－\r\n元の大きさ：Ctrl＋０",
            {360, 5880, 6240, 615})
          .size(10.5),
      button("cmdClose", "閉じる", {6720, 5880, 1800, 615}).size(10.5),
  };
}

}  // namespace

Frm8Info::Frm8Info(ui::Services& services)
    : ui::Form(services, std::string(kName), controlTable()) {
  setCaption("ズノビについて");
  setClientSize(8880, 6720);
  onClick("cmdClose", [this] { navigator().unload(*this); });
}

void Frm8Info::onLoad() { control("cmdClose").setFocus(); }

}  // namespace zunobi::app
