#pragma once

// The designs of a report as document blocks: for each network (the plain
// Pi, then with --network pi-l the Pi-L) its status, values, parts and,
// with --swr, its load circles; then the warnings of every network. The
// plain Pi and the Pi-L are two sources of the same blocks: each network
// gives its lines, and an entry a network lacks is simply not in its list.

#include "plan/report/document.hpp"
#include "plan/report/plan_report.hpp"

namespace plan {

// The report as a document (plan/report/document.hpp): its root block with
// the starting values, the answer to the hot-capacitance question, the
// networks, the designs, their warnings and the summary.
// report : a report of make_report, its parts, load ranges and inputs filled
doc::Block report_document(const PlanReport& report);

}  // namespace plan
