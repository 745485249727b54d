#include "bench/tool_start.h"

#include "app/startup.h"
#include "platform/modal.h"
#include "platform/userint.h"

#include <cstdio>

namespace telvar::bench {

bool start_tool(int argc, char** argv)
{
    if (!InitCVIRTE(argc, argv) || !load_panels()) {
        std::fprintf(stderr, "cannot start the tool: are the panel files beside the program?\n");
        return false;
    }
    SetModalHook([](const ModalRequest& request) {
        std::fprintf(stderr, "pop-up %s: %s\n", request.title.c_str(), request.text.c_str());
        return ModalAnswer{};
    });
    InitVars();
    return true;
}

}  // namespace telvar::bench
