#pragma once
// Project files (.pwproj): a building's beams together, with the report
// information they share, as UTF-8 JSON:
//   {"format": "platewise-project", "version": 1,
//    "report": {"project": "某办公楼加固", "designer": "张三", "checker": "",
//               "approver": "", "crack_limit": ""},
//    "beams": [{"name": "KL-1", "inputs": {…}, "results": {…}}, …]}
// Each entry of "beams" holds what a beam file holds besides its format and
// version, by the same rules (beam_file.h): inputs left out keep their start
// texts, "results" may be left out; "report" may be left out. Unknown keys
// are refused, naming the beam's place and the key. Only regular files up
// to kProjectFileLimit are read.

#include <QByteArray>
#include <QString>
#include <map>
#include <string>
#include <vector>

#include "beam.h"

namespace platewise {

inline constexpr const char* kProjectFileFormat = "platewise-project";
inline constexpr int kProjectFileVersion = 1;

struct ProjectBeam {
  Beam beam;                                   // its name and the inputs given
  std::map<std::string, std::string> results;  // as saved, by result key; may be empty

  bool operator==(const ProjectBeam&) const = default;
};

struct Project {
  ReportInfo report;  // project, designer, checker, approver, crack_limit; no member
  std::vector<ProjectBeam> beams;

  bool operator==(const Project&) const = default;
};

// Named as a project file: ".pwproj" in any letter case.
bool is_project_file(const QString& path);

// A project file, or a table (.csv, .xlsx) or beam file (.json) read as a
// project of its beams, in order. Each beam's report information is the
// project's, with the beam's name as its member. Throws FileError.
Project read_project(const QString& path);
// A project file's bytes; `file` names it in messages. Throws FileError.
Project parse_project_file(const QByteArray& bytes, const QString& file);
// The bytes of a project file; a beam's "results" only when it has some.
// The beams' own report information is not written: the project's is theirs.
QByteArray project_file_bytes(const Project& project);
// Writes the project file at `path` whole or not at all (an old file is then
// kept). Throws FileError(Unwritable) naming the reason.
void write_project_file(const QString& path, const Project& project);

}  // namespace platewise
