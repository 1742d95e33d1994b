#include "zip_package.h"

#include <zip.h>

#include <memory>

namespace platewise {
namespace {

// 2000-01-01 00:00 UTC: a fixed date for every part, within what ZIP can hold.
constexpr time_t kPartTime = 946684800;

struct SourceFree {
  void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using Source = std::unique_ptr<zip_source_t, SourceFree>;

struct ArchiveDiscard {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ArchiveDiscard>;

bool add_part(zip_t* archive, const PackagePart& part) {
  // The bytes stay with the caller until the archive is written.
  zip_source_t* data = zip_source_buffer(archive, part.bytes.constData(),
                                         static_cast<zip_uint64_t>(part.bytes.size()), 0);
  if (data == nullptr) return false;
  const zip_int64_t index = zip_file_add(archive, part.name.c_str(), data, ZIP_FL_ENC_UTF_8);
  if (index < 0) {
    zip_source_free(data);
    return false;
  }
  const auto at = static_cast<zip_uint64_t>(index);
  return zip_set_file_compression(archive, at, part.stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0) ==
             0 &&
         zip_file_set_mtime(archive, at, kPartTime, 0) == 0;
}

// What the in-memory source holds once the archive is written to it.
QByteArray contents(zip_source_t* source) {
  if (zip_source_open(source) != 0) return {};
  QByteArray bytes;
  char chunk[1 << 14];
  zip_int64_t got = 0;
  while ((got = zip_source_read(source, chunk, sizeof chunk)) > 0) {
    bytes.append(chunk, static_cast<qsizetype>(got));
  }
  zip_source_close(source);
  return got < 0 ? QByteArray() : bytes;
}

}  // namespace

QByteArray zip_package(std::span<const PackagePart> parts) {
  zip_error_t error;
  zip_error_init(&error);
  const Source buffer(zip_source_buffer_create(nullptr, 0, 0, &error));
  zip_error_fini(&error);
  if (!buffer) return {};
  // The archive frees the source it was opened on; the package is read from it after.
  zip_source_keep(buffer.get());
  Archive archive(zip_open_from_source(buffer.get(), ZIP_TRUNCATE, nullptr));
  if (!archive) {
    zip_source_free(buffer.get());  // the reference kept for the archive
    return {};
  }
  for (const PackagePart& part : parts) {
    if (!add_part(archive.get(), part)) return {};
  }
  if (zip_close(archive.get()) != 0) return {};
  archive.release();  // closed: written and freed
  return contents(buffer.get());
}

}  // namespace platewise
