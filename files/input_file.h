#pragma once
// An input of a command, read through one open file from the check to the
// computation. Only regular files are read: a folder, a FIFO, a device or a
// socket is refused at once, before anything could wait on it. A file that
// changes while the command runs (its size or modification time, or the
// bytes of a whole read against those of the first whole read) is refused.

#include <QIODevice>
#include <QString>
#include <cstdint>
#include <optional>

namespace platewise {

// The same file, whichever name or link leads to it.
struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
};

class InputFile final : public QIODevice {
 public:
  // Opens `path` for reading. Throws FileError(NotRegularFile) or (Unreadable).
  explicit InputFile(const QString& path);
  ~InputFile() override;

  const QString& path() const { return path_; }
  const FileIdentity& identity() const { return identity_; }
  qint64 size() const override { return size_; }  // when opened
  bool isSequential() const override { return false; }

  // Back to the first byte, for another whole read. Throws FileError(Changed)
  // or (Unreadable), as check_unchanged().
  void rewind();
  // Throws FileError(Unreadable) when a read failed, FileError(Changed) when
  // the file differs from what it was when opened, or a whole read from the
  // first whole read.
  void check_unchanged();

 protected:
  qint64 readData(char* data, qint64 max_size) override;
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  [[noreturn]] void fail_changed() const;

  QString path_;
  int fd_ = -1;
  FileIdentity identity_;
  qint64 size_ = 0;
  qint64 modified_ns_ = 0;
  int read_error_ = 0;
  // What the read under way has read, and the first whole read's bytes: a
  // CRC-32 and a count, a change detector (not a seal) that keeps up with
  // the reading.
  struct Read {
    std::uint32_t crc = 0;
    qint64 bytes = 0;
    bool operator==(const Read&) const = default;
  };
  Read read_;
  bool read_whole_ = false;
  std::optional<Read> first_whole_read_;
};

}  // namespace platewise
