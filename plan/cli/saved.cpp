#include "plan/cli/saved.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "plan/report/json.hpp"
#include "plan/texts/number_text.hpp"

namespace plan {

namespace {

// The keys of the whole document; only "inputs" and "raise_q" are read.
// "network" beside them is what was designed; "inputs" holds the option.
constexpr std::array<std::string_view, 5> kDocumentKeys{"inputs", "raise_q", "network", "designs",
                                                        "summary"};

std::string number(const Json& j) {
  return float_text(j.get<float>());
}

bool is_number(const Json& j) {
  return j.is_number();
}

// The option's values from one key, or the error naming what was expected.
bool values_of(const Json& j, const SavedKey& key, std::vector<std::string>& values) {
  switch (key.kind) {
    case SavedKind::number:
      if (j.is_string()) {
        const std::string w = j.get<std::string>();
        const auto& words = key.number_words;
        if (std::find(words.begin(), words.end(), w) == words.end()) return false;
        values.push_back(w);
        return true;
      }
      if (!is_number(j)) return false;
      values.push_back(number(j));
      return true;
    case SavedKind::numbers:
      if (!j.is_array()) return false;
      for (const Json& v : j) {
        if (!is_number(v)) return false;
        values.push_back(number(v));
      }
      return true;
    case SavedKind::word:
      if (!j.is_string()) return false;
      values.push_back(j.get<std::string>());
      return true;
    case SavedKind::pair:
      if (!j.is_array() || j.size() != 2 || !is_number(j[0]) || !is_number(j[1])) return false;
      values.push_back(number(j[0]) + ':' + number(j[1]));
      return true;
  }
  return false;
}

std::string_view expected(const SavedKey& key, const PlanTexts& t) {
  switch (key.kind) {
    case SavedKind::number:
      return t.expect_number;
    case SavedKind::numbers:
      return t.expect_numbers;
    case SavedKind::word:
      return t.*key.words;
    case SavedKind::pair:
      return t.expect_pair;
  }
  return t.expect_number;
}

// Line and column (from 1) of the byte at offset `at` of the text.
std::pair<std::size_t, std::size_t> line_and_column(std::string_view text, std::size_t at) {
  std::size_t line = 1;
  std::size_t column = 1;
  for (std::size_t i = 0; i < at && i < text.size(); ++i) {
    if (text[i] == '\n') {
      ++line;
      column = 1;
    } else if ((static_cast<unsigned char>(text[i]) & 0xC0u) != 0x80u) {
      ++column;
    }
  }
  return {line, column};
}

void read_inputs(const Json& inputs, const std::string& path, const std::vector<SavedKey>& keys,
                 const PlanTexts& t, Saved& saved) {
  for (const auto& [key, value] : inputs.items()) {
    const SavedKey* known = nullptr;
    for (const SavedKey& k : keys) {
      if (k.key == key) known = &k;
    }
    if (known == nullptr) {
      saved.errors.push_back(fill(t.unknown_key, {path, "inputs." + key}));
      continue;
    }
    SavedValue v{fill(t.file_key, {path, key}), {}};
    if (!values_of(value, *known, v.values)) {
      saved.errors.push_back(fill(t.wrong_type, {path, key, expected(*known, t)}));
      continue;
    }
    saved.by_option[std::string(known->option)] = std::move(v);
  }
}

// The whole file into text; 0, or the errno value of why it cannot be read.
int read_file(const std::string& path, std::string& text) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return EISDIR;  // opens, but does not read
  errno = 0;
  std::ifstream file(path, std::ios::binary);
  if (!file) return errno != 0 ? errno : ENOENT;
  try {
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  } catch (const std::ios_base::failure&) {
    return errno != 0 ? errno : EIO;
  }
  return file.bad() ? (errno != 0 ? errno : EIO) : 0;
}

// The document parser, remembering where it stopped: a number too large for
// a float stops it as a syntax error does, but its exception has no place.
struct StoppingParser : nlohmann::detail::json_sax_dom_parser<Json> {
  using json_sax_dom_parser::json_sax_dom_parser;
  std::size_t stopped_at = 0;  // offset of the last byte read

  template <class Exception>
  bool parse_error(std::size_t read, const std::string& token, const Exception& e) {
    stopped_at = read == 0 ? 0 : read - 1;
    return json_sax_dom_parser::parse_error(read, token, e);
  }
};

}  // namespace

std::string file_error(int error, const PlanTexts& t, bool reading) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return std::string(reading ? t.no_such_file : t.no_such_folder);
    case EACCES:
    case EPERM:
      return std::string(t.no_permission);
    case ENOSPC:
      return std::string(t.disk_full);
    case EISDIR:
      return std::string(t.is_a_folder);
    case EROFS:
      return std::string(t.read_only);
    default:
      return fill(t.other_reason, {error != 0 ? std::strerror(error) : "?"});
  }
}

Saved read_saved(const std::string& path, const std::vector<SavedKey>& keys, const PlanTexts& t) {
  Saved saved;
  std::string text;
  if (const int error = read_file(path, text); error != 0) {
    saved.errors.push_back(fill(t.cannot_read_file, {path, file_error(error, t, true)}));
    return saved;
  }
  Json doc;
  StoppingParser parser(doc);
  try {
    Json::sax_parse(text, &parser);
  } catch (const Json::exception&) {
    const auto [line, column] = line_and_column(text, parser.stopped_at);
    saved.errors.push_back(
        fill(t.json_syntax, {path, std::to_string(line), std::to_string(column)}));
    return saved;
  }
  if (!doc.is_object()) {
    saved.errors.push_back(fill(t.wrong_type, {path, "inputs", t.expect_object}));
    return saved;
  }
  for (const auto& [key, value] : doc.items()) {
    if (std::find(kDocumentKeys.begin(), kDocumentKeys.end(), key) == kDocumentKeys.end()) {
      saved.errors.push_back(fill(t.unknown_key, {path, key}));
    }
  }
  if (doc.contains("raise_q")) {
    if (doc["raise_q"].is_boolean()) {
      saved.raise_q = doc["raise_q"].get<bool>();
    } else {
      saved.errors.push_back(fill(t.wrong_type, {path, "raise_q", t.expect_bool}));
    }
  }
  if (!doc.contains("inputs") || !doc["inputs"].is_object()) {
    saved.errors.push_back(fill(t.wrong_type, {path, "inputs", t.expect_object}));
    return saved;
  }
  read_inputs(doc["inputs"], path, keys, t, saved);
  return saved;
}

}  // namespace plan
