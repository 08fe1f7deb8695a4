// zunobi-preview: the texts of the data files in the labels that show them.
//
//   zunobi-preview check [FOLDER]      every text in its label: a text that
//                                      runs past its label, a document line
//                                      that wraps, a character the face lacks
//   zunobi-preview show DIR [FOLDER]   a screenshot of each drill's labels
//                                      holding their tallest texts
//   --percent=N                        either, enlarged to N % (125 … 200)
//
// FOLDER is the program folder (default: the folder of this tool).
#include <QApplication>
#include <QDir>
#include <QRawFont>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "app/form_registry.h"
#include "capture/capture.h"
#include "content.h"
#include "data/folders.h"
#include "ui/qt/enlargement.h"
#include "ui/qt/font_map.h"
#include "ui/qt/form_window.h"
#include "ui/qt/widgets.h"
#include "ui/testing.h"
#include "ui/text.h"

namespace {

using namespace zunobi;
using ui::qt::LabelWidget;

// One view on screen; nothing in it navigates, so test services do.
struct Shown {
  Shown(ui::testing::TestServices& t, const preview::ContentView& view)
      : form(app::formRegistry().create(view.formName, t.services)), window(form) {
    form->load();
    window.showCentred();
    if (window.percent() != ui::qt::chosenPercent())
      std::printf("%s: 画面に収まらず %d%% で表示\n", view.name.c_str(), window.percent());
  }
  bool atChosenSize() const { return window.percent() == ui::qt::chosenPercent(); }
  LabelWidget* label(const ui::ControlId& id) {
    return dynamic_cast<LabelWidget*>(window.widgetFor(id));
  }
  std::shared_ptr<ui::Form> form;
  ui::qt::FormWindow window;
};

struct Fit {
  int lines = 0;
  int fitting = 0;  // whole lines the label holds
};

Fit tryIn(Shown& shown, const preview::Sample& s) {
  shown.form->control(s.label.name, s.label.index).setCaption(s.text);
  LabelWidget* l = shown.label(s.label);
  const auto& layout = l->layout();
  return {layout.lineCount(),
          layout.lineHeight() ? l->contentsRect().height() / layout.lineHeight() : 0};
}

std::string hex(uint ch) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "U+%04X", ch);
  return buf;
}

int check(const std::string& folder) {
  data::ScopedProgramFolder windowsRead(folder);
  ui::testing::TestServices t;
  std::vector<std::string> unreadable;
  auto samples = preview::samples(folder, unreadable);
  int problems = 0;
  for (const auto& u : unreadable) {
    std::printf("%s\n", u.c_str());
    ++problems;
  }
  for (const auto& view : preview::contentViews()) {
    Shown shown(t, view);
    if (!shown.atChosenSize()) ++problems;
    std::map<std::string, QRawFont> faces;
    for (const auto& s : samples) {
      if (s.view != view.name) continue;
      Fit fit = tryIn(shown, s);
      const std::string where = s.source + "（" + s.label.text() + "）";
      if (s.oneLine && fit.lines > 1) {
        std::printf("%s: 折り返されます「%s」\n", where.c_str(), s.text.c_str());
        ++problems;
      } else if (fit.lines > fit.fitting) {
        std::printf("%s: 収まりません（%d行、入るのは%d行）\n", where.c_str(), fit.lines,
                    fit.fitting);
        ++problems;
      }
      const ui::Font& font = shown.form->control(s.label.name, s.label.index).font();
      QRawFont raw = QRawFont::fromFont(ui::qt::qtFont(font, ui::qt::chosenPercent()));
      for (uint ch : ui::qt::qtText(s.text).toUcs4()) {
        if (ch == '\n' || ch == ' ' || raw.supportsCharacter(ch)) continue;
        std::printf("%s: %sの字形が%sにありません\n", where.c_str(), hex(ch).c_str(),
                    font.face.c_str());
        ++problems;
      }
    }
  }
  std::printf("文字の表示の検査：%zu 件を調べ、問題 %d 件\n", samples.size(), problems);
  return problems == 0 ? 0 : 1;
}

int show(const QString& dir, const std::string& folder) {
  data::ScopedProgramFolder windowsRead(folder);
  ui::testing::TestServices t;
  std::vector<std::string> unreadable;
  auto samples = preview::samples(folder, unreadable);
  QDir().mkpath(dir);
  int failures = 0;
  for (const auto& view : preview::contentViews()) {
    Shown shown(t, view);
    // Each label with the text that takes the most lines in it.
    std::map<ui::ControlId, std::pair<int, std::string>> tallest;
    for (const auto& s : samples) {
      if (s.view != view.name || s.oneLine) continue;
      int lines = tryIn(shown, s).lines;
      auto& best = tallest[s.label];
      if (lines > best.first || (lines == best.first && s.text.size() > best.second.size()))
        best = {lines, s.text};
    }
    for (const auto& c : shown.form->controls())
      if (c->kind() == ui::ControlKind::Label) c->setCaption("");
    for (const auto& [id, best] : tallest) {
      // A label the window hides until its step comes is shown with its text.
      auto& label = shown.form->control(id.name, id.index);
      label.setCaption(best.second);
      label.show();
      if (!label.parent().name.empty())
        shown.form->control(label.parent().name, label.parent().index).show();
    }
    if (!tools::snap(dir + "/preview-" + QString::fromStdString(view.name) + ".png")) ++failures;
    std::printf("%s\n", view.name.c_str());
  }
  return failures ? 1 : 0;
}

int usage() {
  std::fputs(
      "使い方:\n"
      "  zunobi-preview check [FOLDER]      データの文字がラベルに収まるか検査する\n"
      "  zunobi-preview show DIR [FOLDER]   いちばん長い文字を入れた画面を DIR に保存する\n"
      "  --percent=N                        どちらも N%（125〜200）に拡大して\n",
      stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  Q_INIT_RESOURCE(resources);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.rfind("--percent=", 0) == 0)
      ui::qt::choosePercent(std::atoi(arg.c_str() + 10));
    else
      args.push_back(arg);
  }
  if (args.empty()) return usage();
  ui::qt::prepareFonts();
  QApplication app(argc, argv);
  QApplication::setFont(ui::qt::qtFont(ui::Font{}));
  if (args[0] == "check" && args.size() <= 2)
    return check(args.size() == 2 ? args[1] : data::ProgramFolder());
  if (args[0] == "show" && (args.size() == 2 || args.size() == 3))
    return show(QString::fromStdString(args[1]),
                args.size() == 3 ? args[2] : data::ProgramFolder());
  return usage();
}
