#include "plan/draw/svg.hpp"

#include "plan/texts/number_text.hpp"
#include "plan/texts/text_layout.hpp"

namespace plan::svg {

std::string num(double v, int decimals) {
  return fixed_text(v, decimals);
}

std::string shown(double v, int decimals) {
  std::string s = num(v, decimals);
  if (!s.empty() && s.front() == '-') {
    if (s.find_first_not_of("-0.") == std::string::npos) return s.substr(1);  // -0.0
    s.replace(0, 1, "−");
  }
  return s;
}

std::string escape(std::string_view s) {
  return markup_escaped(s);
}

void text(std::string& out, double x, double y, std::string_view s, const TextStyle& st) {
  out += "<text x=\"" + num(x, 1) + "\" y=\"" + num(y, 1) + "\" font-size=\"" + num(st.size, 1) +
         "\" text-anchor=\"" + std::string(st.anchor) + "\" fill=\"" + std::string(st.fill) + "\"";
  if (st.bold) out += " font-weight=\"bold\"";
  if (st.halo) out += " stroke=\"white\" stroke-width=\"3\" paint-order=\"stroke\"";
  out += '>';
  out += escape(s);
  out += "</text>\n";
}

void line(std::string& out, double x1, double y1, double x2, double y2, std::string_view stroke,
          double width, std::string_view extra) {
  out += "<line x1=\"" + num(x1, 2) + "\" y1=\"" + num(y1, 2) + "\" x2=\"" + num(x2, 2) +
         "\" y2=\"" + num(y2, 2) + "\" stroke=\"" + std::string(stroke) + "\" stroke-width=\"" +
         num(width, 1) + "\"";
  if (!extra.empty()) out += ' ' + std::string(extra);
  out += "/>\n";
}

void rect(std::string& out, double x, double y, double w, double h, std::string_view fill,
          std::string_view extra) {
  out += "<rect x=\"" + num(x, 2) + "\" y=\"" + num(y, 2) + "\" width=\"" + num(w, 2) +
         "\" height=\"" + num(h, 2) + "\" fill=\"" + std::string(fill) + "\"";
  if (!extra.empty()) out += ' ' + std::string(extra);
  out += "/>\n";
}

void circle(std::string& out, double cx, double cy, double r, std::string_view attributes) {
  out += "<circle cx=\"" + num(cx, 2) + "\" cy=\"" + num(cy, 2) + "\" r=\"" + num(r, 2) + "\" " +
         std::string(attributes) + "/>\n";
}

std::string trimmed(double v) {
  std::string s = num(v, 2);
  while (s.find('.') != std::string::npos && (s.back() == '0' || s.back() == '.')) s.pop_back();
  return s;
}

}  // namespace plan::svg
