// Loads "TONMARK.dll", makes "MIDI_KB" windows, reads back what they paint
// and compares two performances; the transcript must equal the Linux
// build's. Run it in an empty folder: it writes its tunes there.
//   tonmark_dll_test <expected transcript> <actual transcript>

#include "library_entries.h"
#include "message_boxes.h"
#include "tonmark_transcript.h"
#include "transcript.h"

#include <windows.h>

#include <mmsystem.h>

#include <cstdio>

namespace {

constexpr char kReportFolder[] = "c:\\mail";
constexpr char kReportPath[] = "c:\\mail\\RprtMidi.txt";
constexpr char kCompareCaption[] = "Performing of test";
constexpr DWORD kCompareTimeoutMs = 300000;

constexpr int kWidth = 440;
constexpr int kHeight = 40;

MidiWindow NewWindow(const char* className) {
    return CreateWindowA(className, "", WS_POPUP, 0, 0, kWidth, kHeight, nullptr, nullptr, nullptr,
                         nullptr);
}

// The window paints itself into a bitmap of ours.
midi::KeyColour Pixel(MidiWindow keyboard, int x, int y) {
    const HWND window = static_cast<HWND>(keyboard);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    const DWORD bgr = static_cast<const DWORD*>(bits)[y * kWidth + x];
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return {static_cast<std::uint8_t>(bgr >> 16), static_cast<std::uint8_t>(bgr >> 8),
            static_cast<std::uint8_t>(bgr)};
}

void Wait(int ms) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(5);
    }
}

DWORD compareStart = 0;

// Confirms the progress dialog once the comparison has written its report,
// or cancels it when that takes too long.
void CALLBACK ConfirmWhenReported(HWND, UINT, UINT_PTR, DWORD) {
    const HWND dialog = FindWindowA("#32770", kCompareCaption);
    if (!dialog) return;
    if (GetFileAttributesA(kReportPath) != INVALID_FILE_ATTRIBUTES)
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    else if (GetTickCount() - compareStart > kCompareTimeoutMs)
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

int CompareAndConfirm(dll_test::TonmarkCalls calls, MidiWindow source, MidiWindow pupil) {
    compareStart = GetTickCount();
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, ConfirmWhenReported);
    const int result = calls.MakeComparingWith(source, pupil);
    KillTimer(nullptr, timer);
    return result;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::printf("usage: tonmark_dll_test <expected transcript> <actual transcript>\n");
        return 2;
    }
    const HMODULE library = LoadLibraryA("TONMARK.dll");
    if (!library) {
        std::printf("cannot load TONMARK.dll (error %lu)\n", GetLastError());
        return 1;
    }
    dll_test::TonmarkHost host;
    bool complete = true;
#define TONMARK_BIND(name)                                                                         \
    host.calls.name = dll_test::Entry<decltype(&::name)>(library, #name);                          \
    if (!host.calls.name) {                                                                        \
        std::printf("TONMARK.dll does not export %s\n", #name);                                    \
        complete = false;                                                                          \
    }
    TONMARK_CALLS(TONMARK_BIND)
#undef TONMARK_BIND
    if (!complete) return 1;

    // The MIDI mapper may be missing (no sound device): the keys light all the same.
    platform::MidiOutHandle output{};
    HMIDIOUT mapper = nullptr;
    if (midiOutOpen(&mapper, MIDI_MAPPER, 0, 0, CALLBACK_NULL) == MMSYSERR_NOERROR)
        output = platform::MidiOutHandle{reinterpret_cast<std::uintptr_t>(mapper)};
    std::printf("MIDI mapper %s\n", mapper ? "open" : "not available");

    CreateDirectoryA(kReportFolder, nullptr);
    host.newKeyboard = [] { return NewWindow("MIDI_KB"); };
    host.deleteWindow = [](MidiWindow w) { DestroyWindow(static_cast<HWND>(w)); };
    host.otherWindow = [] { return NewWindow("STATIC"); };
    host.pixel = Pixel;
    host.wait = Wait;
    host.compareAndConfirm = [&](MidiWindow source, MidiWindow pupil) {
        return CompareAndConfirm(host.calls, source, pupil);
    };
    host.reportPath = kReportPath;
    host.tickCount = [] { return static_cast<std::uint32_t>(GetTickCount()); };
    host.output = &output;
    host.messageBoxes = dll_test::TakeMessageBoxes;
    dll_test::ConfirmMessageBoxes(kCompareCaption);
    WNDCLASSA keyboardClass;
    if (!GetClassInfoA(library, "MIDI_KB", &keyboardClass)) {
        std::printf("loading TONMARK.dll registered no window class MIDI_KB\n");
        return 1;
    }
    const int result =
        dll_test::CompareWithExpected(argv[1], argv[2], dll_test::TonmarkTranscript(host));
    if (mapper) midiOutClose(mapper);
    return result;
}
