#pragma once

// Reading the SVG of the plan's pictures in tests: parsed with libxml2,
// elements picked by XPath, attributes and text as strings or numbers.

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlversion.h>
#include <libxml/xpath.h>

#include <cstddef>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace svg_xml {

// A parsed XML document, or the parser's errors.
struct Xml {
  std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> doc{nullptr, xmlFreeDoc};
  std::string errors;
};

#if LIBXML_VERSION >= 21200
inline void collect_error(void* context, const xmlError* error) {
#else
inline void collect_error(void* context, xmlErrorPtr error) {
#endif
  *static_cast<std::string*>(context) += error->message ? error->message : "error";
}

inline Xml parse(const std::string& text) {
  Xml x;
  xmlSetStructuredErrorFunc(&x.errors, collect_error);
  x.doc.reset(xmlReadMemory(text.data(), static_cast<int>(text.size()), "picture.svg", nullptr,
                            XML_PARSE_NONET));
  xmlSetStructuredErrorFunc(nullptr, nullptr);
  return x;
}

// The elements an XPath expression selects.
inline std::vector<xmlNodePtr> select(const Xml& x, const std::string& path) {
  std::vector<xmlNodePtr> out;
  std::unique_ptr<xmlXPathContext, decltype(&xmlXPathFreeContext)> ctx(
      xmlXPathNewContext(x.doc.get()), xmlXPathFreeContext);
  std::unique_ptr<xmlXPathObject, decltype(&xmlXPathFreeObject)> result(
      xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>(path.c_str()), ctx.get()),
      xmlXPathFreeObject);
  if (result && result->nodesetval) {
    for (int i = 0; i < result->nodesetval->nodeNr; ++i)
      out.push_back(result->nodesetval->nodeTab[i]);
  }
  return out;
}

// The XPath of the SVG element with this name and id.
inline std::string by_id(const std::string& element, const std::string& id) {
  return "//*[local-name()='" + element + "' and @id='" + id + "']";
}

inline std::string attribute(xmlNodePtr node, const char* name) {
  xmlChar* v = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
  std::string s = v ? reinterpret_cast<const char*>(v) : "";
  xmlFree(v);
  return s;
}

inline double number(xmlNodePtr node, const char* name) {
  return std::stod(attribute(node, name));
}

inline std::string content(xmlNodePtr node) {
  xmlChar* v = xmlNodeGetContent(node);
  std::string s = v ? reinterpret_cast<const char*>(v) : "";
  xmlFree(v);
  return s;
}

// The pairs of a points attribute: "x,y x,y ...".
inline std::vector<std::pair<double, double>> points(const std::string& attr) {
  std::vector<std::pair<double, double>> out;
  std::istringstream in(attr);
  std::string pair;
  while (in >> pair) {
    const std::size_t comma = pair.find(',');
    out.emplace_back(std::stod(pair.substr(0, comma)), std::stod(pair.substr(comma + 1)));
  }
  return out;
}

}  // namespace svg_xml
