#include "soak/soak.h"

#include <algorithm>
#include <chrono>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <stdexcept>

#include "app/form_registry.h"
#include "app/frm1_main.h"
#include "data/cp932.h"
#include "data/data_error.h"
#include "data/document_file.h"
#include "data/folders.h"
#include "data/jyukugo_table.h"
#include "data/record_file.h"
#include "drills/drill_window.h"
#include "soak/data_sets.h"
#include "ui/services_real.h"
#include "ui/testing.h"
#include "ui/window_manager.h"

namespace zunobi::soak {

bool validText(const std::string& s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c == 0) return false;
    const int n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    std::uint32_t cp = n == 1 ? c : n == 2 ? (c & 0x1F) : n == 3 ? (c & 0x0F) : (c & 0x07);
    for (int k = 1; k < n; ++k) {
      const auto t = static_cast<unsigned char>(s[i + k]);
      if ((t >> 6) != 2) return false;
      cp = (cp << 6) | (t & 0x3F);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are no text.
    static constexpr std::uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kLeast[n] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return false;
    i += static_cast<std::size_t>(n);
  }
  return true;
}

namespace {

// One character of a number: a half- or full-width digit, or nothing.
int digitAt(const std::string& s, std::size_t& at) {
  if (at < s.size() && s[at] >= '0' && s[at] <= '9') return s[at++] - '0';
  // Full-width digits: U+FF10 … U+FF19, EF BC 90 … EF BC 99.
  if (at + 2 < s.size() && s.compare(at, 2, "\xEF\xBC") == 0) {
    const auto c = static_cast<unsigned char>(s[at + 2]);
    if (c >= 0x90 && c <= 0x99) {
      at += 3;
      return c - 0x90;
    }
  }
  return -1;
}

// The number at `at`, after spaces, full-width spaces and colons.
std::optional<long> numberAt(const std::string& s, std::size_t at) {
  for (;;) {
    if (at < s.size() && (s[at] == ' ' || s[at] == ':')) {
      ++at;
    } else if (s.compare(at, 3, "\u3000") == 0 || s.compare(at, 3, "\uFF1A") == 0) {
      at += 3;
    } else {
      break;
    }
  }
  bool negative = false;
  if (at < s.size() && s[at] == '-') {
    negative = true;
    ++at;
  }
  long value = 0;
  int digits = 0;
  for (int d; (d = digitAt(s, at)) >= 0 && digits < 12; ++digits) value = value * 10 + d;
  if (digits == 0) return std::nullopt;
  return negative ? -value : value;
}

std::optional<long> after(const std::string& text, const std::string& key) {
  const auto at = text.find(key);
  if (at == std::string::npos) return std::nullopt;
  return numberAt(text, at + key.size());
}

// The numbers written in a text, in order.
std::vector<long> numbersIn(const std::string& s) {
  std::vector<long> out;
  for (std::size_t at = 0; at < s.size();) {
    std::size_t probe = at;
    if (digitAt(s, probe) < 0 && s[at] != '-') {
      ++at;
      continue;
    }
    if (auto n = numberAt(s, at)) out.push_back(*n);
    // Past the number just read.
    if (s[at] == '-') ++at;
    while (digitAt(s, at) >= 0) {
    }
  }
  return out;
}

}  // namespace

long numberAfter(const std::string& text, const std::string& key) {
  return after(text, key).value_or(-1);
}

void Hands::pass(ui::Form& f, std::int64_t ms) {
  carriedMs_ += ms;
  soak_->clock.advance(carriedMs_ / 1000);
  carriedMs_ %= 1000;
  if (f.timer().running()) f.tick();
}

void Hands::readMenu(const ui::FormRegistry& registry) {
  // A view lets the windows prepare ahead while the menu is read.
  registry.prepareAll();
}

