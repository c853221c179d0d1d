#include "app/EditorLinks.h"

namespace {

cEditorLinks s_Links;

}  // namespace

const cEditorLinks& EditorLinks() { return s_Links; }

cEditorLinks SetEditorLinks(const cEditorLinks& Links) {
  cEditorLinks Prev = s_Links;
  s_Links = Links;
  return Prev;
}
