// Reads a page layout (.lcd) through a key/value reader: the MAINWINDOW
// settings, the INFO records from the last key down, and each control's
// DADOS properties. Numbering (window identifiers, pool indexes, default id
// names) follows creation order, so the page window only has to create what
// this returns.
#pragma once
#include "setup/base/key_value_reader.h"
#include "setup/pages/page_layout.h"

namespace qx::pages {

// layoutPath is the full path of the file the reader reads; its folder is
// put in front of {braced} file references.
PageLayout ReadLayout(const KeyValueReader& file, const std::string& layoutPath);

}  // namespace qx::pages