namespace {

using Clock = std::chrono::steady_clock;

const std::set<std::string, std::less<>> kSideWindows = {"frm8Info", "frm9Kankyo"};

// Typed text: digits, full-width digits, spaces, kana, signs, long strings.
const char* const kTyped[] = {
    "1",       "0",    "9",      "42", "-3",  "100",      "１",
    "２３",    " ",    "\u3000", "",   "あ",  "ひらがな", "カタカナ",
    "+",       "1.5",  "abc",    "\t", "\n",  "99999999", "１２３４５６７８９０",
    "あ１ a",  "漢字", "ｱｲｳ",    "0x", "--1", "  7  ",    "🍙",
    "\u3000５"};

std::string typedText(std::mt19937_64& pick) {
  if (pick() % 40 == 0) {
    // A long string: a few hundred characters of digits and kana.
    std::string s;
    const int n = 50 + static_cast<int>(pick() % 400);
    for (int i = 0; i < n; ++i) s += kTyped[pick() % std::size(kTyped)];
    return s;
  }
  return kTyped[pick() % std::size(kTyped)];
}

class Soak {
 public:
  explicit Soak(const SoakOptions& options)
      : options_(options),
        pick_(options.seed),
        clock_(ui::DateTime::fromCivil(2026, 12, 6, 9, 0, 0)),
        hands_(options.hands ? options.hands : &modelHands_) {
    if (options_.dataSets.empty()) throw std::invalid_argument("the soak needs a data set");
    hands_->join({pick_, [this](std::string what) { note(std::move(what)); }, clock_});
    useDataSet(0);
    start();
  }

  SoakReport run() {
    const auto began = Clock::now();
    while (report_.actions < options_.actions && report_.ok()) {
      step();
      ++report_.actions;
      ++report_.actionsByDataSet[options_.dataSets[dataSet_].name];
      if (options_.progress && report_.actions % 10000 == 0) options_.progress(report_.actions);
    }
    report_.seconds = std::chrono::duration<double>(Clock::now() - began).count();
    return report_;
  }

 private:
  // --- what the user does ---------------------------------------------------

  void step() {
    if (manager_->ended()) {
      ++report_.restarts;
      start();
    }
    auto loaded = manager_->loadedNames();
    try {
      const bool byHands = hands_->more(*manager_);
      if (byHands) {
        // Done by the hands alone.
      } else if (drillAlone(loaded)) {
        inDrill(loaded[0]);
      } else {
        atMenu(loaded);
      }
      if (const std::string broken = hands_->check(*manager_, report_); !broken.empty())
        fail(broken);
      // The hands may have opened a drill their own way.
      if (const auto now = manager_->loadedNames(); byHands && now != loaded) {
        // What changed under the window before was that window's alone.
        removedDocument_.reset();
        quizBefore_.reset();
        if (drillAlone(now)) arrived(now[0]);
      }
    } catch (const std::exception& e) {
      fail(std::string("an exception escaped: ") + e.what());
      return;
    } catch (...) {
      fail("an exception escaped");
      return;
    }
    check();
  }

  void atMenu(const std::vector<std::string>& loaded) {
    restoreFiles();
    auto menu = manager_->shared(app::Frm1Main::kName);
    std::vector<std::string> sides;
    for (const auto& n : loaded)
      if (kSideWindows.count(n)) sides.push_back(n);
    const unsigned roll = pick_() % 100;
    if (!menu) {
      // Only side windows left (the menu closed beside them).
      act(sides[pick_() % sides.size()], [&](ui::Form& f) { clickSome(f, true); });
      return;
    }
    if (roll < 60) {
      const auto& d = *app::drillInfos()[pick_() % app::drillInfos().size()];
      note("menu: " + std::string(d.menuButton));
      hands_->click(*menu, {std::string(d.menuButton), -1});
      enteredDrill(std::string(d.formName), menu);
    } else if (roll < 66) {
      note("menu: mnuHarumo");
      hands_->click(*menu, {"mnuHarumo", -1});
    } else if (roll < 72) {
      note("menu: Ctrl+Shift+K");
      hands_->shortcut(*menu, app::Frm1Main::kKankyoShortcut);
    } else if (roll < 90 && !sides.empty()) {
      act(sides[pick_() % sides.size()], [&](ui::Form& f) { clickSome(f, true); });
    } else if (roll < 94) {
      useDataSet(pick_() % options_.dataSets.size());
    } else if (roll < 97) {
      // The user reads the menu a while: the view lets the windows prepare
      // ahead, and the data may change before the window opens.
      note("menu: waits");
      hands_->readMenu(manager_->registry());
      if (pick_() % 2 == 0) {
        // ... and 二字熟語.csv is replaced before the puzzle is opened.
        replaceKanjiFile();
        note("menu: cmdNijiJyukugo");
        hands_->click(*menu, {"cmdNijiJyukugo", -1});
        enteredDrill("frm21NijiJyukugo", menu);
      }
    } else if (roll < 98) {
      note("menu: cmdEnd");
      hands_->click(*menu, {"cmdEnd", -1});
      if (!manager_->ended() || !manager_->loadedNames().empty())
        fail("終了 left the program running");
    } else {
      const auto& name = loaded[pick_() % loaded.size()];
      note(name + ": close box");
      hands_->closeBox(*manager_->find(name));
    }
  }

