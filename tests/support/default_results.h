#pragma once
// The result fields after a Calculate run with every input at its default.

#include <map>
#include <string>

namespace platewise::testing {

inline const std::map<std::string, std::string> kDefaultResults = {
    {"Text3", "A3号钢:4(厚)X131(宽)"},
    {"Text9", "131"},
    {"Text1", "A3号钢:4(厚)X87(宽)"},
    {"Text11", "87"},
    {"Text2", "172mm"},
    {"Text6", "3(厚)X24(宽bu)X150(高Lu)@100"},
    {"Text7", "0.038"},  // for the unrounded plate width, not the 131 shown
};

}  // namespace platewise::testing
