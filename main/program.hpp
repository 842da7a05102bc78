#pragma once

// The interactive session of the console programs: banner, dialog, calculation,
// report and the parameter menu.

#include <functional>
#include <string>

#include "console/console_io.hpp"
#include "main/design.hpp"
#include "main/stage_record.hpp"
#include "text/encoding.hpp"

namespace program {

inline constexpr const char* kReportFile = "pi_kontur.txt";

// Sees the stage record after every calculation of a session and how that
// calculation ended; it changes nothing the session shows or does (tests
// compare the record itself through it).
using CalculationObserver = std::function<void(const stage::StageRecord&, design::Outcome)>;

// The whole interactive session: banner, dialog, calculation, report and
// menu, until menu item 9. Returns the exit status: 0 after item 9, 1 when
// the input ends at a read.
// encoding    : the console encoding of every text shown
// report_path : where item 7 appends the file report
// observer    : called after every calculation, when given
int run(console::Console& con, text::Encoding encoding,
        const std::string& report_path = kReportFile, const CalculationObserver& observer = {});

}  // namespace program