  void inDrill(const std::string& name) {
    auto form = manager_->shared(name);
    auto* drill = dynamic_cast<drills::DrillWindow*>(form.get());
    if (!drill) {
      fail(name + " is no drill window");
      return;
    }
    const auto& frame = drill->frame();
    const unsigned roll = pick_() % 1000;
    if (roll < 5) {
      note(name + ": back " + ui::ControlId{std::string(frame.backButton), frame.backIndex}.text());
      std::weak_ptr<ui::Form> left = form;
      hands_->click(*form, {std::string(frame.backButton), frame.backIndex});
      form.reset();
      wentBack(name, left);
    } else if (roll < 6) {
      note(name + ": close box");
      hands_->closeBox(*form);
      if (!manager_->ended()) fail("closing the only window left the program running");
    } else if (roll < 400) {
      clickSome(*form, false);
    } else if (roll < 560) {
      typeSome(*form);
    } else if (roll < 640) {
      enterSome(*form);
    } else if (roll < 965) {
      tickSome(*form);
    } else if (roll < 970) {
      if (!changeUnderneath(*form)) tickSome(*form);
    } else {
      if (form->resizable()) {
        // From far too small to far too large.
        const int w = 300 + static_cast<int>(pick_() % 60000);
        const int h = 300 + static_cast<int>(pick_() % 40000);
        note(name + ": resize " + std::to_string(w) + "x" + std::to_string(h));
        hands_->resize(*form, w, h);
      } else {
        tickSome(*form);
      }
    }
  }

  template <class Do>
  void act(const std::string& name, Do&& what) {
    auto form = manager_->shared(name);
    if (form) what(*form);
  }

  bool leaves(const ui::Form& f, const ui::Control& c) const {
    if (auto* d = dynamic_cast<const drills::DrillWindow*>(&f))
      return c.name() == d->frame().backButton && c.index() == d->frame().backIndex;
    return false;
  }

  // A click on one of the form's showing buttons, options or menu items.
  void clickSome(ui::Form& f, bool mayLeave) {
    std::vector<const ui::Control*> targets;
    for (const auto& c : f.controls()) {
      const auto k = c->kind();
      if ((k == ui::ControlKind::Button || k == ui::ControlKind::OptionButton ||
           k == ui::ControlKind::Menu) &&
          f.showing(*c) && (mayLeave || !leaves(f, *c)))
        targets.push_back(c.get());
    }
    if (targets.empty()) {
      tickSome(f);
      return;
    }
    const auto& c = *targets[pick_() % targets.size()];
    const std::string name = f.name();
    const ui::ControlId id = c.id();
    note(name + ": click " + id.text());
    hands_->click(f, id);
  }

  const ui::Control* someTextBox(const ui::Form& f) {
    std::vector<const ui::Control*> boxes;
    for (const auto& c : f.controls())
      if (c->kind() == ui::ControlKind::TextBox && f.showing(*c)) boxes.push_back(c.get());
    return boxes.empty() ? nullptr : boxes[pick_() % boxes.size()];
  }

