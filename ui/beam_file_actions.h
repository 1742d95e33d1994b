#pragma once
// Beam files in the window. Ctrl+O opens one, Ctrl+S saves, Ctrl+Shift+S
// saves under another name, and a file dropped on the window opens. Opening
// fills the inputs and computes the beam as the engineer would; the status
// line says when the results differ from those saved in the file. The
// caption names the file, with "*" while the inputs differ from the file;
// closing then asks whether to save. A window never tied to a file keeps the
// caption "Platewise1.0" and closes without asking.

#include <QObject>
#include <QString>

#include "beam.h"

namespace platewise {

class MainWindow;

class BeamFileActions : public QObject {
  Q_OBJECT

 public:
  explicit BeamFileActions(MainWindow& window);

  // Opens a beam file. False when it cannot be read (a box says why) or the
  // engineer keeps unsaved changes; the window is then as it was.
  bool open(const QString& path);
  // Saves into `path` through a temporary file. False, with a box saying
  // why, when that fails; the old file and the inputs are then kept.
  bool save_to(const QString& path);
  bool save();     // into the file opened or saved last, or one the engineer picks
  bool save_as();  // into a file the engineer picks
  void pick_and_open();

  const QString& file() const { return file_; }
  bool is_modified() const { return modified_; }

 protected:
  // Drops of files anywhere on the window, and the question before closing.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void watch_inputs();
  // Before unsaved inputs go: true when the engineer saved or lets them go.
  bool may_discard_changes();
  // Every input as the window shows it, under the name read from the beam's
  // file, or else the base name of `path`.
  Beam shown_beam(const QString& path) const;
  void set_file(const QString& path);
  void set_modified(bool modified);

  MainWindow& window_;
  QString file_;
  std::string name_;  // as the opened file names the beam; empty for a new beam
  bool modified_ = false;
  // The selected width typed since the last Calculate: only then is it given.
  bool width_edited_ = false;
};

}  // namespace platewise
