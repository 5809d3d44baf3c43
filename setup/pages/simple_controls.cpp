#include "setup/pages/simple_controls.h"

namespace qx::pages {

const char* CMyRichText::WindowClass() {
    // Kept loaded for the life of the process: rich-edit windows may exist
    // on any page until the end.
    static HMODULE library = LoadLibraryA("RICHED32.DLL");
    return library ? "RICHEDIT" : nullptr;
}

}  // namespace qx::pages
