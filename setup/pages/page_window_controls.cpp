// Building a page's controls from its layout: creation in descending key
// order, then the properties in list order.
#include "setup/base/file_system.h"
#include "setup/pages/page_window.h"

#include "setup/base/profile_reader.h"
#include "setup/pages/layout_reader.h"

#include <commctrl.h>

#include <fstream>
#include <iterator>

namespace qx::pages {

namespace {

struct WindowKind {
    const char* className;
    DWORD style;
    DWORD exStyle;
    bool pageFont;  // the page font is sent when the control is created
};

WindowKind KindOf(ControlType type) {
    switch (type) {
        case ControlType::Button: return {"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0, true};
        case ControlType::GroupBox: return {"BUTTON", BS_GROUPBOX, 0, true};
        case ControlType::Text: return {"STATIC", SS_LEFT, 0, false};
        case ControlType::Rect: return {"STATIC", SS_LEFT, 0, false};
        case ControlType::HotSpot: return {"STATIC", WS_BORDER, 0, false};
        case ControlType::Animation: return {"STATIC", WS_BORDER | SS_CENTER, 0, true};
        case ControlType::ListView: return {"STATIC", SS_LEFT, WS_EX_CLIENTEDGE, false};
        case ControlType::Bitmap:
        case ControlType::Hover: return {"STATIC", SS_BITMAP | SS_CENTERIMAGE, 0, false};
        case ControlType::Icon: return {"STATIC", SS_ICON | SS_CENTERIMAGE, 0, false};
        case ControlType::TextBox: return {"EDIT", WS_TABSTOP | ES_MULTILINE, WS_EX_CLIENTEDGE, true};
        case ControlType::ComboBox:
            return {"COMBOBOX", WS_TABSTOP | CBS_DROPDOWNLIST | CBS_DISABLENOSCROLL | WS_VSCROLL, 0, true};
        case ControlType::Radio: return {"BUTTON", WS_TABSTOP | BS_OWNERDRAW, 0, true};
        case ControlType::CheckBox: return {"BUTTON", WS_TABSTOP | BS_CHECKBOX, 0, true};
        case ControlType::Progress: return {PROGRESS_CLASSA, 0, 0, false};
        case ControlType::TreeView:
            return {WC_TREEVIEWA, TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                    WS_EX_CLIENTEDGE, true};
        case ControlType::RichText:
            return {CMyRichText::WindowClass(), WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN, WS_EX_CLIENTEDGE, false};
        case ControlType::Frame: return {"STATIC", SS_LEFT, 0, false};
        case ControlType::Unknown: break;
    }
    return {nullptr, 0, 0, false};
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

void CImageWindow::DestroyControls() {
    if (tooltip_ && hasFinish_) {
        TTTOOLINFOA info{};
        info.cbSize = TTTOOLINFOA_V1_SIZE;
        info.hwnd = hwnd_;
        info.uId = reinterpret_cast<UINT_PTR>(ControlHandle(FindControlByIdName("IDC_FINISH")));
        SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    }
    for (const auto& c : controls_)
        if (CControlWindow* object = pools_->Object(c.type, c.poolIndex)) object->Destroy();
    controls_.clear();
    hasFinish_ = false;
    progressBar_ = progressText_[0] = progressText_[1] = -1;
}

void CImageWindow::LoadLayout(const std::string& path) {
    DestroyControls();
    background_.Clear();
    SetBackgroundColour("COLOR_BTNFACE");

    ProfileReader file(path);
    PageLayout layout = ReadLayout(file, path);
    ApplySettings(layout.window);

    // Creation runs from the last key down, so identifiers and per-type
    // numbers count from the bottom of the file.
    for (auto it = layout.controls.rbegin(); it != layout.controls.rend(); ++it) CreateControl(*it);
    controls_ = std::move(layout.controls);
    for (auto& c : controls_) {
        ApplyProperties(c);
        ApplyIdNameAdditions(c);
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
    UpdateWindow(hwnd_);
}

bool CImageWindow::CreateControl(ControlRecord& record) {
    CControlWindow* object = pools_->Object(record.type, record.poolIndex);
    WindowKind kind = KindOf(record.type);
    if (!object || !kind.className) return false;
    if (!object->Create(kind.exStyle, kind.className, record.defaultText, kind.style, record.rect, hwnd_,
                        record.windowId))
        return false;
    HWND hwnd = object->Handle();
    if (kind.pageFont && pageFont_) SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(pageFont_), FALSE);

    switch (record.type) {
        case ControlType::Rect:
        case ControlType::HotSpot:
        case ControlType::Animation:
        case ControlType::ListView: {
            // These never get a font of their own; they draw with the page's.
            auto* label = static_cast<CNewLabel*>(object);
            label->TakePageFont(pageFont_);
            if (record.type == ControlType::ListView) label->SetBackgroundColor("255,255,255");
            break;
        }
        case ControlType::Bitmap:
        case ControlType::Hover: {
            auto* picture = static_cast<CMyStatic*>(object);
            if (FileExists(record.text) && picture->LoadPicture(record.text) == CMyStatic::LoadResult::Loaded) {
                record.rect.right = record.rect.left + picture->PictureWidth();
                record.rect.bottom = record.rect.top + picture->PictureHeight();
            }
            SetWindowPos(hwnd, nullptr, record.rect.left, record.rect.top, record.rect.Width(), record.rect.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        case ControlType::Icon:
            SetWindowPos(hwnd, nullptr, record.rect.left, record.rect.top, 32, 32, SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        case ControlType::ComboBox: {
            int item = static_cast<int>(SendMessageA(hwnd, CB_GETITEMHEIGHT, 0, 0));
            record.rect.bottom = record.rect.top + item + 9;
            break;
        }
        case ControlType::Radio:
            // Created owner-drawn, then made a plain (non-automatic) radio button.
            SendMessageA(hwnd, BM_SETSTYLE, BS_RADIOBUTTON, FALSE);
            break;
        case ControlType::TreeView: {
            auto* tree = static_cast<CMyTreeView*>(object);
            tree->SetHost(&host_);
            tree->AttachImages();
            break;
        }
        case ControlType::Progress:
            // The bar created last is the page's bar until a behaviour picks one.
            progressBar_ = record.windowId;
            break;
        default:
            break;
    }
    return true;
}

void CImageWindow::ApplyProperties(ControlRecord& r) {
    CControlWindow* object = pools_->Object(r.type, r.poolIndex);
    if (!object || !object->Handle()) return;
    HWND hwnd = object->Handle();
    const Rgb face = ButtonFace();
    auto colour = [&](int position) { return NormaliseColour(r.Value(position), face); };

    switch (r.type) {
        case ControlType::Button: {
            auto* button = static_cast<CMyButton*>(object);
            if (r.Has(1)) SetWindowTextA(hwnd, host_.ExpandTokens(r.Value(1)).c_str());
            button->SetFont(r.Value(3), LeadingNumber(r.Value(4)), OnUnlessNo(r.Value(5)), OnUnlessNo(r.Value(6)));
            break;
        }
        case ControlType::Text: {
            auto* label = static_cast<CNewLabel*>(object);
            if (r.Has(1)) SetWindowTextA(hwnd, host_.ExpandTokens(r.Value(1)).c_str());
            if (r.Has(2)) {
                switch (AlignmentFromValue(r.Value(2))) {
                    case Alignment::Center: label->SetAlignment("Center"); break;
                    case Alignment::Left: label->SetAlignment("Left"); break;
                    case Alignment::Right: label->SetAlignment("Right"); break;
                    case Alignment::Unchanged: break;
                }
            }
            if (r.Has(3)) label->SetTextColor(ParseColorRef(colour(3)));
            if (r.Has(4)) label->SetBackgroundColor(colour(4));
            label->SetFont(r.Value(5), LeadingNumber(r.Value(6)), OnUnlessNo(r.Value(7)), OnUnlessNo(r.Value(8)));
            if (r.Has(9)) label->SetLink(OnOnlyIfYes(r.Value(9)) ? 255 : 0);
            break;
        }
        case ControlType::Radio:
        case ControlType::CheckBox: {
            auto* button = static_cast<CMyRadioButton*>(object);
            if (r.Has(1)) {
                // Radio texts may carry path variables; check box texts are shown as written.
                std::string text = r.type == ControlType::Radio ? host_.ExpandTokens(r.Value(1)) : r.Value(1);
                SetWindowTextA(hwnd, text.c_str());
            }
            if (r.Has(2)) button->SetBackgroundColor(colour(2));
            if (r.Has(3)) button->SetTextColor(colour(3));
            break;
        }
        case ControlType::GroupBox: {
            auto* box = static_cast<CMyButton*>(object);
            if (r.Has(1)) SetWindowTextA(hwnd, r.Value(1).c_str());
            if (r.Has(2)) box->SetBackgroundColor(colour(2));
            break;
        }
        case ControlType::Rect:
            if (r.Has(1)) static_cast<CNewLabel*>(object)->SetBackgroundColor(colour(1));
            break;
        case ControlType::Bitmap:
            if (r.Has(2)) {
                std::string value = r.Value(2).find("0 -") != std::string::npos ? std::string() : r.Value(2);
                static_cast<CMyStatic*>(object)->SetBackgroundColor(NormaliseColour(value, face));
            }
            break;
        case ControlType::Icon: {
            auto* icon = static_cast<CMyStatic*>(object);
            if (r.Has(2)) icon->SetBackgroundColor(colour(2));
            const std::string& value = r.Value(1);
            int builtIn = BuiltInIconNumber(value);
            if (builtIn >= 0) {
                icon->SetBuiltInIcon(builtIn);
            } else if (builtIn == kNotBuiltInIcon && !value.empty()) {
                if (icon->LoadPicture(value) == CMyStatic::LoadResult::NotFound)
                    host_.ShowMessage("File not found: (" + value + ")");
            }
            break;
        }
        case ControlType::ListView:
            if (r.Has(2)) {
                int border = LeadingNumber(r.Value(2));
                if (border == 0 || border == 1) {
                    LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
                    SetWindowLongPtrA(hwnd, GWL_STYLE, border ? (style | WS_BORDER) : (style & ~WS_BORDER));
                    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
                }
            }
            break;
        default:
            break;
    }
}

void CImageWindow::ApplyIdNameAdditions(const ControlRecord& r) {
    HWND hwnd = ControlHandle(r.windowId);
    if (!hwnd) return;
    switch (r.type) {
        case ControlType::Button: {
            if (r.idName == "IDC_NEXT") SendMessageA(hwnd, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
            bool first = pageIndex_ == 0;
            bool last = pageIndex_ >= pageCount_ - 1;
            if ((r.idName == "IDC_BACK" && (first || last)) || (r.idName == "IDCANCEL" && last))
                EnableWindow(hwnd, FALSE);
            break;
        }
        case ControlType::TextBox:
            if (r.idName == "IDC_SETTINGS") {
                // The summary box keeps its CR LF lines: multi-line, keeps Return.
                LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
                SetWindowLongPtrA(hwnd, GWL_STYLE, style | ES_WANTRETURN | ES_MULTILINE);
            }
            break;
        case ControlType::Progress:
            if (r.idName == "IDC_DOWNLOADPROGRESS") ShowWindow(hwnd, SW_HIDE);
            break;
        case ControlType::ComboBox:
            if (!r.Value(2).empty()) FillComboList(hwnd, r.Value(2));
            break;
        default:
            break;
    }
}

void CImageWindow::FillComboList(HWND combo, const std::string& listFile) {
    std::string content = ReadWholeFile(host_.WorkFolder() + listFile);
    for (const auto& entry : ListFileEntries(content))
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
}

}  // namespace qx::pages
