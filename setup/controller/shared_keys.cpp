// The setup script keys that the controller keeps for the whole run.
#include "setup/base/key_value_reader.h"
#include "setup/base/profile_reader.h"
#include "setup/controller/folder_rules.h"
#include "setup/controller/globals.h"
#include "setup/controller/main_frame.h"
#include "setup/controller/system_folders.h"

namespace qx {

std::string CMainFrame::ReadScript(const char* section, const char* key, std::size_t buffer) const {
    return ProfileReader(g_ScriptPath).Read(section, key, buffer);
}

void CMainFrame::ReadSharedKeys() {
    m_ProductName = ReadScript("APPINFO", "a1");
    g_UseDefaultFolder = ReadScript("APPINFO", "a9") == "Yes" ? kFlagOn : 0;
    m_Publisher = ReadScript("APPINFO", "a19");
    m_ProductVersion = ReadScript("APPINFO", "a2");
    m_CompanyName = ReadMachineValue("Software\\Microsoft\\Windows NT\\CurrentVersion", "RegisteredOrganization");
    m_InstallDir = WithTrailingBackslash(ExpandTokens(ReadScript("APPINFO", "a4")));
    g_InstallDir = m_InstallDir;
    g_DefaultInstallDir = m_InstallDir;
    m_bAllUsers = ReadScript("APPINFO", "a8") == "Per-User" ? 0 : kFlagOn;
    m_Language = ReadScript("APPINFO", "Language");
    m_EngineLanguage = ReadScript("APPINFO", "Language");
    m_bResourcesInPayload = ReadScript("BUILDING", "4") == "Yes" ? kFlagOn : 0;
    g_ProductCode = ReadScript("APPINFO", "a3");
    m_CT10 = ReadScript("DIALOGLIST", "CT10");
    m_CT11 = ReadScript("DIALOGLIST", "CT11");
    m_CT13 = ExpandTokens(ReadScript("DIALOGLIST", "CT13"));
    m_bOfferLaunchFile = ReadScript("DIALOGLIST", "CT9") == "No" ? 0 : kFlagOn;
    m_bOfferLaunchReadme = ReadScript("DIALOGLIST", "CT12") == "No" ? 0 : kFlagOn;
    if (LeadingNumber(ReadScript("APPINFO", "PREVIEW")) == kFlagOn) g_PreviewMode = kFlagOn;
    if (ReadScript("BUILDING", "2") == "Yes") g_SilentMode = kFlagOn;
    m_CT17 = ReadScript("DIALOGLIST", "CT17");
    m_CT18 = ReadScript("DIALOGLIST", "CT18");
    m_CT19 = ReadScript("DIALOGLIST", "CT19");
    m_bAskRestart = ReadScript("DIALOGLIST", "CT14") == "Yes" ? kFlagOn : 0;
}

}  // namespace qx
