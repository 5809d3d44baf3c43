// CImageWindow: one wizard page, a modeless dialog built from a layout file.
// The page owns its controls (from fixed pools) and reaches the rest of the
// program only through IPageHost.
#pragma once
#include "setup/base/unique_handle.h"
#include "setup/pages/control_pools.h"
#include "setup/pages/ole_picture.h"
#include "setup/pages/page_host.h"
#include "setup/pages/page_layout.h"

#include <memory>
#include <string>
#include <vector>

namespace qx::pages {

constexpr int kPageTemplate = 131;

class CImageWindow {
public:
    // Creates the (hidden) dialog window from template 131.
    CImageWindow(IPageHost& host, HWND owner);
    virtual ~CImageWindow();
    CImageWindow(const CImageWindow&) = delete;
    CImageWindow& operator=(const CImageWindow&) = delete;

    // Creates a page window, loads the layout folder + name into it and shows
    // it with the show command (SW_HIDE leaves it hidden).
    static std::unique_ptr<CImageWindow> Create(IPageHost& host, HWND owner, const std::string& layoutFolder,
                                                const std::string& layoutName, int pageIndex, int pageCount,
                                                int showCmd);

    HWND Handle() const { return hwnd_; }
    // For the program's message loop: the page's keyboard handling (Enter
    // and Escape go to the page's hooks, other keys to the dialog manager).
    // True when the message was consumed.
    bool TranslatePageMessage(MSG& msg);
    // Destroys the window with all its controls.
    void Close();

    void LoadPage(const std::string& layoutFolder, const std::string& layoutName, int pageIndex, int pageCount);
    void LoadLayout(const std::string& path);

    // Window identifier of the first control in list order with this id name
    // (case-sensitive); -1 when none.
    int FindControlByIdName(const std::string& idName) const;
    int PoolIndexOf(int windowId) const;
    int ListPositionOf(int windowId) const;
    HWND ControlHandle(int windowId) const;
    CControlWindow* ControlObject(int windowId);
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    const ControlRecord& Control(int listPosition) const { return controls_[static_cast<std::size_t>(listPosition)]; }

    // Progress operations; they send messages to the controls, so any thread
    // may call them.
    void SetProgressPosition(int value);
    void SetProgressRange(int upper);
    void SetProgressText(const std::string& text, int which);  // which: 0 first, 1 second
    // The page behaviours choose the bar and texts by id name; missing names
    // leave no bar or text.
    void UseProgressControls(const std::string& bar, const std::string& firstText, const std::string& secondText);

    const std::string& LayoutName() const { return layoutName_; }
    const PageSettings& Settings() const { return settings_; }
    int PageIndex() const { return pageIndex_; }
    int PageCount() const { return pageCount_; }
    bool HasFinish() const { return hasFinish_; }
    bool BackgroundPictureLoaded() const { return background_.Loaded(); }
    IPageHost& Host() { return host_; }

protected:
    // Hooks for the command handling and the standard page behaviours.
    // A click (BN_CLICKED) of a control with identifier 3000 to 3030.
    virtual void OnControlClicked(int windowId);
    // Enter (IDOK), Escape (IDCANCEL) and the window's close button.
    virtual void OnEnterKey();
    virtual void OnCancelRequest();
    // After the layout is built and placed, before the finish button is set up.
    virtual void OnPageStart(const std::string& layoutName);
    virtual void OnTimer(UINT_PTR id);

private:
    // Page commands (page_commands.cpp).
    bool RunIdNameBehaviour(const ControlRecord& record);
    void RunApp(const std::string& argument);
    void RunCancelPath();
    void EndPage();
    void ChooseLanguage();

    // Standard page behaviours (page_behaviours.cpp, page_behaviours_text.cpp).
    void RunStartBehaviour(const std::string& layoutName);
    void RunEveryPageBehaviour(const std::string& layoutName);
    void StartProgressPage();
    void StartCompletePage();
    void FillFeatureTree();
    void ShowReadySummary();
    void LoadPageText(const char* fileKey, const char* controlKey);
    void StreamRichText(HWND control, const std::string& content);
    void SetLicenceAccepted(bool accept);
    void SetInstallFor(int choice);  // 0 anyone, 1 only for me
    void ApplySetupType(int type);
    void CommitCustomerPage();
    void WriteUserInfoKey(const std::string& userName, const std::string& organisation);
    void SetMark(const char* idName, bool set);
    void SetControlText(const char* idName, const std::string& text);
    std::string ControlText(const char* idName) const;

    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    void CreateTooltip();
    void AttachFinishTooltip(HWND finish);

    // Page settings (page_window_settings.cpp).
    void ApplySettings(const PageSettings& settings);
    void ApplyStyleSwitch(DWORD bit, bool on);
    void PlaceWindow();
    void SetBackgroundColour(const std::string& colour);
    void LoadBackgroundPicture(const std::string& path);
    void PaintBackground(HDC dc);

    // Controls (page_window_controls.cpp).
    void DestroyControls();
    bool CreateControl(ControlRecord& record);
    void ApplyProperties(ControlRecord& record);
    void ApplyIdNameAdditions(const ControlRecord& record);
    void FillComboList(HWND combo, const std::string& listFile);

    IPageHost& host_;
    HWND hwnd_ = nullptr;
    HWND tooltip_ = nullptr;
    std::unique_ptr<ControlPools> pools_;
    std::vector<ControlRecord> controls_;  // list order
    std::string layoutFolder_, layoutName_;
    int pageIndex_ = 0, pageCount_ = 0;
    PageSettings settings_;
    std::string backgroundColour_;
    unique_hbrush backgroundBrush_;
    OlePicture background_;
    HFONT pageFont_ = nullptr;  // owned by the host
    bool hasFinish_ = false;
    int progressBar_ = -1, progressText_[2] = {-1, -1};  // window identifiers
};

}  // namespace qx::pages
