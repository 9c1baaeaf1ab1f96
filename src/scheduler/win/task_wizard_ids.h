#pragma once
// Control ids of the task wizard, shared by its dialog templates
// (res/task_wizard.rc) and the code. The range 4000-4999 is the wizard's
// own. "Далее"/"Готово" is IDOK and "Отмена" IDCANCEL, so Enter and Esc
// work as the dialog manager has them.

// The frame: header band, page area, buttons.
#define IDC_WIZ_L_capt_gen 4001
#define IDC_WIZ_L_capt 4002
#define IDC_WIZ_B_back 4003
#define IDC_WIZ_PAGE_AREA 4004

// Page 0: the action list (nine check boxes in list order) and the lock.
#define IDC_WIZ_CLB_0 4100
#define IDC_WIZ_CB_lock 4110

// Page 1: trigger radios RBE_0 .. RBE_5.
#define IDC_WIZ_RBE_0 4120

// Page 2: power.
#define IDC_WIZ_RB_SHOOT 4130
#define IDC_WIZ_RB_REBOOT 4131
#define IDC_WIZ_RB_Wait_enter 4132
#define IDC_WIZ_RB_sleep_enter 4133
#define IDC_WIZ_RB_Seans 4134

// Page 3: program.
#define IDC_WIZ_E_plan_run 4140
#define IDC_WIZ_E_plan_run_param 4141
#define IDC_WIZ_B_brows 4142
#define IDC_WIZ_BB_find_prog 4143

// Page 4: sound file.
#define IDC_WIZ_E_plan_mus 4150
#define IDC_WIZ_B_mus_brows 4151
#define IDC_WIZ_BB_paly 4152
#define IDC_WIZ_BB_pause 4153
#define IDC_WIZ_BB_find_mus 4154

// Page 5: message.
#define IDC_WIZ_E_plan_mes 4160
#define IDC_WIZ_B_mess_trest 4161

// Page 6: short sounds RB_0 .. RB_9.
#define IDC_WIZ_RB_0 4170

// Page 7: connection.
#define IDC_WIZ_CB_COnn 4180

// Page 8: speaker.
#define IDC_WIZ_TP_beep_freq 4190
#define IDC_WIZ_TR_beep_long 4191
#define IDC_WIZ_L_beep_freq 4192
#define IDC_WIZ_L_beep_long 4193
#define IDC_WIZ_B_Beep_test 4194

// Page 9: balloon.
#define IDC_WIZ_L_hint_text 4200
#define IDC_WIZ_E_hint 4201
#define IDC_WIZ_Label29hint 4202
#define IDC_WIZ_CB_hintTimer 4203
#define IDC_WIZ_TB_hint 4204
#define IDC_WIZ_L_hint 4205
#define IDC_WIZ_TB_Hint_ico 4206
#define IDC_WIZ_PB_hint_ico 4207
#define IDC_WIZ_B_hint 4208

// Page 10: monthly.
#define IDC_WIZ_CB_dateevermonth 4210
#define IDC_WIZ_TIME_month 4211

// Page 11: date and time.
#define IDC_WIZ_CB_EVERY 4220
#define IDC_WIZ_DATA 4221
#define IDC_WIZ_TIME 4222

// Page 12: weekdays (Monday first), months (January first), options.
#define IDC_WIZ_CLB_WEEK_0 4230
#define IDC_WIZ_CLB_MONTH_0 4240
#define IDC_WIZ_CB_autoBlock 4260
#define IDC_WIZ_CB_autoDelete 4261

// Page 13: name.
#define IDC_WIZ_E_name_pl 4270