  void typeSome(ui::Form& f) {
    const auto* box = someTextBox(f);
    if (!box) {
      clickSome(f, false);
      return;
    }
    const ui::ControlId id = box->id();
    std::string text = typedText(pick_);
    if (pick_() % 8 == 0) {
      // The user selects all and types over it.
      note(f.name() + ": edit " + id.text() + " to \"" + text.substr(0, 40) + "\"");
      hands_->setText(f, id, text);
    } else {
      note(f.name() + ": type \"" + text.substr(0, 40) + "\" into " + id.text());
      hands_->type(f, id, text);
    }
    if (pick_() % 2 == 0) {
      note(f.name() + ": Enter in " + id.text());
      hands_->enter(f, id);
    }
  }

  void enterSome(ui::Form& f) {
    const auto* box = someTextBox(f);
    if (!box) {
      tickSome(f);
      return;
    }
    const ui::ControlId id = box->id();
    note(f.name() + ": Enter in " + id.text());
    hands_->enter(f, id);
  }

  // A tick of the window's timer, as the toolkit would deliver it, with the
  // clock moved on by the interval, or across a minute, an hour, midnight.
  void tickSome(ui::Form& f) {
    if (!f.timer().running()) {
      // No ticks come; the user waits a while.
      note(f.name() + ": wait (no timer)");
      hands_->pass(f, static_cast<std::int64_t>(pick_() % 5) * 1000);
      return;
    }
    const unsigned roll = pick_() % 100;
    const auto now = clock_.now();
    std::string how = "tick";
    std::int64_t seconds = 0;
    if (roll < 80) {
      seconds = -1;
    } else if (roll < 88) {
      seconds = 60 - now.second();
      how = "tick across a minute";
    } else if (roll < 93) {
      seconds = 3600 - now.minute() * 60 - now.second();
      how = "tick across an hour";
    } else if (roll < 98) {
      seconds = 86400 - now.secondsSinceMidnight() - static_cast<int>(pick_() % 3);
      how = "tick at midnight";
    } else {
      seconds = static_cast<std::int64_t>(pick_() % 200000);
      how = "tick after a long wait";
    }
    note(f.name() + ": " + how + " from " + now.timeText());
    hands_->pass(f, seconds < 0 ? f.timer().interval() : seconds * 1000);
  }

  // --- what must hold -------------------------------------------------------

  void enteredDrill(const std::string& name, std::shared_ptr<ui::Form>& menu) {
    menu.reset();
    const auto loaded = manager_->loadedNames();
    if (loaded != std::vector<std::string>{name})
      fail("the menu's button for " + name + " left " + joined(loaded) + " loaded");
    arrived(name);
  }

  void arrived(const std::string& name) {
    ++report_.visits;
    ++report_.visitsByWindow[name];
    ++report_.visitsByDataSet[options_.dataSets[dataSet_].name];
    if (name == "frm21NijiJyukugo") kanjiAtLoad();
  }

  static bool drillAlone(const std::vector<std::string>& loaded) {
    return loaded.size() == 1 && loaded[0] != app::Frm1Main::kName &&
           !kSideWindows.count(loaded[0]);
  }

  void wentBack(const std::string& name, const std::weak_ptr<ui::Form>& left) {
    if (!left.expired()) fail(name + " is still alive after its back button");
    const auto loaded = manager_->loadedNames();
    if (loaded != std::vector<std::string>{std::string(app::Frm1Main::kName)}) {
      fail("back from " + name + " left " + joined(loaded) + " loaded");
      return;
    }
    // A fresh menu: as its load leaves it.
    auto* menu = manager_->find(app::Frm1Main::kName);
    if (!menu->control("cmdEnd").hasFocus()) fail("back from " + name + ": 終了 lacks the focus");
    if (menu->control("mnuKankyo").visible()) fail("back from " + name + ": 環境作成 is visible");
    for (const auto* d : app::drillInfos())
      if (!menu->showing(menu->control(d->menuButton)))
        fail("back from " + name + ": " + std::string(d->menuButton) + " is hidden");
  }

