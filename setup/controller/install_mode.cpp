// New installation or upgrade: removing a previous installation, or taking
// the folder of the one being upgraded.
#include "setup/controller/folder_rules.h"
#include "setup/controller/globals.h"
#include "setup/controller/install_mode_rules.h"
#include "setup/controller/main_frame.h"
#include "setup/controller/process_launch.h"
#include "setup/controller/registry_value.h"
#include "setup/controller/system_folders.h"
#include "setup/dialogs/trace.h"

namespace qx {

bool CMainFrame::CheckInstallMode() {
    const std::string a26 = ReadScript("APPINFO", "a26", kShortValueBuffer);
    const std::string a27 = ReadScript("APPINFO", "a27", kShortValueBuffer);
    switch (DecideInstallMode(a26, a27)) {
    case InstallMode::NewInstallation: {
        if (ReadScript("APPINFO", "a29", kShortValueBuffer) != "Yes") return true;
        const std::string program = ExpandTokens("<WindowsFolder>\\qxexec.exe");
        const std::string parameters = ExpandTokens(" \"/S\" <ProductCode>");
        const std::string key = ExpandTokens(UninstallKeyFor("<ProductCode>"));
        // A previous installation that cannot be removed does not stop this one.
        if (!ReadMachineValue(key.c_str(), "DisplayName").empty()) StartProgramAndWait(program, parameters);
        return true;
    }
    case InstallMode::UpgradeAutoDetect: {
        const std::string code = ReadScript("APPINFO", "a3");
        const std::string previous = ReadMachineValue(UninstallKeyFor(code).c_str(), "LastInstallationPath");
        if (previous.empty()) {
            ShowRefusal(kPreviousVersionMissing);
            return false;
        }
        m_InstallDir = WithTrailingBackslash(previous);
        g_InstallDir = m_InstallDir;
        Trace("InstallDir " + m_InstallDir);
        return true;
    }
    case InstallMode::UpgradeFromRegistry: {
        const RegistryLocation where = SplitRegistryLocation(ReadScript("APPINFO", "a28", kShortValueBuffer));
        if (!where.Readable()) return true;
        const std::string folder = ReadRegistryText(where.root, where.keyPath, where.valueName);
        if (!folder.empty()) {
            m_InstallDir = WithTrailingBackslash(folder);
            g_InstallDir = m_InstallDir;
            Trace("InstallDir " + m_InstallDir);
        }
        return true;
    }
    case InstallMode::Other:
        break;
    }
    return true;
}

}  // namespace qx
