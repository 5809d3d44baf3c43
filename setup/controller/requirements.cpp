// Start-up admission: the OS name, the SYSTEM requirements and the rights
// check. A refusal shows one message; the start sequence then quits.
#include "setup/base/profile_reader.h"
#include "setup/controller/globals.h"
#include "setup/controller/main_frame.h"
#include "setup/controller/requirement_rules.h"
#include "setup/dialogs/cancel_setup.h"
#include "setup/probes/cpu_assembly.h"
#include "setup/probes/os_version.h"
#include "setup/probes/req.h"

namespace qx {

void CMainFrame::DetermineOsName() { m_OsName = ShortSystemName(RunningOsVersion()); }

void CMainFrame::ShowRefusal(const std::string& text) {
    CCancelSetup box;
    box.m_Mode = kErrorReport;
    box.m_Message = ExpandTokens(text);
    box.DoModal(Hwnd());
}

bool CMainFrame::CheckRequirements() {
    const SystemRequirements wanted = ReadSystemRequirements(ProfileReader(g_ScriptPath));
    const ProfileReader language(g_LanguageFile);
    auto message = [&](RequirementMessage which) { return ExpandTokens(RequirementMessageText(which, language)); };
    const std::string osMessage = message(RequirementMessage::OperatingSystem);
    const std::string colourMessage = message(RequirementMessage::Colours);
    const std::string screenMessage = message(RequirementMessage::Screen);
    const std::string memoryMessage = message(RequirementMessage::Memory);
    const std::string processorMessage = message(RequirementMessage::Processor);

    const CReq probe;
    if (ChecksOperatingSystem(wanted) && !probe.OsRequirementMet(wanted.osMask)) {
        ShowRefusal(osMessage);
        return false;
    }
    if (ChecksMemory(wanted) && !probe.MemoryRequirementMet(RequiredMegabytes(wanted.memory))) {
        ShowRefusal(memoryMessage);
        return false;
    }
    if (ChecksResolution(wanted) && !probe.ResolutionRequirementMet(wanted.resolution)) {
        ShowRefusal(screenMessage);
        return false;
    }
    if (ChecksColours(wanted) && !probe.ColourRequirementMet(wanted.colours)) {
        ShowRefusal(colourMessage);
        return false;
    }
    if (ChecksProcessor(wanted)) {
        // A processor that cannot be identified passes.
        auto cpu = std::make_unique<CPUAssembly>();
        if (cpu->Identify() && cpu->ModelName().find(wanted.processor) == std::string::npos) {
            ShowRefusal(processorMessage);
            return false;
        }
    }
    return true;
}

bool CMainFrame::CheckRights() {
    if (ReadScript("APPINFO", "a7", kShortValueBuffer) == "Yes" && m_Folders.noProgramFiles) {
        ShowRefusal(kRightsMessage);
        return false;
    }
    return true;
}

}  // namespace qx
