// The application object: starts the process-wide services, creates the main
// frame and runs the message loop until the frame posts its quit.
#pragma once
#include "setup/controller/main_frame.h"

#include <memory>

namespace qx {

class CQuendrixSetupApp {
public:
    explicit CQuendrixSetupApp(HINSTANCE instance) : m_Instance(instance) {}
    bool InitInstance();
    int Run();
    CMainFrame* MainFrame() const { return m_pMainFrame.get(); }

private:
    HINSTANCE m_Instance;
    std::unique_ptr<CMainFrame> m_pMainFrame;
};

// The running application's frame (null before it exists), as other parts reach it.
CMainFrame* TheMainFrame();

}  // namespace qx
