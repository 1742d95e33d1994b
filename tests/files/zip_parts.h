#pragma once
// Zip packages made part by part, for the tests of the workbook reader.

#include <zip.h>

#include <QByteArray>
#include <string>
#include <utility>
#include <vector>

namespace platewise {

using ZipParts = std::vector<std::pair<std::string, QByteArray>>;

inline QByteArray zip_of(const ZipParts& parts) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
  zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
  zip_source_keep(buffer);
  for (const auto& [name, bytes] : parts) {
    zip_source_t* data =
        zip_source_buffer(archive, bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0);
    zip_file_add(archive, name.c_str(), data, ZIP_FL_ENC_UTF_8);
  }
  zip_close(archive);
  QByteArray zipped;
  if (zip_source_open(buffer) == 0) {
    char chunk[1 << 16];
    for (zip_int64_t got = 0; (got = zip_source_read(buffer, chunk, sizeof chunk)) > 0;) {
      zipped.append(chunk, static_cast<qsizetype>(got));
    }
    zip_source_close(buffer);
  }
  zip_source_free(buffer);
  zip_error_fini(&error);
  return zipped;
}

}  // namespace platewise
