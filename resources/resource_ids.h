// Ids of the dialog templates, their controls and the program icon. Plain
// macros, because the resource compiler reads this file too.
#ifndef VELTRANO_RESOURCE_IDS_H
#define VELTRANO_RESOURCE_IDS_H

// Program icon.
#define IDI_CALENDAR 128

// Dialog templates.
#define IDD_MAIN 102
#define IDD_EXIT_PROMPT 139
#define IDD_DAY_NOTES 242
#define IDD_DAY_TIP 243
#define IDD_MEMO_PAD 255
#define IDD_MEMO_TAB 256
#define IDD_WEEKLY 258

// Main window: the year and month pickers.
#define IDC_YEAR_COMBO 1034
#define IDC_MONTH_COMBO 1035

// Exit prompt: close the program, or remove the autostart entry and close.
#define IDC_EXIT_CLOSE 1000
#define IDC_EXIT_UNINSTALL 1025

// Day-note editor: one-off, Gregorian-yearly and lunar-yearly note.
#define IDC_ONE_OFF_EDIT 1029
#define IDC_GREGORIAN_EDIT 1030
#define IDC_LUNAR_EDIT 1031

// Memo pad and memo tab.
#define IDC_MEMO_EDIT 1047
#define IDC_MEMO_HIDE 1048
#define IDC_MEMO_TAB_BUTTON 1000

// Weekly reminder editor.
#define IDC_WEEKLY_EDIT 1049

#endif
