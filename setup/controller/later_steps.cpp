// Start-up and flow steps whose behaviour has not been built yet. Each one
// takes the neutral path (nothing refused, nothing read, nothing shown) so the
// start sequence around it runs in full; none of them claims to have done work.
#include "setup/controller/globals.h"
#include "setup/controller/main_frame.h"

#include <shellapi.h>

namespace qx {

bool CMainFrame::OpenSplash() { return false; }
void CMainFrame::ReadBillboards() {}
// The destination browse needs the folder picker, which is not built yet:
// the click is consumed and the destination stays as it is.
bool CMainFrame::RunPageBehaviour(pages::CImageWindow&, const std::string& behaviour) {
    return behaviour == "IDC_BROWSE";
}
// The installation engine is not built yet: the run ends at once, as a run
// with nothing to do would, and the flow goes on to the next page.
void CMainFrame::RunEngine() {}

// Without cabinet support there is nothing to extract when the package has no
// cabinet; a package that has one cannot be unpacked yet, which must not pass
// for success.
bool CMainFrame::ExtractCabinetPayload() {
    DWORD attr = GetFileAttributesA((g_PackageFolder + "file1.cab").c_str());
    return attr == INVALID_FILE_ATTRIBUTES;
}

}  // namespace qx
