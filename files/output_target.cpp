#include "output_target.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>

#include "file_error.h"
#include "system_error.h"

namespace platewise {
namespace {

// Writes all of `data` into `fd`; 0, or the error number of the write that failed.
int write_all(int fd, const char* data, qint64 size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, static_cast<size_t>(std::min<qint64>(size, 1 << 20)));
    if (written >= 0) {
      data += written;
      size -= written;
    } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
      // Left non-blocking by whoever opened it: wait until it takes more.
      pollfd ready{fd, POLLOUT, 0};
      ::poll(&ready, 1, -1);
    } else if (errno != EINTR) {
      return errno;
    }
  }
  return 0;
}

// The open file of this program a name stands for, following links:
// /dev/stdout, /dev/stderr, /dev/fd/N, /proc/self/fd/N.
std::optional<int> open_file_named(const QString& name) {
  static const QRegularExpression kOpenFile(
      QStringLiteral("^/(?:dev/fd|proc/(?:self|thread-self|%1)/fd)/(\\d+)$").arg(::getpid()));
  QString path = QFileInfo(name).absoluteFilePath();
  for (int links = 0; links < 40; ++links) {
    if (path == QLatin1String("/dev/stdout")) return 1;
    if (path == QLatin1String("/dev/stderr")) return 2;
    if (const QRegularExpressionMatch match = kOpenFile.match(path); match.hasMatch()) {
      return match.captured(1).toInt();
    }
    const QFileInfo link(path);
    if (!link.isSymLink()) break;
    path = link.symLinkTarget();
  }
  return std::nullopt;
}

FileIdentity identity_of(const struct stat& status) {
  return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

}  // namespace

// Writes into a file descriptor through a buffer, and keeps the first error.
class OutputTarget::Sink final : public QIODevice {
 public:
  explicit Sink(int fd) : fd_(fd) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
  bool isSequential() const override { return true; }
  // Writes out the buffer; 0, or the error number of the first write that failed.
  int drain() {
    if (error_ == 0) error_ = write_all(fd_, buffer_.constData(), buffer_.size());
    buffer_.clear();
    return error_;
  }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override {
    if (error_ != 0) return -1;
    buffer_.append(data, size);
    if (buffer_.size() >= kBuffer) drain();
    return error_ == 0 ? size : -1;
  }

 private:
  static constexpr qsizetype kBuffer = 1 << 16;
  int fd_;
  int error_ = 0;
  QByteArray buffer_;
};

OutputTarget::OutputTarget(const QString& name, int standard_output, Waiting waiting)
    : name_(name), waiting_(waiting) {
  std::optional<int> open_file = open_file_named(name);
  if (standard_output >= 0 && (name == QLatin1String("-") || open_file == 1)) {
    open_file = standard_output;
    if (name == QLatin1String("-")) name_ = QStringLiteral("标准输出");
  }
  struct stat status {};
  if (open_file) {
    kind_ = Kind::OpenFile;
    fd_ = *open_file;
    // Closed, or opened only for reading as guard_standard_streams() leaves a closed one.
    const int flags = ::fcntl(fd_, F_GETFL);
    if (flags < 0 || (flags & O_ACCMODE) == O_RDONLY) fail(EBADF);
    if (::fstat(fd_, &status) != 0) fail(errno);
    identity_ = identity_of(status);
    hold_back_in_temporary_file();
    return;
  }
  const QByteArray path = QFile::encodeName(name);
  if (::stat(path.constData(), &status) == 0) {
    identity_ = identity_of(status);
    if (S_ISDIR(status.st_mode)) fail(EISDIR);
    if (S_ISSOCK(status.st_mode)) fail(QStringLiteral("是一个套接字，不能写入"));
    // QSaveFile would refuse a file it may not write without saying why.
    if (::access(path.constData(), W_OK) != 0) fail(errno);
    if (!S_ISREG(status.st_mode)) {
      kind_ = Kind::WrittenInPlace;
      hold_back_in_temporary_file();
      return;
    }
    existed_ = true;
  } else if (errno != ENOENT) {
    fail(errno);
  }
  save_file_ = std::make_unique<QSaveFile>(name);
  errno = 0;
  if (!save_file_->open(QIODevice::WriteOnly)) {
    if (errno != 0) fail(errno);
    fail(save_file_->errorString());
  }
  sink_ = std::make_unique<Sink>(static_cast<int>(save_file_->handle()));
}

