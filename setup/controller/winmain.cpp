#include "setup/controller/setup_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    qx::CQuendrixSetupApp app(instance);
    if (!app.InitInstance()) return 0;
    return app.Run();
}
