#pragma once
// Reports made for the tests, written to show each rule of the layout: marks,
// verdicts, long formula lines, tables, a run that stopped, a book of beams.

#include <string>

#include "report_book.h"

namespace platewise::testing {

inline constexpr const char* kProject = "滨江花园";
// The alert of a stopped run.
inline constexpr const char* kStopText = "计算中断：裂缝验算中除数为零";

// The report of the beam the window opens with, after 计算; its sketch shows
// b = 250 and h = 600.
ReportModel default_beam_report(const ReportInfo& info = {});

// One beam's report: a table of 15 inputs that goes two to a line, the last
// line half empty, the default beam's sketch, lines with marks and verdicts, a summary with a check
// and a note; `formula_lines` numbered formula lines ("第 7 式 …") make it long.
ReportModel sample_report(const std::string& member, bool complete = true, int formula_lines = 60);

// A book of `beams` beams "KL-1"…, the one at `stopped` (from 0) stopped.
ReportBook sample_book(int beams, int stopped = -1, int formula_lines = 60);

}  // namespace platewise::testing
