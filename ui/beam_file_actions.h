#pragma once
// Beam files in the window: the file menu's 打开 (Ctrl+O), 最近打开, 保存
// (Ctrl+S) and 另存为 (Ctrl+Shift+S), and a file dropped on the window.
// Opening fills the inputs and the report information and computes the beam
// as the engineer would; the status line says when the results differ from
// those saved in the file. The caption names the file, with "*" while the
// inputs or the report information differ from the file; closing then asks
// whether to save. A window never tied to a file keeps the caption
// "Platewise1.0" and closes without asking. Files opened or saved go first
// in the list 最近打开.

#include <QObject>
#include <QString>
#include <functional>

#include "beam.h"

namespace platewise {

struct BeamFile;

class MainWindow;

class BeamFileActions : public QObject {
  Q_OBJECT

 public:
  explicit BeamFileActions(MainWindow& window);

  // Opens a beam file. False when it cannot be read (a box says why) or the
  // engineer keeps unsaved changes; the window is then as it was.
  bool open(const QString& path);
  // Shows `beam` in the window, computed as after opening a beam file, tied
  // to no file. False when the engineer keeps unsaved changes; with
  // `ask_first` false, without asking about them.
  bool show_beam(const Beam& beam, bool ask_first = true);
  // Every input and the report's information as the window shows them, under
  // the beam's own name, or else the base name of `path`.
  Beam shown_beam(const QString& path = {}) const;
  // Who opens a file dropped on the window or named at start that is no
  // beam file: it says whether the path is of its kind, and then opens it.
  void set_other_files(std::function<bool(const QString&)> opener) {
    other_files_ = std::move(opener);
  }
  // A beam file, or a file of the other kind. False when a beam file was not opened.
  bool open_any(const QString& path);

  // Saves into `path` through a temporary file. False, with a box saying
  // why, when that fails; the old file and the inputs are then kept.
  bool save_to(const QString& path);
  bool save();     // into the file opened or saved last, or one the engineer picks
  bool save_as();  // into a file the engineer picks
  void pick_and_open();
  // Opens a file of the list 最近打开; one that is gone is said so and left out of the list.
  void open_recent(const QString& path);

  const QString& file() const { return file_; }
  bool is_modified() const { return modified_; }

 protected:
  // Drops of files anywhere on the window, and the question before closing.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void watch_inputs();
  void list_recent_files();
  // Before unsaved inputs go: true when the engineer saved or lets them go.
  bool may_discard_changes();
  // Shows the beam of `file` computed; the status line says how it came out.
  void show(const BeamFile& file);
  // Shows `info` as the window's, its member as the beam's name as it
  // stands; the report panel at once unless `refresh_panel` is false.
  void show_report_info(const ReportInfo& info, bool refresh_panel = true);
  void set_file(const QString& path);
  void set_modified(bool modified);

  MainWindow& window_;
  QString file_;
  // The beam's own name: as the opened file names it, or as the engineer gave
  // it as 构件编号; empty for a new beam.
  std::string name_;
  std::string member_;  // the 构件编号 shown for the name as it stands
  bool modified_ = false;
  // The selected width typed since the last Calculate: only then is it given.
  bool width_edited_ = false;
  std::function<bool(const QString&)> other_files_;
};

}  // namespace platewise
