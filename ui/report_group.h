#pragma once
// The report group "计算书": the panel shows the report of the last run,
// save_report() saves it as PDF, ODT or HTML, print_report() prints it, and
// a double-click on the panel opens a print preview. Before any run both
// ask for one; when inputs changed after the run they ask whether to use
// the report of the earlier inputs or to calculate first; then they have
// the report's information confirmed. Dialogs and the printer are made only
// when first used.

#include <QObject>
#include <functional>
#include <memory>

#include "control_factory.h"
#include "form_handlers.h"
#include "report_model.h"

namespace platewise {

class ReportPrinter;
class ReportView;

class ReportGroup : public QObject {
  Q_OBJECT

 public:
  // `calculate` runs the Calculate command as the button does; true when it completed.
  // `info` is the window's: who and what its reports are for.
  // `confirm_info` has the engineer confirm `info` and runs its argument
  // once they did; it is not run when they cancel.
  ReportGroup(QWidget& window, const ControlMap& controls, const FormHandlers& handlers,
              const FormAccess& form, const ReportInfo& info, std::function<bool()> calculate,
              std::function<void(std::function<void()>)> confirm_info);
  ~ReportGroup() override;

  // Shows the report as it is now; after every Calculate, width edit and hoop-plate run.
  void refresh();
  void save_report() { request(Use::Save); }
  void print_report() { request(Use::Print); }
  // The full-page preview the panel opens on a double-click.
  void preview_report();

  // The question asked about changed inputs: its buttons.
  static constexpr const char* kUseEarlier = "用修改前的计算书";
  static constexpr const char* kCalculateFirst = "先重新计算";

 private:
  enum class Use { Save, Print };
  void inputs_changed();
  // Checks for a run and for changed inputs, then goes on with `use`.
  void request(Use use);
  void go_on(Use use);
  void save();
  void print();
  void preview();
  ReportPrinter& printer();
  void tell(const QString& message);
  // The report as the window shows it now; nothing before any run.
  std::optional<ReportModel> current_report() const;

  QWidget& window_;
  ReportView* view_;
  const FormHandlers& handlers_;
  const FormAccess& form_;
  const ReportInfo& info_;
  std::function<bool()> calculate_;
  std::function<void(std::function<void()>)> confirm_info_;
  std::unique_ptr<ReportPrinter> printer_;
  std::vector<const InputField*> shown_changes_;  // changed inputs the panel's notice names
  QString folder_;                                // where the last report was saved
};

}  // namespace platewise