  void check() {
    if (!report_.ok() || manager_->ended()) return;
    const auto loaded = manager_->loadedNames();
    const bool oneDrill = drillAlone(loaded);
    const bool menuAndSides =
        std::count(loaded.begin(), loaded.end(), std::string(app::Frm1Main::kName)) == 1 &&
        std::all_of(loaded.begin(), loaded.end(),
                    [](const std::string& n) {
                      return n == app::Frm1Main::kName || kSideWindows.count(n);
                    }) &&
        loaded.size() <= 3;
    if (!oneDrill && !menuAndSides) {
      fail("loaded: " + joined(loaded));
      return;
    }
    for (const auto& name : loaded) {
      auto* f = manager_->find(name);
      if (!validText(f->caption())) fail(name + ": the window caption is no valid text");
      for (const auto& c : f->controls())
        if (!validText(c->caption())) fail(name + ": " + c->id().text() + " holds no valid text");
      if (auto* d = dynamic_cast<drills::DrillWindow*>(f)) {
        const auto& fr = d->frame();
        if (!f->showing(f->control(fr.backButton, fr.backIndex)))
          fail(name + ": the back button is not showing");
        counters(*f);
        unmixed(*f);
      }
    }
    for (const auto& p : box_.prompts)
      if (!validText(p)) fail("a message box holds no valid text");
    box_.prompts.clear();
  }

  // Counters read back from the captions that show them.
  void counters(const ui::Form& f) {
    std::optional<long> questions;
    for (const auto& c : f.controls())
      if (auto n = after(c->caption(), "問題数")) questions = n;
    // Runs of ten questions, numbered "問題　1" … "問題　10".
    const auto* drill = app::findDrill(f.name());
    const bool tenQuestions = drill && drill->tenQuestionRuns;
    for (const auto& c : f.controls()) {
      const std::string& s = c->caption();
      const std::string where = f.name() + ": " + c->id().text() + " \"" + s + "\"";
      if (auto right = after(s, "正解数")) {
        if (*right < 0) fail(where + ": a negative count of right answers");
        if (questions && *right > *questions) fail(where + ": more right answers than questions");
      }
      if (auto n = after(s, "問題数"); n && *n < 0) fail(where + ": a negative question count");
      if (const auto at = s.find("所要時間"); at != std::string::npos) {
        // Minutes and seconds, "M分　S秒" or "M：S": never negative, also
        // past midnight; a run of an hour may show all its minutes.
        const auto ms = numbersIn(s.substr(at, s.find('\r', at) - at));
        if (ms.size() < 2 || ms[0] < 0 || ms[1] < 0 || ms[1] > 59)
          fail(where + ": a time taken out of range");
      }
      if (auto n = after(s, "経過時間"); n && *n < 0) fail(where + ": a negative time");
      if (auto n = after(s, "問題　"); n && tenQuestions && (*n < 1 || *n > 10))
        fail(where + ": a question number outside 1 … 10");
    }
    // The document number and the quiz's record number, in the windows that show them.
    if (f.has("lblBunNo")) {
      const std::string& no = f.control("lblBunNo").caption();
      auto n = numberAt(no, 0);
      if (!no.empty() && (no.size() != 3 || !n || *n < 1 || *n > 68))
        fail(f.name() + ": lblBunNo \"" + no + "\" is no document number");
    }
    if (f.has("lblNo")) {
      const std::string& no = f.control("lblNo").caption();
      auto n = numberAt(no, 0);
      if (!no.empty() && (!n || *n < 1 || *n > 10000))
        fail(f.name() + ": lblNo \"" + no + "\" is no record number");
    }
  }

  // --- data that changes while a window is open -----------------------------

  // The file as it was, to put back at the menu: data sets stay as laid out.
  void changeFile(const std::string& path, const std::optional<std::string>& to) {
    std::optional<std::string> was;
    if (std::filesystem::exists(path)) was = readFile(path);
    changed_.push_back({path, std::move(was)});
    if (to) {
      writeFile(path, *to);
    } else {
      std::filesystem::remove(path);
    }
  }

  void restoreFiles() {
    for (auto it = changed_.rbegin(); it != changed_.rend(); ++it) {
      if (it->second) {
        writeFile(it->first, *it->second);
      } else {
        std::filesystem::remove(it->first);
      }
    }
    changed_.clear();
    removedDocument_.reset();
    quizBefore_.reset();
  }