OutputTarget::~OutputTarget() {
  sink_.reset();
  if (held_back_ >= 0) ::close(held_back_);
}

void OutputTarget::hold_back_in_temporary_file() {
  const QString folder = QDir::tempPath();
  const QByteArray path = QFile::encodeName(folder);
#ifdef O_TMPFILE
  held_back_ = ::open(path.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
#endif
  if (held_back_ < 0) {  // a system or file system without unnamed files
    QByteArray pattern = path + "/platewise-XXXXXX";
    held_back_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (held_back_ >= 0) ::unlink(pattern.constData());
  }
  if (held_back_ < 0) {
    const int error = errno;
    fail(QStringLiteral("无法在临时文件夹“%1”中暂存输出：%2")
             .arg(folder, reason_of(error, FileUse::Write)));
  }
  sink_ = std::make_unique<Sink>(held_back_);
}

void OutputTarget::refuse_input(const InputFile& input) const {
  if (identity_ && *identity_ == input.identity()) {
    throw FileError(
        FileFault::SameAsInput, name_, 0, {},
        QStringLiteral("就是输入文件“%1”，不能同时作输出；什么也没写").arg(input.path()));
  }
}

QIODevice& OutputTarget::device() { return *sink_; }

void OutputTarget::commit() {
  if (const int error = sink_->drain()) {
    if (held_back_ < 0) fail(error);
    fail(QStringLiteral("无法在临时文件夹“%1”中暂存输出：%2")
             .arg(QDir::tempPath(), reason_of(error, FileUse::Write)));
  }
  switch (kind_) {
    case Kind::Replaced:
      // Errors of writes the system delayed show here, before the old file is replaced.
      if (::fsync(static_cast<int>(save_file_->handle())) != 0) fail(errno);
      errno = 0;
      if (!save_file_->commit()) {
        if (errno != 0) fail(errno);
        fail(save_file_->errorString());
      }
      return;
    case Kind::OpenFile:
      copy_held_back_into(fd_);
      return;
    case Kind::WrittenInPlace: {
      // A FIFO waits here for its reader, as it would for any other program,
      // unless waiting is not wanted.
      const bool wait = waiting_ == Waiting::ForReader;
      const int fd = ::open(QFile::encodeName(name_).constData(),
                            O_WRONLY | O_NOCTTY | O_CLOEXEC | (wait ? 0 : O_NONBLOCK));
      if (fd < 0 && errno == ENXIO && !wait) fail(QStringLiteral("是一个管道，没有程序在读它"));
      if (fd < 0) fail(errno);
      if (!wait) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
      struct stat status {};
      const bool same =
          ::fstat(fd, &status) == 0 && !S_ISREG(status.st_mode) && identity_of(status) == identity_;
      try {
        if (!same) fail(QStringLiteral("在计算过程中被换成了别的文件，什么也没写"));
        copy_held_back_into(fd);
      } catch (...) {
        ::close(fd);
        throw;
      }
      if (::close(fd) != 0 && errno != EINTR) fail(errno);
      return;
    }
  }
}

void OutputTarget::copy_held_back_into(int fd) {
  QByteArray chunk(1 << 16, Qt::Uninitialized);
  for (off_t offset = 0;;) {
    const ssize_t got =
        ::pread(held_back_, chunk.data(), static_cast<size_t>(chunk.size()), offset);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) fail(errno);
    if (got == 0) return;
    if (const int error = write_all(fd, chunk.constData(), got)) fail(error);
    offset += got;
  }
}

void OutputTarget::fail(int error_number) const { fail(reason_of(error_number, FileUse::Write)); }

void OutputTarget::fail(const QString& reason) const {
  QString failed = QStringLiteral("无法写入：");
  if (kind_ == Kind::Replaced) {
    failed = existed_ ? QStringLiteral("无法保存，原文件未改动：") : QStringLiteral("无法保存：");
  }
  throw FileError(FileFault::Unwritable, name_, 0, {}, failed + reason);
}

}  // namespace platewise
