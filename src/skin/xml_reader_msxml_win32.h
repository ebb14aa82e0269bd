#pragma once
#include <memory>

#include "skin/xml_reader.h"

// skin.xml through the platform's XML parser (MSXML over COM, XPath selection).
std::unique_ptr<XmlReader> CreateMsxmlReader();
