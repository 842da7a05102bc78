#include <string>

#include "plan/report/design_blocks.hpp"
#include "plan/write/document_json.hpp"
#include "plan/write/json_text.hpp"
#include "plan/write/outputs.hpp"

// The JSON: the report document's root as an object, in the layout of
// Json::dump(2).

namespace plan {

std::string document_json(const doc::Block& root) {
  std::string text;
  JsonText out(text, 0);
  write_object_json(out, root);
  text += '\n';
  return text;
}

std::string json_report(const PlanReport& report) {
  return document_json(report_document(report));
}

}  // namespace plan
