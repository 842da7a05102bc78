#pragma once

// The pieces of valvenet-plan's SVG drawings: numbers as SVG writes them,
// escaped text, and the text, line and rectangle elements, each appended to
// a document being built.

#include <string>
#include <string_view>

namespace plan::svg {

// v with `decimals` decimals, as the drawing's coordinates are written.
// decimals : 0 <= decimals <= 17
std::string num(double v, int decimals);

// A number for a person: the minus sign as a real minus, -0 as 0.
std::string shown(double v, int decimals);

// s with &, <, > and " written as XML entities.
std::string escape(std::string_view s);

// How a text element is drawn: font size in user units, anchor, colour.
struct TextStyle {
  double size = 13.0;
  std::string_view anchor = "start";
  std::string_view fill = "#222";
  bool bold = false;
  bool halo = false;  // a white outline, to stay legible over lines
};

// <text> at (x, y) with s escaped.
void text(std::string& out, double x, double y, std::string_view s, const TextStyle& st = {});

// <line> from (x1, y1) to (x2, y2); extra: more attributes, written as given.
void line(std::string& out, double x1, double y1, double x2, double y2, std::string_view stroke,
          double width, std::string_view extra = "");

// <rect> of w by h at (x, y); extra: more attributes, written as given.
void rect(std::string& out, double x, double y, double w, double h, std::string_view fill,
          std::string_view extra = "");

// <circle> of radius r at (cx, cy); attributes: written as given.
void circle(std::string& out, double cx, double cy, double r, std::string_view attributes);

// v with at most two decimals, trailing zeros dropped: a value for a person.
std::string trimmed(double v);

}  // namespace plan::svg
