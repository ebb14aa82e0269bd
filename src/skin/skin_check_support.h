#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "skin/skin_check.h"
#include "skin/xml_reader.h"

// What the checks share: the value a query selects in skin.xml (none when it selects
// nothing), and the findings they add.
inline std::optional<std::string> ValueOf(XmlDocument& doc, const std::string& query) {
  const std::unique_ptr<XmlNode> node = doc.SelectSingleNode(query);
  if (!node) return std::nullopt;
  return node->Value();
}

inline void Warn(std::vector<SkinProblem>& problems, std::string text) {
  problems.push_back({SkinProblem::Kind::Warning, std::move(text)});
}

inline void Note(std::vector<SkinProblem>& problems, std::string text) {
  problems.push_back({SkinProblem::Kind::Note, std::move(text)});
}

inline void Fail(std::vector<SkinProblem>& problems, std::string text) {
  problems.push_back({SkinProblem::Kind::Error, std::move(text)});
}

// "8 x 50"
inline std::string SizeText(int width, int height) {
  return std::to_string(width) + " x " + std::to_string(height);
}