  // Between the read ahead and the load: another data set's file, the file
  // cut short, or none.
  void replaceKanjiFile() {
    ++report_.changes;
    const std::string path = data::DataFolder() + std::string(data::kNijiJyukugoFile);
    const auto& other = options_.dataSets[pick_() % options_.dataSets.size()];
    const std::string otherPath =
        data::DataFolder(other.programFolder) + std::string(data::kNijiJyukugoFile);
    const unsigned how = pick_() % 4;
    if (how == 0) {
      note("data: 二字熟語.csv removed");
      changeFile(path, std::nullopt);
    } else if (how == 1 && std::filesystem::exists(path)) {
      std::string bytes = readFile(path);
      bytes.resize(bytes.empty() ? 0 : pick_() % bytes.size());
      note("data: 二字熟語.csv cut to " + std::to_string(bytes.size()) + " bytes");
      changeFile(path, bytes);
    } else if (std::filesystem::exists(otherPath)) {
      note("data: 二字熟語.csv replaced by that of " + other.name);
      changeFile(path, readFile(otherPath));
    }
  }

  // The kanji the puzzle may show: those of the file as its load found it,
  // and the boxes' captions as the load left them.
  void kanjiAtLoad() {
    kanjiAtLoad_.clear();
    if (auto* f = manager_->find("frm21NijiJyukugo"))
      for (int i = 0; i < 5; ++i) kanjiAtLoad_.insert(f->control("lblKanji", i).caption());
    try {
      for (const auto& r :
           data::readJyukugo(data::DataFolder() + std::string(data::kNijiJyukugoFile)))
        for (const auto* list : {&r.saki, &r.ato})
          for (std::size_t i = 0; i < list->size(); ++i)
            for (auto& c : data::utf8Characters((*list)[i])) kanjiAtLoad_.insert(std::move(c));
    } catch (const data::DataError&) {
      // An unreadable file: the puzzle shows no kanji at all.
    }
  }

  // A document removed while its question shows, or the open question file
  // cut short. False when the window offers neither.
  bool changeUnderneath(ui::Form& f) {
    if (!changed_.empty()) return false;
    if (f.name() == "frm2Bunsyo" && f.showing(f.control("cmdAnswer"))) {
      const std::string no = f.control("lblBunNo").caption();
      const auto n = numberAt(no, 0);
      if (!n) return false;
      const std::string path =
          data::DocumentFolder() + data::DocumentFileName(static_cast<int>(*n));
      try {
        removedDocument_.emplace(no, data::readDocumentFile(path));
      } catch (const data::DataError&) {
        return false;
      }
      note("data: " + data::baseName(path) + " removed while its question shows");
      ++report_.changes;
      changeFile(path, std::nullopt);
      return true;
    }
    if ((f.name() == "frm2Quiz" || f.name() == "frm2Nazo") &&
        !f.control("lblNo").caption().empty()) {
      const std::string path =
          data::DataFolder() +
          std::string(f.name() == "frm2Quiz" ? data::kOmoideQuestions : data::kNazonazoQuestions);
      const std::string bytes = readFile(path);
      if (bytes.empty()) return false;
      if (!quizCopy_) quizCopy_.emplace("zunobi-soak-quiz");
      const std::string copy = quizCopy_->path() + "/before.ran";
      writeFile(copy, bytes);
      quizBefore_.emplace(data::RecordFile::open(copy));
      const std::size_t size = pick_() % bytes.size();
      note("data: " + data::baseName(path) + " cut to " + std::to_string(size) + " bytes");
      ++report_.changes;
      changed_.push_back({path, bytes});
      std::filesystem::resize_file(path, size);
      return true;
    }
    return false;
  }

