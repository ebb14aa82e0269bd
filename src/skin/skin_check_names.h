#pragma once
#include <string>
#include <vector>

#include "skin/skin_check.h"
#include "skin/xml_reader.h"

// Names in skin.xml that the clock does not read: elements, attributes and label or button
// ids it does not know (with the known name a misspelling probably meant), and align values
// other than the three it reads. `where` starts each message.
void CheckNames(const std::string& where, XmlDocument& doc, std::vector<SkinProblem>& problems);
