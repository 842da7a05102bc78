#pragma once

#include <string>

#include "console/console_io.hpp"
#include "text/encoding.hpp"

namespace program {

inline constexpr const char* kReportFile = "pi_kontur.txt";

// The whole interactive session: banner, dialog, calculation, report and
// menu, until menu item 9. Returns the exit status: 0 after item 9, 1 when
// the input ends at a read.
// encoding    : the console encoding of every text shown
// report_path : where item 7 appends the file report
int run(console::Console& con, text::Encoding encoding,
        const std::string& report_path = kReportFile);

}  // namespace program
