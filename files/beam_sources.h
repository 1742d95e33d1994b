#pragma once
// The beams of the files a command line names: beam files (.json), one beam
// each, project files (.pwproj), one beam an entry, and tables of beams
// (.csv, .xlsx), one beam a row. Each file is opened once and checked whole
// before any beam is handed out: a beam file, a project file and a workbook
// are read and closed, a CSV table stays open until its beams have been
// handed out, and one that changes meanwhile is refused (InputFile).

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "beam.h"
#include "beam_file.h"
#include "input_file.h"
#include "text_encoding.h"

namespace platewise {

class OutputTarget;

class BeamSources {
 public:
  // Opens and checks every file of `files`, in order; `output`, if given,
  // may be none of them. Throws FileError, also for a file that is neither
  // a beam file, a project file nor a table.
  explicit BeamSources(const QStringList& files, const OutputTarget* output = nullptr);
  ~BeamSources();

  // How many beams the files hold.
  int beam_count() const { return beam_count_; }
  // Calls `each` with every beam, in order. Throws FileError when a table
  // changed since its check.
  void for_each_beam(const std::function<void(const Beam&)>& each);

 private:
  struct Source {
    std::vector<Beam> beams;           // of a beam file, a project file or a workbook
    std::unique_ptr<InputFile> table;  // a CSV table
    TextEncoding encoding{};           // the table's
  };
  std::vector<Source> sources_;
  int beam_count_ = 0;
};

}  // namespace platewise
