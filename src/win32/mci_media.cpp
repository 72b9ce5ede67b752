#include "win32/mci_media.h"

#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>

#include "win32/wide.h"

namespace vis::win32 {

int MciMedia::send(const std::string& command, std::string& reply) {
    wchar_t answer[256] = {};
    const MCIERROR error = mciSendStringW(widen(command).c_str(), answer, 256, nullptr);
    reply = narrow(answer);
    return static_cast<int>(error);
}

}  // namespace vis::win32
