#pragma once
// Control ids of the connection settings dialog (res/connection_settings.rc).
#define IDC_PREF_L_name 3000
#define IDC_PREF_CB 3001        // "Размерность" of the logs
#define IDC_PREF_cbi 3002       // "Округление"
#define IDC_PREF_CB_log 3003    // "Отображение"
#define IDC_PREF_CB_nab 3004    // "Следить за этим подключением"
#define IDC_PREF_CB_vis_log 3005
#define IDC_PREF_E_H 3010
#define IDC_PREF_UD_1 3011
#define IDC_PREF_E_M 3012
#define IDC_PREF_UD_2 3013
#define IDC_PREF_E_S 3014
#define IDC_PREF_UD_3 3015
#define IDC_PREF_E_tr_l 3016
#define IDC_PREF_CB_razm 3017
#define IDC_PREF_B_L 3018
#define IDC_PREF_CB_warn 3019
#define IDC_PREF_CB_tariff 3020  // which of the 16 tariff boxes is shown
#define IDC_PREF_T_kind 3021
#define IDC_PREF_T_start_h 3022
#define IDC_PREF_T_start_m 3023
#define IDC_PREF_T_end_h 3024
#define IDC_PREF_T_end_m 3025
#define IDC_PREF_T_cost 3026
#define IDC_PREF_T_currency 3027
#define IDC_PREF_T_traffic 3028
#define IDC_PREF_T_time 3029
#define IDC_PREF_T_direction 3030
#define IDC_PREF_T_days 3031
#define IDC_PREF_L_start 3032
#define IDC_PREF_L_end 3033
#define IDC_PREF_b_prev 3040
#define IDC_PREF_b_next 3041
#define IDC_PREF_B_prim 3042
