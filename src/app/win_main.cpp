// Vistelle for Windows: the program folder is the executable's own, wherever it was unpacked.
#include <windows.h>

#include "app/win32_program.h"
#include "win32/program_folder.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return vis::run_win32_program(vis::win32::program_folder(), VISTELLE_UPDATE_SERVER);
}
