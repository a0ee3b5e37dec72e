#include "base/Links.h"

#include <stdexcept>
#include <string>

namespace orv {

void RequireLinks(std::string_view group, std::initializer_list<LinkState> links) {
  for (const LinkState& link : links)
    if (!link.bound)
      throw std::logic_error(std::string(group) + "." + std::string(link.name) + " is not bound");
}

}  // namespace orv
