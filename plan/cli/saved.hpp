#pragma once

// Designs kept in a file: the "inputs" object (and raise_q) of an earlier
// JSON output, read back as the values of the options they came from.

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "plan/texts/texts.hpp"

namespace plan {

// How a key of "inputs" is written in the file.
enum class SavedKind {
  number,   // a number
  numbers,  // an array of numbers, each a value of the option
  word,     // a string
  pair,     // [MIN, MAX], given to the option as "MIN:MAX"
};

// A key of "inputs" and the option it stands for.
struct SavedKey {
  std::string_view key;
  std::string_view option;  // with the dashes
  SavedKind kind;
  std::string_view PlanTexts::*words = &PlanTexts::expect_feed;  // a word's choices
  std::span<const std::string_view> number_words{};  // a number: the words it also takes
};

// The values of one option from the file, as they would be typed.
struct SavedValue {
  std::string label;  // names the file and the key, for messages
  std::vector<std::string> values;
};

struct Saved {
  std::map<std::string, SavedValue, std::less<>> by_option;  // by option name
  bool raise_q = false;
  std::vector<std::string> errors;  // each names the file and, where there is one, the key
};

// The numbers are written with the shortest digits that read back as the
// same 32-bit float, so a value read back is the value written.
// path : the file;  keys : every key "inputs" may hold;  t : the texts of the messages
Saved read_saved(const std::string& path, const std::vector<SavedKey>& keys, const PlanTexts& t);

// Why a file could not be read or written, in the language of t.
// error : the errno value;  reading : true for a file being read (ENOENT: no such file)
std::string file_error(int error, const PlanTexts& t, bool reading);

}  // namespace plan
