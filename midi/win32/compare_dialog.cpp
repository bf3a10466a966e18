// "Performing of test": the comparison's progress dialog from the library's
// resources. It does not end before the comparison's thread has, so that the
// thread never outlives the controls it works on.

#include "midi/compare_job.h"
#include "midi/win32/resource.h"
#include "platform/win32/this_module.h"

#include <windows.h>

#include <commctrl.h>

namespace midi {
namespace {

constexpr UINT_PTR kProgressTimer = 1;
constexpr UINT kProgressMs = 100;

void ShowProgress(HWND dialog, const CompareJob& job) {
    SetDlgItemTextA(dialog, IDC_REPORT_TEXT, job.ProgressText().c_str());
    SendDlgItemMessageA(dialog, IDC_WINDOW_BAR, PBM_SETPOS, job.windowStart() / 1000, 0);
    SendDlgItemMessageA(dialog, IDC_SHIFT_BAR, PBM_SETPOS, job.shift() + 100, 0);
}

INT_PTR CALLBACK CompareProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* job = reinterpret_cast<CompareJob*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        job = reinterpret_cast<CompareJob*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        job->Start();
        SendDlgItemMessageA(dialog, IDC_WINDOW_BAR, PBM_SETRANGE32, 0, job->pupilLength() / 1000);
        SendDlgItemMessageA(dialog, IDC_SHIFT_BAR, PBM_SETRANGE32, 0, 200);
        SetTimer(dialog, kProgressTimer, kProgressMs, nullptr);
        return TRUE;
    case WM_TIMER:
        if (wParam == kProgressTimer) ShowProgress(dialog, *job);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            KillTimer(dialog, kProgressTimer);
            job->Stop();
            EndDialog(dialog, LOWORD(wParam));
        }
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

int RunCompareDialog(ControlHandle source, ControlHandle pupil) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    CompareJob job(source, pupil);
    const INT_PTR result =
        DialogBoxParamA(platform::ThisModule(), MAKEINTRESOURCEA(IDD_COMPARE_PROGRESS),
                        GetActiveWindow(), CompareProc, reinterpret_cast<LPARAM>(&job));
    return result == IDOK ? IDOK : IDCANCEL;
}

} // namespace midi