  // What a window shows comes from one reading of its file, never partly
  // from another: the reader's message, or what it read before.
  void unmixed(const ui::Form& f) {
    const std::string where = f.name() + ": ";
    if (f.name() == "frm21NijiJyukugo") {
      for (int i = 0; i < 5; ++i) {
        const std::string& k = f.control("lblKanji", i).caption();
        if (!k.empty() && !kanjiAtLoad_.count(k))
          fail(where + "lblKanji(" + std::to_string(i) + ") shows " + k +
               ", which 二字熟語.csv did not hold at the load");
      }
    } else if (f.name() == "frm2Bunsyo" && removedDocument_ &&
               f.control("lblBunNo").caption() == removedDocument_->first) {
      const auto& doc = removedDocument_->second;
      const std::string& text = f.control("lblBunsyo").caption();
      const std::string& qs = f.control("lblQs").caption();
      const std::string& answer = f.control("lblAnswer").caption();
      if (!text.empty() && text != data::documentText(doc))
        fail(where + "the document shown is not the one read");
      // A question may stand twice in a document, with different answers.
      bool asked = false, answered = false;
      for (std::size_t i = 0; i < doc.questions.size(); ++i)
        if (doc.questions[i] == qs) {
          asked = true;
          answered = answered || doc.answers[i] == answer;
        }
      if (!qs.empty() && !asked)
        fail(where + "the question \"" + qs + "\" is not the document's");
      else if (!answer.empty() && !answered)
        fail(where + "the answer \"" + answer + "\" is not that of the question shown");
    } else if ((f.name() == "frm2Quiz" || f.name() == "frm2Nazo") && quizBefore_) {
      const auto n = numberAt(f.control("lblNo").caption(), 0);
      if (!n || *n < 1 || *n > quizBefore_->count()) return;
      data::QuizRecord r;
      try {
        r = quizBefore_->read(static_cast<std::int32_t>(*n));
      } catch (const data::DataError&) {
        return;
      }
      const std::string& qs = f.control("lblQs").caption();
      const std::string& ans = f.control("lblAns").caption();
      const std::string& kaisetu = f.control("lblKaisetu").caption();
      const bool itsOwn = qs == r.Question && (ans.empty() || ans == r.Answer) &&
                          (kaisetu.empty() || kaisetu == r.Explanation);
      if (!itsOwn && (!ans.empty() || !kaisetu.empty()))
        fail(where + "record " + std::to_string(*n) + " shows an answer or explanation besides \"" +
             qs + "\"");
    }
  }

  // --- bookkeeping ----------------------------------------------------------

  void start() {
    restoreFiles();
    box_.prompts.clear();
    manager_ = std::make_unique<ui::WindowManager>(
        options_.registry ? *options_.registry : app::formRegistry(), clock_, random_, box_);
    hands_->started(*manager_);
    note("start: frm1Main");
    manager_->show(app::Frm1Main::kName);
  }

  void useDataSet(std::size_t i) {
    restoreFiles();
    dataSet_ = i;
    folder_.reset();
    folder_.emplace(options_.dataSets[i].programFolder);
    note("data: " + options_.dataSets[i].name);
  }

  void note(std::string what) {
    recent_.push_back(std::to_string(report_.actions) + " " + std::move(what));
    if (recent_.size() > 30) recent_.pop_front();
  }

  void fail(const std::string& why) {
    if (!report_.ok()) return;
    std::ostringstream out;
    out << "after " << report_.actions << " actions (seed " << options_.seed << ", data "
        << options_.dataSets[dataSet_].name << "): " << why << "\nthe last actions:\n";
    for (const auto& r : recent_) out << "  " << r << "\n";
    report_.failure = out.str();
  }

  static std::string joined(const std::vector<std::string>& names) {
    std::string s = "[";
    for (const auto& n : names) s += (s.size() > 1 ? ", " : "") + n;
    return s + "]";
  }

  SoakOptions options_;
  std::mt19937_64 pick_;
  Hands modelHands_;
  ui::testing::FakeClock clock_;
  Hands* hands_;
  ui::ClockSeededRandom random_{clock_};
  ui::testing::RecordingMessageBox box_;
  std::unique_ptr<ui::WindowManager> manager_;
  std::optional<data::ScopedProgramFolder> folder_;
  std::size_t dataSet_ = 0;
  std::deque<std::string> recent_;
  std::vector<std::pair<std::string, std::optional<std::string>>> changed_;
  std::set<std::string> kanjiAtLoad_;
  std::optional<std::pair<std::string, data::DocumentFile>> removedDocument_;
  std::optional<ScratchFolder> quizCopy_;
  std::optional<data::RecordFile> quizBefore_;
  SoakReport report_;
};

}  // namespace

SoakReport runSoak(const SoakOptions& options) { return Soak(options).run(); }

}  // namespace zunobi::soak
