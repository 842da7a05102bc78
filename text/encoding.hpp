#pragma once

// Console texts are written once, in UTF-8; the code page 866 form of each is
// derived from it while compiling, so the two programs can never disagree.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace text {

enum class Encoding { utf8, cp866 };

// One character decoded from UTF-8; `length` is 0 for a malformed sequence.
struct Decoded {
  char32_t code_point = 0;
  std::size_t length = 0;
};

constexpr Decoded decode_utf8(std::string_view s, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[at + i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return {lead, 1};
  if ((lead & 0xE0) == 0xC0 && at + 1 < s.size() && (byte(1) & 0xC0) == 0x80) {
    return {static_cast<char32_t>(((lead & 0x1Fu) << 6) | (byte(1) & 0x3Fu)), 2};
  }
  return {0, 0};
}

// The code page 866 byte of a character, or -1 when the page has none for it.
// Only ASCII and the Russian alphabet occur in the console texts.
constexpr int cp866_byte(char32_t c) {
  if (c < 0x80) return static_cast<int>(c);
  if (c >= U'А' && c <= U'п') return 0x80 + static_cast<int>(c - U'А');
  if (c >= U'р' && c <= U'я') return 0xE0 + static_cast<int>(c - U'р');
  if (c == U'Ё') return 0xF0;
  if (c == U'ё') return 0xF1;
  return -1;
}

// Converts UTF-8 text to code page 866; a character without a form there
// (or a malformed sequence) becomes '?'.
inline std::string utf8_to_cp866(std::string_view utf8) {
  std::string out;
  for (std::size_t at = 0; at < utf8.size();) {
    const Decoded d = decode_utf8(utf8, at);
    const int b = d.length == 0 ? -1 : cp866_byte(d.code_point);
    out.push_back(b < 0 ? '?' : static_cast<char>(b));
    at += d.length == 0 ? 1 : d.length;
  }
  return out;
}

template <std::size_t N>
struct Utf8Literal {
  char bytes[N]{};
  consteval Utf8Literal(const char (&s)[N]) {  // NOLINT(google-explicit-constructor)
    for (std::size_t i = 0; i < N; ++i) bytes[i] = s[i];
  }
  constexpr std::string_view view() const { return {bytes, N - 1}; }
};

template <Utf8Literal S>
consteval std::size_t cp866_length() {
  std::size_t count = 0;
  for (std::size_t at = 0; at < S.view().size(); ++count) {
    const Decoded d = decode_utf8(S.view(), at);
    // A compile error here names a console text with no code page 866 form.
    if (d.length == 0 || cp866_byte(d.code_point) < 0) throw "text has no code page 866 form";
    at += d.length;
  }
  return count;
}

template <Utf8Literal S>
inline constexpr auto kCp866 = [] {
  // Decoded straight into the array: a std::string built while compiling
  // is beyond some compilers (clang 14 with libstdc++ 12).
  std::array<char, cp866_length<S>()> out{};
  std::size_t at = 0;
  for (char& byte : out) {
    const Decoded d = decode_utf8(S.view(), at);
    byte = static_cast<char>(cp866_byte(d.code_point));
    at += d.length;
  }
  return out;
}();

// The bytes of a console text in the program's console encoding.
template <Encoding E, Utf8Literal S>
constexpr std::string_view encode() {
  if constexpr (E == Encoding::utf8) {
    return S.view();
  } else {
    return {kCp866<S>.data(), kCp866<S>.size()};
  }
}

}  // namespace text
