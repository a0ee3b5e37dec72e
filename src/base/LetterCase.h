#pragma once
// Letter case of names by character over the whole of Unicode: a names file
// holds any script, and a name in capitals must read as the name.

#include <string>
#include <string_view>

namespace orv {

// `utf8` with each character replaced by its upper-case (lower-case)
// partner, where it has one that is a single character. The sharp s
// upper-cases to "SS", as names in capitals write it. Bytes that are not
// UTF-8 are kept as they are.
std::string ToUpperText(std::string_view utf8);
std::string ToLowerText(std::string_view utf8);

// The first character upper-cased, the rest lower-cased ("éMILE" gives
// "Émile").
std::string CapitalisedText(std::string_view utf8);

}  // namespace orv
