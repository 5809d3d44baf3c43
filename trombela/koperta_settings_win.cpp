// Start-up and the handlers that move settings between the window and the
// stored files: defaults, profiles, the logo picture, the size buttons, help
// and exit. Every file access goes through the checked record I/O, so a
// failure stops the handler where it happened, with an error box.
#include "trombela/control_ids.h"
#include "trombela/data_folder.h"
#include "trombela/koperta_form_win.h"
#include "trombela/polish_texts.h"
#include "trombela/record_io_win.h"
#include "trombela/text_1250_win.h"

namespace trombela {
namespace {

std::string CurrentDirectory() {
    const DWORD n = GetCurrentDirectoryW(0, nullptr);
    std::wstring dir(n, L'\0');
    dir.resize(GetCurrentDirectoryW(n, dir.data()));
    return Narrow(dir);
}

}  // namespace

std::string Tkoperta_f::DataPath(const char* name) const { return DataFilePath(data_folder_, name); }

void Tkoperta_f::MakeDataFolderCurrent() {
    // An empty data folder is the root of the current drive.
    const std::wstring folder = data_folder_.empty() ? L"\\" : Widen(data_folder_) + L"\\";
    SetCurrentDirectoryW(folder.c_str());
}

SettingsRecord Tkoperta_f::SettingsFromWindow() const {
    SettingsRecord r;
    for (int i = 0; i < 4; ++i) {
        r.sender[i] = n[i].Text();
        r.recipient_left[i] = l[i].Text();
        r.recipient_top[i] = g[i].Text();
    }
    r.spacing = od.Text();
    r.sender_left = l_n.Text();
    r.sender_top = g_n.Text();
    return r;
}

void Tkoperta_f::ShowSettings(const SettingsRecord& r) {
    for (int i = 0; i < 4; ++i) {
        n[i].SetText(r.sender[i]);
        l[i].SetText(r.recipient_left[i]);
        g[i].SetText(r.recipient_top[i]);
    }
    od.SetText(r.spacing);
    l_n.SetText(r.sender_left);
    g_n.SetText(r.sender_top);
}

LogoRecord Tkoperta_f::LogoFromWindow() const { return {nazwa.Text(), l_log.Text(), g_log.Text()}; }

void Tkoperta_f::ShowLogo(const LogoRecord& r) {
    nazwa.SetText(r.path);
    l_log.SetText(r.left);
    g_log.SetText(r.top);
}

int Tkoperta_f::CheckedSize() const {
    for (int k = 0; k < 4; ++k)
        if (RadioButtons[k].Checked()) return k + 1;
    return 0;
}

OptionsRecord Tkoperta_f::OptionsFromWindow() const {
    return {std::uint8_t(CheckedSize()), std::uint8_t(logo.Checked() ? 1 : 0),
            std::uint8_t(poziomo.Checked() ? 1 : 0)};
}

void Tkoperta_f::ApplyOptions(const OptionsRecord& r) {
    if (r.size >= 1 && r.size <= 4) CheckSize(r.size);
    // Values other than 0 and 1 leave the boxes as they are.
    if (r.print_logo <= 1) logo.SetChecked(r.print_logo == 1);
    if (r.landscape <= 1) poziomo.SetChecked(r.landscape == 1);
}

void Tkoperta_f::CheckSize(int size) {
    for (int k = 0; k < 4; ++k) RadioButtons[k].SetChecked(k + 1 == size);
    Label7.SetText(texts::kRozmiarPrefix + l[size - 1].Text() + "X" + g[size - 1].Text());
}

void Tkoperta_f::RadioButton1Click() { CheckSize(1); }
void Tkoperta_f::RadioButton2Click() { CheckSize(2); }
void Tkoperta_f::RadioButton3Click() { CheckSize(3); }
void Tkoperta_f::RadioButton4Click() { CheckSize(4); }

void Tkoperta_f::LoadLogoPicture() {
    if (!FileExists(nazwa.Text())) return;
    Image2.SetPicture(Picture::Load(nazwa.Text()));
    Image3.SetPicture(Picture::Load(nazwa.Text()));
}

void Tkoperta_f::UpdateLogoEnabled() { logo.SetEnabled(FileExists(nazwa.Text())); }

void Tkoperta_f::FormCreate() {
    const std::string start = WithoutTrailingBackslash(CurrentDirectory());
    data_folder_ = start;
    const Bytes location =
        ReadOrCreateRecord(DataFilePath(start, kLocationFile), EncodeLocation(InitialLocation(start)));
    data_folder_ = ResolveDataFolder(start, DecodeLocation(location));

    CheckSize(1);
    poziomo.SetChecked(false);
    logo.SetChecked(false);
    Panel3.SetVisible(false);
    for (Edit* e : {&n[0], &n[1], &n[2], &n[3], &o[0], &o[1], &o[2], &o[3], &o[4], &l[0], &l[1], &l[2],
                    &l[3], &g[0], &g[1], &g[2], &g[3], &od, &l_n, &g_n, &l_log, &g_log, &nazwa})
        e->SetText("");

    ShowLogo(DecodeLogo(ReadOrCreateRecord(DataPath(kLogoFile), EncodeLogo({}))));
    ShowSettings(DecodeSettings(ReadOrCreateRecord(DataPath(kSettingsFile), EncodeSettings(DefaultSettings()))));
    CheckSize(1);
    LoadLogoPicture();
    ApplyOptions(DecodeOptions(ReadOrCreateRecord(DataPath(kOptionsFile), EncodeOptions({}))));
    UpdateLogoEnabled();
    o[0].SetText(DecodeAddressForm(ReadOrCreateRecord(DataPath(kAddressFormFile), EncodeAddressForm(""))));
    SetCaption(texts::kCaptionDefault);
}

void Tkoperta_f::SpeedButton2Click() {
    WriteRecord(DataPath(kSettingsFile), EncodeSettings(SettingsFromWindow()));
    WriteRecord(DataPath(kLogoFile), EncodeLogo(LogoFromWindow()));
    WriteRecord(DataPath(kOptionsFile), EncodeOptions(OptionsFromWindow()));
    UpdateLogoEnabled();
}

void Tkoperta_f::SpeedButton12Click() {
    if (!Ask(texts::kWczytacDomyslne)) return;
    MakeDataFolderCurrent();
    CheckSize(1);
    poziomo.SetChecked(false);
    logo.SetChecked(false);
    ApplyOptions(DecodeOptions(ReadRecord(DataPath(kOptionsFile), kOptionsRecordSize)));
    ShowLogo(DecodeLogo(ReadRecord(DataPath(kLogoFile), kLogoRecordSize)));
    ShowSettings(DecodeSettings(ReadRecord(DataPath(kSettingsFile), kSettingsRecordSize)));
    // The stored size stays checked; its label shows the offsets just read.
    CheckSize(CheckedSize() ? CheckedSize() : 1);
    LoadLogoPicture();
    UpdateLogoEnabled();
    SetCaption(texts::kCaptionDefault);
}

void Tkoperta_f::SpeedButton11Click() {
    SaveDialog1.InitialDir = DataPath(kProfileFolder);
    if (!SaveDialog1.Execute(hwnd_)) return;
    const ProfileRecord profile{SettingsFromWindow(), LogoFromWindow(), OptionsFromWindow()};
    WriteRecord(SaveDialog1.FileName, EncodeProfile(profile));
    MakeDataFolderCurrent();
}

void Tkoperta_f::SpeedButton10Click() {
    OpenDialog2.InitialDir = DataPath(kProfileFolder);
    if (!OpenDialog2.Execute(hwnd_)) return;
    // Back to the data folder even when the file turns out unreadable.
    MakeDataFolderCurrent();
    const ProfileRecord profile = DecodeProfile(ReadRecord(OpenDialog2.FileName, kProfileRecordSize));
    ShowSettings(profile.settings);
    ShowLogo(profile.logo);
    CheckSize(CheckedSize() ? CheckedSize() : 1);
    ApplyOptions(profile.options);
    LoadLogoPicture();
    UpdateLogoEnabled();
    SetCaption(texts::kCaptionProfilePrefix + OpenDialog2.FileName);
}

void Tkoperta_f::SpeedButton6Click() {
    if (!OpenDialog1.Execute(hwnd_)) return;
    nazwa.SetText(OpenDialog1.FileName);
    LoadLogoPicture();
    UpdateLogoEnabled();
    MakeDataFolderCurrent();
}

void Tkoperta_f::SpeedButton7Click() {
    nazwa.SetText("");
    // A detached logo is not printed: the mark and the loaded pictures go too.
    logo.SetChecked(false);
    logo.SetEnabled(false);
    Image2.SetPicture(Picture());
    Image3.SetPicture(Picture());
}

void Tkoperta_f::SpeedButton9Click() {
    Panel3.SetBounds({93, 62, 636, 390});
    Panel3.BringToFront();
    Panel3.SetVisible(true);
}

void Tkoperta_f::SpeedButton8Click() { Panel3.SetVisible(false); }

void Tkoperta_f::SpeedButton3Click() {
    font_f_.ZapiszFonty(hwnd_, kFontFileName);
    MakeDataFolderCurrent();
}

void Tkoperta_f::SpeedButton1Click() {
    if (!Ask(texts::kKoniecPracy)) return;
    WriteRecord(DataPath(kAddressFormFile), EncodeAddressForm(o[0].Text()));
    EnableWindow(hwnd_, FALSE);
    ShowWindow(hwnd_, SW_HIDE);
    DestroyWindow(hwnd_);
}

}  // namespace trombela
