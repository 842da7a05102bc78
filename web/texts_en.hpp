#pragma once

// The page's own texts in English.

#include "web/page_texts.hpp"

namespace web {

inline constexpr PageTexts kEnglishPage{
    .title = "valvenet — the output stage of a tube transmitter",
    .intro =
        "A Pi-network at several frequencies: the calculations of valvenet-plan, in the "
        "browser, with nothing to install and no network.",
    .form = "Starting values",
    .language = "Language",
    .results = "Results",
    .table = "Table",
    .plot = "Response",
    .plot_at = "Plot for the frequency, MHz",
    .json = "JSON (as valvenet-plan --format json)",
    .compute_ms = "Recompute, ms:",
    .errors = "Errors",
    .not_current =
        "The results below are for the earlier values: correct the errors and they "
        "are computed again.",
    .loading = "Loading…",
    .save_json = "Save JSON",
    .save_csv = "Save CSV",
    .save_table = "Save table",
    .save_svg = "Save SVG",
    .open_json = "Open JSON",
    .opened = "Values from the file %1",
    .all_results = "Every result, band by band",
    .totals = "The summary over the bands",
    .status = "Recomputed. Frequencies: %1, refused: %2, warnings: %3",
    .command_line = "The same design on the command line",
    .copy_command = "Copy the command",
    .copy_link = "Copy the link",
    .filled_from_example =
        "The link gave only some of the values: the rest are the example design's.",
};

}  // namespace web
