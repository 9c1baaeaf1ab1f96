#pragma once
// Control identifiers of the "Напоминания" page (res/reminders_page.rc),
// named after the page's components.
#define IDC_LB_mess_text 3100
#define IDC_B_add_mess 3101
#define IDC_B_cha_mess 3102
#define IDC_B_del_mess 3103
#define IDC_B_del_mess_all 3104
#define IDC_CB_mess_activ 3110
#define IDC_CB_vnesh_base 3111
#define IDC_RB_M_1 3112
#define IDC_RB_M_2 3113
#define IDC_RB_M_3 3114
#define IDC_RB_M_4 3115
#define IDC_CB_MES 3116
#define IDC_CB_MES_SIZE 3117
#define IDC_CB_mess_name_text 3118
#define IDC_cb_bold1 3119
#define IDC_cb_ital1 3120
#define IDC_cb_undr1 3121
#define IDC_CB_Visor_colors 3122
