#pragma once
// Control ids of the statistics window (res/statistics.rc).
#define IDC_STAT_TABS 3100
#define IDC_STAT_SG 3101        // "Общая статистика"
#define IDC_STAT_LIST 3102      // "Детальная статистика"
#define IDC_STAT_FROM 3103
#define IDC_STAT_TO 3104
#define IDC_STAT_PERIOD_OK 3105
#define IDC_STAT_DAY 3106
#define IDC_STAT_DAY_OK 3107
#define IDC_STAT_ALL 3108       // "Показать все"
#define IDC_STAT_EXPORT_TXT 3109
#define IDC_STAT_EXCEL_SUMMARY 3115   // " общий отчет" to the spreadsheet
#define IDC_STAT_EXCEL_SESSIONS 3116  // " детальный отчет" to the spreadsheet
