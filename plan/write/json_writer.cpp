#include <string>

#include "plan/report/design_blocks.hpp"
#include "plan/write/document_json.hpp"
#include "plan/write/json_text.hpp"
#include "plan/write/outputs.hpp"

// The JSON: the report document's root as an object, in the layout of
// Json::dump(2).

namespace plan {

std::string json_report(const PlanReport& report) {
  std::string text;
  JsonText out(text, 0);
  write_object_json(out, report_document(report));
  text += '\n';
  return text;
}

}  // namespace plan
