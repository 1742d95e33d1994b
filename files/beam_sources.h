#pragma once
// The beams of the files a command line names: beam files (.json), one beam
// each, and tables of beams (.csv), one beam a row. Each file is opened once
// and checked whole before any beam is handed out: a beam file is read and
// closed, a table stays open until its beams have been handed out, and one
// that changes meanwhile is refused (InputFile).

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "beam.h"
#include "input_file.h"
#include "text_encoding.h"

namespace platewise {

class OutputTarget;

// Named as a beam file: ".json" in any letter case.
bool is_beam_file(const QString& path);

class BeamSources {
 public:
  // Opens and checks every file of `files`, in order; `output`, if given,
  // may be none of them. Throws FileError, also for a file that is neither
  // a beam file nor a table.
  explicit BeamSources(const QStringList& files, const OutputTarget* output = nullptr);
  ~BeamSources();

  // How many beams the files hold.
  int beam_count() const { return beam_count_; }
  // Calls `each` with every beam, in order. Throws FileError when a table
  // changed since its check.
  void for_each_beam(const std::function<void(const Beam&)>& each);

 private:
  struct Source {
    Beam beam;                         // of a beam file
    std::unique_ptr<InputFile> table;  // a table
    TextEncoding encoding{};           // the table's
  };
  std::vector<Source> sources_;
  int beam_count_ = 0;
};

}  // namespace platewise
