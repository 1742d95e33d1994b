#pragma once
// MainWindow: the program's only window. It is built from the design table,
// under a menu bar and over a status line, owns the calculation state, runs
// the engine's handlers on the engineer's clicks and edits, and gives the
// engine its fields through FormAccess, by their role keys. As a BeamWindow
// it computes a beam opened from a file as the engineer would.

#include <QWidget>
#include <functional>
#include <optional>

#include "beam_state.h"
#include "beam_window.h"
#include "control_factory.h"
#include "form_access.h"
#include "form_handlers.h"
#include "report_info.h"
#include "window_menu.h"

class QAction;
class QLabel;

namespace platewise {

class ReportGroup;

class MainWindow : public QWidget, public FormAccess, public BeamWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  // Part of the window's outward interface since its first design; it does nothing.
  void close_file(const QString& file_name);

  // The widget behind a role key (form_access.h); throws std::invalid_argument
  // when there is none of that kind.
  template <class W = QWidget>
  W* control(std::string_view role) const;

  // BeamWindow
  void reset() override;
  void type(std::string_view control, const std::string& text) override;
  void tick(std::string_view control, bool ticked) override;
  void run_handler(Handler handler) override;
  const DesignTrace& trace() const override { return handlers_.trace(); }
  // Shows in the report panel what handlers run through run_handler did; the
  // window's own events show theirs themselves.
  void refresh_report();

  // Who and what the window's reports are for.
  const ReportInfo& report_info() const { return report_info_; }
  // The report panel shows it at once, unless `refresh_panel` is false for
  // a caller that calculates next and refreshes the panel once then.
  void set_report_info(const ReportInfo& info, bool refresh_panel = true);
  // Opens the dialog 计算书信息 and returns; once the engineer accepts it,
  // sets what they accepted and runs `then`.
  void edit_report_info(std::function<void()> then = {});

  // Shows `first` (a failure or a note) on the status line, then the sum of
  // the design's checks: "验算：1 项不满足（…），详见计算书".
  void show_status(const std::string& first);

  // The menu bar, and the action of each command, which its buttons and shortcut trigger.
  WindowMenu& menu() const { return *menu_; }
  QAction* action(WindowCommand command) const { return menu_->action(command); }

 signals:
  // The report information now differs from what it was.
  void report_info_changed();

 private:
  // How a failing handler is reported: a message box for commands, the
  // status line for edits, which must not interrupt the typing.
  enum class Report { Dialog, StatusLine };

  void wire_handlers();
  void wire_commands();
  // Runs a handler; the failure's message when it stopped on an error, with
  // a message box for Report::Dialog.
  std::optional<std::string> run(Handler handler, Report report);

  // FormAccess and BeamWindow
  std::string text(std::string_view control) const override;
  void set_text(std::string_view control, const std::string& text) override;
  int check_value(std::string_view control) const override;
  int list_index(std::string_view control) const override;
  void set_visible(std::string_view control, bool visible) override;

  BeamState state_;
  ReportInfo report_info_;
  FormHandlers handlers_{state_, *this};
  WindowMenu* menu_;
  ControlMap controls_;
  QLabel* status_line_;
  ReportGroup* report_group_;
};

}  // namespace platewise
