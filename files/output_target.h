#pragma once
// Where a command's output goes, and how it gets there whole or not at all:
//  - "-" is standard output;
//  - a regular file, or a name not yet taken, is replaced atomically
//    (QSaveFile): the new file appears whole or not at all;
//  - a target that exists and is not a regular file (a terminal, a FIFO, a
//    device, /dev/stdout and the like, after links are followed) is written
//    into, never replaced; /dev/stdout, /dev/fd/N and /proc/self/fd/N are
//    the program's own open files, written where they stand (appended to
//    a log file opened with >>).
// Output is held back until commit(): in QSaveFile's temporary file beside a
// regular target, else in an unnamed temporary file, so a run that fails
// before commit() writes nothing anywhere. Every write is checked to its
// end, the flush and the close included.

#include <QIODevice>
#include <QSaveFile>
#include <QString>
#include <memory>
#include <optional>

#include "input_file.h"

namespace platewise {

class OutputTarget {
 public:
  // Whether commit() may wait for a FIFO's reader, as a command does, or
  // must not, as the window must not.
  enum class Waiting { ForReader, Never };

  // `name` as the engineer gave it. `standard_output` is the descriptor of
  // standard output, or -1 when "-" is only a name. Throws FileError
  // (Unwritable) when the target cannot be written, naming it and the reason.
  OutputTarget(const QString& name, int standard_output, Waiting waiting = Waiting::ForReader);
  ~OutputTarget();  // without commit(): nothing written, an old file kept

  // Throws FileError(SameAsInput), naming both, when the target is `input`.
  void refuse_input(const InputFile& input) const;

  // Where the output goes until commit(). A write that fails is reported by commit().
  QIODevice& device();

  // Puts what was held back into the target. Throws FileError(Unwritable)
  // naming the target and the reason; a regular file is then as it was.
  void commit();

  // "标准输出", or the name.
  const QString& name() const { return name_; }
  // Standard output, an open file, or a target that is no regular file.
  bool written_in_place() const { return kind_ != Kind::Replaced; }

 private:
  class Sink;
  enum class Kind { Replaced, OpenFile, WrittenInPlace };

  [[noreturn]] void fail(int error_number) const;
  [[noreturn]] void fail(const QString& reason) const;
  void hold_back_in_temporary_file();
  void copy_held_back_into(int fd);

  QString name_;
  Waiting waiting_;
  Kind kind_ = Kind::Replaced;
  int fd_ = -1;  // the open file written into: standard output or /dev/fd/N
  std::optional<FileIdentity> identity_;
  bool existed_ = false;
  std::unique_ptr<QSaveFile> save_file_;
  int held_back_ = -1;  // the unnamed temporary file
  std::unique_ptr<Sink> sink_;
};

}  // namespace platewise
