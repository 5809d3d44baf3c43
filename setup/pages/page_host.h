// What a page window needs from the program that shows it. The main frame
// implements this; tests implement it with a small stand-in. The page never
// reaches the frame or the process-wide values any other way.
#pragma once
#include "setup/base/key_value_reader.h"

#include <windows.h>

#include <string>

namespace qx::pages {

class CImageWindow;

class IPageHost {
public:
    virtual ~IPageHost() = default;

    // Path variables such as <InstallDir> expanded for captions, texts and
    // click-action arguments.
    virtual std::string ExpandTokens(const std::string& text) = 0;

    // The page font is shared by all pages and owned by the host. A page asks
    // for it to be re-made from its layout (height 0: from the point size;
    // flags 255 or 0) and then uses PageFont() for its controls. The host
    // must keep a font alive while a page still uses it.
    virtual void SetPageFont(const std::string& face, int height, int bold, int italic,
                             int pointSize) = 0;
    virtual HFONT PageFont() const = 0;

    // The page that last loaded a layout; the host's m_pCurrentPage.
    virtual void SetCurrentPage(CImageWindow* page) = 0;

    // Folder of the private work files (with trailing backslash): combo list
    // files are read from here.
    virtual std::string WorkFolder() const = 0;

    // The decrypted setup script, read for feature descriptions.
    virtual const KeyValueReader& SetupScript() const = 0;
    // Feature tree choices: the feature's new state (0 selected, 255 not) in
    // the host's feature table, and the description to show on the page.
    virtual void SetFeatureState(const std::string& featureName, int state) = 0;
    virtual void ShowFeatureInfo(const std::string& text) = 0;

    // A modal message to the user, such as a missing icon file.
    virtual void ShowMessage(const std::string& text) = 0;

    // The progress page starts the installation once it is shown; the call
    // returns when the run is over (1 after a normal run, 0 when cut short).
    virtual int StartInstallation() = 0;

    // The confirmed cancel: the flags the installation side polls, then the
    // immediate end of the process.
    virtual void SetCancelRequested() = 0;
    virtual void SetRunFinished() = 0;
    virtual void TerminateNow() = 0;

    // Set-up type chosen on the setup-type page: 0 typical, 1 minimal, 2 custom;
    // the host also sets the Minimal flag (255 for minimal, 0 otherwise).
    virtual void SetSetupType(int type) = 0;
    // Launch options of the Complete page (0 the file, 1 the read-me); returns
    // the new state, 255 on or 0 off.
    virtual int ToggleLaunchOption(int which) = 0;
    // The language named on the language page was confirmed.
    virtual void ChooseLanguage(const std::string& languageName) = 0;
    // A behaviour bound to an id name that only the controller can run (the
    // destination browse); true when it consumed the click.
    virtual bool RunPageBehaviour(CImageWindow& page, const std::string& behaviour) = 0;

    // Values the standard page behaviours read and write.
    // The installation folder in force, ending in a backslash.
    virtual std::string InstallDir() const = 0;
    // The set-up type in force (the value last stored, possibly unset).
    virtual int SetupType() const = 0;
    // Non-zero when the package installs for anyone using the computer.
    virtual int InstallForAnyone() const = 0;
    virtual std::string UserName() const = 0;
    virtual std::string Organisation() const = 0;
    // The customer page hands its texts to the controller.
    virtual void SetUserInfo(const std::string& userName, const std::string& organisation) = 0;
    // The Windows folder, where userinfo.ini is written.
    virtual std::string WindowsFolder() const = 0;
    // The folder that holds the licence and read-me files (with trailing
    // backslash): the work folder, or DiskImage1 of a disk-image package.
    virtual std::string TextFileFolder() const = 0;
    // Launch offers of the Complete page (0 the file, 1 the read-me) and the
    // launch state the page sets (255 on, 0 off).
    virtual bool LaunchOffered(int which) const = 0;
    virtual void SetLaunchOption(int which, int state) = 0;
    // True when the run was cut short (cancelled or failed).
    virtual bool RunCutShort() const = 0;
    // A value of the language file in force; empty when missing.
    virtual std::string LanguageFileText(const std::string& section, const std::string& key) const = 0;

    // Page report of a click that the page did not consume: window
    // identifier, list position, action number, id name, the page, and the
    // page's layout file name.
    virtual void OnPageCommand(int windowId, int listPosition, int code, const std::string& commandId,
                               CImageWindow* page, const std::string& layoutName) = 0;
};

}  // namespace qx::pages
