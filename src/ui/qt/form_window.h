// The one generic view: renders any form as a real window and forwards the
// user's clicks, keys, resizes and the timer's ticks to the form. It holds
// no drill logic; which window a form is shown in is WindowPool's business.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <map>
#include <memory>
#include <vector>

#include "ui/form.h"
#include "ui/qt/font_map.h"

class QAction;

namespace zunobi::ui::qt {

class FormWindow final : public QMainWindow, public FormView {
 public:
  // A window with no form yet: attach gives it one.
  FormWindow();
  explicit FormWindow(std::shared_ptr<Form> form);
  ~FormWindow() override;

  Form* form() const { return form_.get(); }
  // Renders `form`, in a window that has none.
  void attach(std::shared_ptr<Form> form);
  // Forgets the form: the window is about to go.
  void detach();
  // Forgets the form and hands over the widgets that rendered it, hidden,
  // for the caller to delete: this may run inside one of them. The window
  // can then take another form.
  QWidget* release();
  // The window's title, the form's caption. Left to the caller, as it can
  // cost more than the first paint.
  void showTitle();
  // The widget that renders a control (for tests and screenshots).
  QWidget* widgetFor(const ControlId& id) const;
  QAction* actionFor(const ControlId& id) const;
  QWidget* client() const { return client_; }

  // Sized for its form at the size that fits, and centred, not yet shown.
  void placeCentred();
  void showCentred();

  // Enlargement in percent of the design, as drawn now.
  int percent() const { return percent_; }
  // One step bigger (+1) or smaller (-1), or back to the design size (0),
  // for this window and every window opened later in the run.
  void enlarge(int steps);
  // F10 or Alt: the first menu of the menu bar, ready for the arrows.
  void openMenuFromKeyboard();

  void controlChanged(const Control& control, Property property) override;
  void formChanged(const Form& form, FormProperty property) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void build();
  QWidget* makeWidget(Control& control, QWidget* parent);
  void buildMenus();
  void applyAll(const Control& control);
  void applyPlace(const Control& control);
  void applyTimer();
  void applyClientSize();
  void addKeys();
  void applyName(const Control& control);
  void nameTextBoxesLabelledBy(const Control& label);
  void applyMenuFont();
  void noteNotice(const Control& control, bool changed);
  void tellNotices();
  bool fits(int percent) const;
  int fittingPercent() const;
  void rescale();
  void centre();
  int px(std::int32_t twips) const { return toPixels(twips, percent_); }

  std::shared_ptr<Form> form_;
  QWidget* client_ = nullptr;
  QTimer timer_;
  std::map<ControlId, QWidget*> widgets_;
  std::map<ControlId, QAction*> actions_;
  std::map<QObject*, ControlId> textBoxes_;
  // Notices changed in this handler, and whether their text did.
  std::vector<std::pair<ControlId, bool>> notices_;
  bool syncing_ = false;   // a model change being shown, not user input
  bool altAlone_ = false;  // Alt pressed with no other key yet
  int percent_ = kDesignPercent;
};

}  // namespace zunobi::ui::qt
