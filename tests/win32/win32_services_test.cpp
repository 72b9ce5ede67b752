// The Windows services beside the files: one running copy, the program folder, the music's media
// command strings, and the file on the clipboard.
#include <gtest/gtest.h>

#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>
#include <shellapi.h>
#include <shlobj.h>

#include "music/media_commands.h"
#include "services/paths.h"
#include "support/temp_folder.h"
#include "win32/file_drag.h"
#include "win32/mci_media.h"
#include "win32/mutex_instance_guard.h"
#include "win32/program_folder.h"
#include "win32/wide.h"
#include "win32/win32_clipboard.h"

namespace vis {
namespace {

// Windows' paths ignore letter case: another spelling of the program folder is the same folder.
TEST(Win32Services, TheMutexTakesTheProgramFolderWithoutRegardToLetterCase) {
    win32::MutexInstanceGuard first("C:\\Games\\Vistelle");
    EXPECT_FALSE(first.another_instance_running());
    EXPECT_TRUE(win32::MutexInstanceGuard("c:\\games\\VISTELLE").another_instance_running());
}

TEST(Win32Services, TheProgramFolderIsTheExecutablesFolder) {
    const std::string folder = win32::program_folder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
    EXPECT_NE(GetFileAttributesW(win32::widen(join_path(folder, "vistelle_tests.exe")).c_str()),
              INVALID_FILE_ATTRIBUTES)
        << folder;
}

// The manifest linked into the program, as the system takes it: paths beyond 260 characters and
// Windows 10 and 11 declared.
TEST(Win32Services, TheProgramsManifestAllowsLongPathsAndNamesWindows10And11) {
    // The program is built beside the tests' folder.
    const std::wstring exe = win32::widen(join_path(parent_folder(win32::program_folder()), "vistelle.exe"));
    ACTCTXW context{};
    context.cbSize = sizeof context;
    context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.lpSource = exe.c_str();
    context.lpResourceName = MAKEINTRESOURCEW(1);
    const HANDLE activation = CreateActCtxW(&context);
    ASSERT_NE(activation, INVALID_HANDLE_VALUE) << GetLastError();
    ReleaseActCtx(activation);

    const HMODULE program =
        LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(program, nullptr);
    const HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_NE(found, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(program, found))),
                               SizeofResource(program, found));
    FreeLibrary(program);
    EXPECT_NE(manifest.find("<longPathAware xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">true"
                            "</longPathAware>"),
              std::string::npos);
    EXPECT_NE(manifest.find("<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-7fd50a15a9a7}\"/>"), std::string::npos);
}

// A second of silence as a PCM WAV file.
std::string silent_wav() {
    const std::uint32_t rate = 8000, bytes = rate;
    std::string wav = "RIFF";
    const auto put32 = [&](std::uint32_t v) { wav.append(reinterpret_cast<const char*>(&v), 4); };
    const auto put16 = [&](std::uint16_t v) { wav.append(reinterpret_cast<const char*>(&v), 2); };
    put32(36 + bytes);
    wav += "WAVEfmt ";
    put32(16);
    put16(1);
    put16(1);
    put32(rate);
    put32(rate);
    put16(1);
    put16(8);
    wav += "data";
    put32(bytes);
    wav.append(bytes, '\x80');
    return wav;
}

TEST(Win32Services, TheMusicsCommandStringsReachTheMediaInterface) {
    test::TempFolder dir;
    const std::string track = join_path(dir.path(), "曲 001.wav");
    test::write_file(track, silent_wav());
    win32::MciMedia media;
    std::string reply;
    // A file that is not there is the interface's own answer to a well-formed command.
    EXPECT_EQ(media.send(media_command("open", join_path(dir.path(), "ない.wav")), reply), MCIERR_FILE_NOT_FOUND);
    // A track not open has no mode to tell.
    EXPECT_NE(media.send(mode_query(track), reply), 0);

    ASSERT_EQ(media.send(media_command("open", track), reply), 0);
    ASSERT_EQ(media.send(mode_query(track), reply), 0);
    EXPECT_TRUE(reports_stopped(reply)) << reply;
    // With no sound device (as in CI) playing fails; either way the track closes.
    const int played = media.send(media_command("play", track), reply);
    if (played != 0) {
        EXPECT_NE(played, MCIERR_UNRECOGNIZED_COMMAND);
    }
    EXPECT_EQ(media.send(media_command("close", track), reply), 0);
    // A track not open has no mode to tell.
    EXPECT_NE(media.send(mode_query(track), reply), 0);
}

// The one name a CF_HDROP holds.
std::string dropped_file(HDROP drop) {
    if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) != 1) return "(not one file)";
    wchar_t name[MAX_PATH] = {};
    DragQueryFileW(drop, 0, name, MAX_PATH);
    return win32::narrow(name);
}

// Copy as file and a drag hand other programs the screenshot file itself, as a copy, with no
// picture beside it: a paste in Explorer or a chat program takes the JPEG as it is.
TEST(Win32Services, TheFileGoesOutAsCfHdropOnlyAndAsACopy) {
    test::TempFolder folder;
    const std::string file = join_path(folder.path(), "PelmarOnline_2006115_01715.jpg");
    test::write_jpeg(file, 8, 8);
    win32::Win32Clipboard clipboard;
    const auto pixels = std::make_shared<std::vector<std::uint32_t>>(4, 0xFF112233u);
    ASSERT_TRUE(clipboard.set_picture(Picture{2, 2, pixels}));
    ASSERT_TRUE(clipboard.set_file(file));

    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_DIB));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
    HANDLE drop = GetClipboardData(CF_HDROP);
    const std::string named = drop != nullptr ? dropped_file(static_cast<HDROP>(drop)) : "(none)";
    HANDLE effect = GetClipboardData(RegisterClipboardFormatW(CFSTR_PREFERREDDROPEFFECT));
    const DWORD preferred = effect != nullptr ? *static_cast<const DWORD*>(GlobalLock(effect)) : 0;
    if (effect != nullptr) GlobalUnlock(effect);
    CloseClipboard();
    EXPECT_EQ(named, file);
    EXPECT_EQ(preferred, static_cast<DWORD>(DROPEFFECT_COPY));

    // A drag carries the shell's object for the same file; the window system has COM on its thread.
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    IDataObject* data = win32::file_data_object(file);
    ASSERT_NE(data, nullptr);
    FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    ASSERT_EQ(data->GetData(&format, &medium), S_OK);
    EXPECT_EQ(dropped_file(static_cast<HDROP>(medium.hGlobal)), file);
    ReleaseStgMedium(&medium);
    data->Release();
    CoUninitialize();
}

}  // namespace
}  // namespace vis
