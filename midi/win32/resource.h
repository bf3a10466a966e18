// Identifiers shared by the component's resource script and its code.
#define IDD_COMPARE_PROGRESS 129
#define IDC_WINDOW_BAR 1000
#define IDC_SHIFT_BAR 1001
#define IDC_REPORT_TEXT 1002
