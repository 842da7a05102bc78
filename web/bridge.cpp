// The engine as the page's script sees it: its functions of JSON and other texts
// (web/session.hpp), bound with embind. A file the user opens is written
// into the module's in-memory file system and read from there.

#include <emscripten/bind.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "web/session.hpp"

namespace {

// Where an opened file is put, in the in-memory files: the file is read by
// its bare name, so that the messages about it name it as the user knows it.
constexpr const char* kOpenedFolder = "/tmp";
constexpr const char* kNoName = "inputs.json";

web::Session& session() {
  static web::Session s;
  return s;
}

std::string compute(const std::string& args_json) {
  return session().compute(args_json);
}

std::string table(int width) {
  return session().table(width > 0 ? static_cast<std::size_t>(width) : 0);
}

std::string loads(int index) {
  return index >= 0 ? session().loads(static_cast<std::size_t>(index)) : std::string("[]");
}

std::string plot(int index) {
  return index >= 0 ? session().plot(static_cast<std::size_t>(index)) : std::string();
}

std::string file(const std::string& format) {
  return session().file(format);
}

std::string smith(int index) {
  return index >= 0 ? session().smith(static_cast<std::size_t>(index)) : std::string();
}

// name : the file's own name; any folder part is dropped, so nothing is
// written outside kOpenedFolder.
std::string open_inputs(const std::string& name, const std::string& bytes,
                        const std::string& lang) {
  const std::string base = name.substr(name.find_last_of('/') + 1);
  const std::string path = base.empty() ? std::string(kNoName) : base;
  if (chdir(kOpenedFolder) != 0) return web::open_inputs_json(kOpenedFolder, lang);
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
  }
  return web::open_inputs_json(path, lang);
}

std::string form(const std::string& lang) {
  return web::form_json(lang);
}

}  // namespace

EMSCRIPTEN_BINDINGS(valvenet) {
  emscripten::function("form", &form);
  emscripten::function("compute", &compute);
  emscripten::function("plot", &plot);
  emscripten::function("smith", &smith);
  emscripten::function("table", &table);
  emscripten::function("loads", &loads);
  emscripten::function("file", &file);
  emscripten::function("openInputs", &open_inputs);
}
