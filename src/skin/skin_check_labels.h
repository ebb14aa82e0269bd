#pragma once
#include <string>
#include <vector>

#include "skin/skin_check.h"
#include "skin/xml_reader.h"

// Label values the clock reads other than the author probably meant: a six-digit '$' colour
// written red first, and a title box left at its built-in size. `where` starts each message.
void CheckLabelValues(const std::string& where, XmlDocument& doc, const FaceLabels& labels,
                      std::vector<SkinProblem>& problems);
