#include "input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <QFile>
#include <cerrno>

#include "file_error.h"
#include "system_error.h"

namespace platewise {
namespace {

[[noreturn]] void fail(const QString& path, int error_number) {
  throw FileError(FileFault::Unreadable, path, 0, {},
                  QStringLiteral("无法读取：") + reason_of(error_number, FileUse::Read));
}

// Why a file of this type is not read.
void refuse_unless_regular(const QString& path, mode_t mode) {
  if (S_ISREG(mode)) return;
  QString what = QStringLiteral("是一个设备");
  if (S_ISDIR(mode)) what = QStringLiteral("是一个文件夹");
  if (S_ISFIFO(mode)) what = QStringLiteral("是一个管道(FIFO)");
  if (S_ISSOCK(mode)) what = QStringLiteral("是一个套接字");
  throw FileError(FileFault::NotRegularFile, path, 0, {},
                  what + QStringLiteral("，不是普通文件，不读取"));
}

qint64 nanoseconds(const timespec& time) {
  return static_cast<qint64>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

}  // namespace

InputFile::InputFile(const QString& path) : path_(path) {
  const QByteArray name = QFile::encodeName(path);
  // The type is looked at before opening, since opening a FIFO waits for a
  // writer; and again on what was opened, in case the name changed between.
  struct stat status {};
  if (::stat(name.constData(), &status) != 0) fail(path_, errno);
  refuse_unless_regular(path_, status.st_mode);
  fd_ = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd_ < 0) fail(path_, errno);
  if (::fstat(fd_, &status) != 0) {
    const int error = errno;
    ::close(fd_);
    fail(path_, error);
  }
  if (!S_ISREG(status.st_mode)) {
    ::close(fd_);
    refuse_unless_regular(path_, status.st_mode);
  }
  identity_ = {static_cast<std::uint64_t>(status.st_dev),
               static_cast<std::uint64_t>(status.st_ino)};
  size_ = status.st_size;
  modified_ns_ = nanoseconds(status.st_mtim);
  QIODevice::open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

InputFile::~InputFile() {
  if (fd_ >= 0) ::close(fd_);
}

qint64 InputFile::readData(char* data, qint64 max_size) {
  qint64 total = 0;
  while (total < max_size) {
    const ssize_t got = ::read(fd_, data + total, static_cast<size_t>(max_size - total));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      read_error_ = errno;
      return -1;
    }
    if (got == 0) {
      read_whole_ = true;
      break;
    }
    read_.crc = static_cast<std::uint32_t>(
        ::crc32(read_.crc, reinterpret_cast<const Bytef*>(data + total), static_cast<uInt>(got)));
    total += got;
  }
  read_.bytes += total;
  return total;
}

void InputFile::check_unchanged() {
  if (read_error_ != 0) fail(path_, read_error_);
  struct stat status {};
  if (::fstat(fd_, &status) != 0) fail(path_, errno);
  if (status.st_size != size_ || nanoseconds(status.st_mtim) != modified_ns_) fail_changed();
  if (!read_whole_) return;
  if (!first_whole_read_) first_whole_read_ = read_;
  if (read_ != *first_whole_read_) fail_changed();
}

void InputFile::rewind() {
  check_unchanged();
  if (::lseek(fd_, 0, SEEK_SET) != 0) fail(path_, errno);
  QIODevice::seek(0);
  read_ = {};
  read_whole_ = false;
}

void InputFile::fail_changed() const {
  throw FileError(FileFault::Changed, path_, 0, {},
                  QStringLiteral("在计算过程中被改动了，结果作废，什么也没写；请等它写完再算"));
}

}  // namespace platewise
