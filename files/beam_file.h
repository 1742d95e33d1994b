#pragma once
// Beam files: one beam's inputs and the results the window showed, as JSON.
//   {"format": "platewise-beam", "version": 1, "name": "KL-3",
//    "inputs": {"beam_width": "250", …, "redistribution_on": false, …},
//    "results": {"bottom_plate": "A3号钢:4(厚)X131(宽)", …}}
// Input values are texts as typed (a JSON number stands for its number
// text), true/false for the two options. Reading needs only "inputs"; a
// missing name is the file's base name.
// Version 2 adds the beam's report information, all texts, all optional:
//   "report": {"project": "…", "designer": "…", "checker": "…",
//              "approver": "…", "crack_limit": "0.2"}
// A beam without any of it is written as version 1, exactly as before.

#include <QByteArray>
#include <QString>
#include <map>
#include <string>
#include <vector>

#include "beam.h"

namespace platewise {

inline constexpr const char* kBeamFileFormat = "platewise-beam";
// The newest version this program reads; it writes version 1 when it can.
inline constexpr int kBeamFileVersion = 2;
// The version that brought the "report" object.
inline constexpr int kReportVersion = 2;

struct BeamFile {
  Beam beam;
  bool named = false;                          // the name is the file's own, not its base name
  std::map<std::string, std::string> results;  // as saved, by result key
};

// Named as a beam file: ".json" in any letter case.
bool is_beam_file(const QString& path);

// Reads a beam file's bytes (UTF-8); `file` names it in messages. Throws FileError.
BeamFile parse_beam_file(const QByteArray& bytes, const QString& file);
// A beam file of every input given and the results, one for each of
// result_fields(), in order; with the beam's report information, if any.
QByteArray beam_file_bytes(const Beam& beam, const std::vector<std::string>& results);

}  // namespace platewise
