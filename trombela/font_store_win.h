// The print font store: the hidden form that owns the font dialog and keeps
// the user's choice in FONT\<name> below the current directory.
#pragma once
#include "trombela/font_record.h"

#include <windows.h>

#include <string>

namespace trombela {

// The font dialog with its own font, which starts as Tahoma 8 points in the
// window-text colour and is preset from the stored record before showing.
class FontDialog {
public:
    FontDialog();
    PrintFont Font;
    bool Execute(HWND owner);
};

class Tfont_f {
public:
    // Loads the stored print font; a missing file keeps the current one.
    // A file that cannot be read raises InOutError.
    void CzytajFonty(const std::string& name);
    // Lets the user choose and stores the choice. False (and nothing changed)
    // when the dialog is cancelled.
    bool ZapiszFonty(HWND owner, const std::string& name);

    const PrintFont& PrintFontValue() const { return print_font_; }
    static std::string FontFilePath(const std::string& name);

    FontDialog FontDialog1;

private:
    PrintFont print_font_;
};

// A stored colour as an RGB value: system colours (high byte 0xFF) are looked up.
COLORREF ResolveColour(std::uint32_t colour);

}  // namespace trombela
