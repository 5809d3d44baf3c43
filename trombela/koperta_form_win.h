// The main window of the envelope program. Control members and handlers keep
// the names the program has always used (n1, o1, SpeedButton4Click, ...), so
// the code reads like the window it drives.
#pragma once
#include "setup/base/unique_handle.h"
#include "trombela/controls_win.h"
#include "trombela/file_dialogs_win.h"
#include "trombela/font_store_win.h"
#include "trombela/records.h"

#include <windows.h>

#include <array>
#include <string>

namespace trombela {

class Tkoperta_f {
public:
    struct Options {
        // The program ends with its window; a test that hosts the window
        // keeps its own message loop running.
        bool quit_on_close = true;
    };
    Tkoperta_f();
    explicit Tkoperta_f(Options options);
    ~Tkoperta_f();
    Tkoperta_f(const Tkoperta_f&) = delete;
    Tkoperta_f& operator=(const Tkoperta_f&) = delete;

    // Creates the window and its controls, runs the start-up and shows it.
    bool Create(int show_command);
    HWND hwnd() const { return hwnd_; }
    const std::string& DataFolder() const { return data_folder_; }
    Tfont_f& font_f() { return font_f_; }

    // Handlers, one per control action.
    void FormCreate();
    void SpeedButton1Click();   // Koniec
    void SpeedButton2Click();   // save defaults
    void SpeedButton3Click();   // print font
    void SpeedButton4Click();   // print
    void SpeedButton6Click();   // attach logo
    void SpeedButton7Click();   // detach logo
    void SpeedButton8Click();   // hide help
    void SpeedButton9Click();   // show help
    void SpeedButton10Click();  // read profile
    void SpeedButton11Click();  // save profile
    void SpeedButton12Click();  // read defaults
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void Timer1Timer();

    Panel Panel1, Panel2, Panel3;
    GroupBox GroupBox1;
    std::array<Edit, 4> n;  // n1..n4 as n[0]..n[3]
    std::array<Edit, 5> o;  // o1..o5 as o[0]..o[4]
    std::array<Edit, 4> l;  // l1..l4
    std::array<Edit, 4> g;  // g1..g4
    std::array<trombela::RadioButton, 4> RadioButtons;  // RadioButton1..4
    Edit od, l_n, g_n, l_log, g_log, nazwa;
    CheckBox poziomo, logo;
    Memo Memo1, Memo2;
    Image Image1, Image2, Image3;
    Label Label5, Label7;
    SpeedButton SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4, SpeedButton6, SpeedButton7,
        SpeedButton8, SpeedButton9, SpeedButton10, SpeedButton11, SpeedButton12;

    FileDialog OpenDialog1, OpenDialog2, SaveDialog1;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
    void OnCommand(int id);
    // Runs a handler; errors end it with an error box instead of unwinding
    // through the window procedure.
    void Guard(void (Tkoperta_f::*handler)());
    void BuildControls();
    void LabelAt(const std::string& text, const Bounds& b, bool bold = false, HWND parent = nullptr);

    // Window <-> record.
    SettingsRecord SettingsFromWindow() const;
    void ShowSettings(const SettingsRecord& r);
    LogoRecord LogoFromWindow() const;
    void ShowLogo(const LogoRecord& r);
    OptionsRecord OptionsFromWindow() const;
    void ApplyOptions(const OptionsRecord& r);
    int CheckedSize() const;  // 1..4
    void CheckSize(int size);
    void LoadLogoPicture();
    void UpdateLogoEnabled();
    void MakeDataFolderCurrent();
    std::string DataPath(const char* name) const;
    void SetCaption(const std::string& text);
    bool Ask(const char* question);

    Options options_;
    HWND hwnd_ = nullptr;
    int next_static_id_;
    std::string data_folder_;
    Tfont_f font_f_;
    unique_hfont font_, bold_font_;
    // The printer chosen last and its settings, kept between jobs.
    unique_hglobal printer_mode_, printer_names_;
};

}  // namespace trombela
