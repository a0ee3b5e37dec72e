#pragma once
// Links between windows: each window takes the callbacks it needs of the rest
// of the program as std::function members of one struct. A link left empty
// would silently do nothing, so whoever makes the window checks the struct
// once with RequireLinks, which names the first link left unbound.

#include <initializer_list>
#include <string_view>

namespace orv {

struct LinkState {
  std::string_view name;
  bool bound = false;
};

// Throws std::logic_error ("InputWindowLinks.ChooseFile is not bound") for
// the first link of `group` that is not bound.
void RequireLinks(std::string_view group, std::initializer_list<LinkState> links);

// A window's one required callback: `link` itself when bound; otherwise
// throws std::logic_error as RequireLinks does.
template <class Function>
Function RequireLink(std::string_view group, std::string_view name, Function link) {
  RequireLinks(group, {{name, static_cast<bool>(link)}});
  return link;
}

}  // namespace orv
