#pragma once
// Control and menu ids of the settings window, shared by its dialog
// templates (res/settings.rc) and the code. Each id is named after the
// control it stands for; ids are unique across the whole window so one
// dispatcher can tell every control apart whatever page it sits on.

// Notebooks.
#define IDC_Notebook 1000
#define IDC_TN_sys 1001
#define IDC_TN_cal 1002
#define IDC_TN_FaST_MENU 1003
#define IDC_TBPlan 1004
#define IDC_NoteWWW 1005

// "Ok" buttons of the pages; all save and hide.
#define IDC_bok1 1100
#define IDC_bok 1101
#define IDC_BOK_Des 1102
#define IDC_bcl 1103
#define IDC_BOSkin 1104
#define IDC_B_ok_plan 1105
#define IDC_btcwww 1106
#define IDC_bok2 1107

// "Системные".
#define IDC_CB_MONITOR_IP 1200
#define IDC_CB_AUTO_HIDE_start 1201
#define IDC_CBTray 1202
#define IDC_bauloLoad 1203
#define IDC_Button1 1204
#define IDC_CB_LOG_ON 1205

// "Положение".
#define IDC_CB_AUTO_HIDE 1300
#define IDC_CBW 1301
#define IDC_CB_Display 1302
#define IDC_CB_zak_g_wind 1303
#define IDC_CB_UP 1304
#define IDC_CB_baraban 1305
#define IDC_CB_Down 1306

// "Меню" of the settings notebook: the control-panel menu items. The item
// boxes take consecutive ids in the order of the menuG table.
#define IDC_CB_men_first 1400
#define IDC_CB_men_it1 1400
#define IDC_CB_men_it2 1401
#define IDC_CB_men_it3 1402
#define IDC_CB_men_it5 1403
#define IDC_CB_men_it6 1404
#define IDC_CB_men_it7 1405
#define IDC_CB_men_it8 1406
#define IDC_CB_men_it9 1407
#define IDC_CB_men_it10 1408
#define IDC_CB_men_it11 1409
#define IDC_CB_men_it12 1410
#define IDC_CB_men_it13 1411
#define IDC_CB_men_it15 1412
#define IDC_CB_men_it16 1413
#define IDC_CB_men_it17 1414
#define IDC_CB_men_it18 1415
#define IDC_CB_men_it19 1416
#define IDC_CB_men_it20 1417
#define IDC_CB_men_it21 1418
#define IDC_CB_men_it22 1419
#define IDC_CB_men_it26 1420
#define IDC_CB_men_it23 1421
#define IDC_CB_men_it27 1422
#define IDC_CB_men_it24 1423
#define IDC_CB_Config_panel 1430
#define IDC_CB_PAINT_MENU 1431
#define IDC_B_fil_men 1432
#define IDC_B_cl_men 1433

// "Внешний вид".
#define IDC_CB_COLOR_STR 1500
#define IDC_ColorBoxbasic 1501
#define IDC_ColorBoxSec 1502
#define IDC_ColorBoxTimer 1503
#define IDC_CB_qual 1504
#define IDC_TBTRANS 1505
#define IDC_CB_old_skins 1506

// "Таймер".
#define IDC_ctH 1600
#define IDC_ctM 1601
#define IDC_CTS 1602
#define IDC_CBCT 1603
#define IDC_B_start_timer 1604
#define IDC_B_stop_timer 1605
#define IDC_CB_SOUND_TIM 1606
#define IDC_L_NEXT_timer 1607
#define IDC_L_next_timer_ti 1608

// "Рабочий стол".
#define IDC_B_paint_calendare 1700
#define IDC_Button6 1701
// "Фон".
#define IDC_RB_DESKTOP_NONE 1710
#define IDC_RB_DESKTOP_PIC 1711
#define IDC_RB_DESKTOP_COLOR 1712
#define IDC_E_path 1713
#define IDC_B_Brows 1714
#define IDC_CBCOLORCAL 1715
#define IDC_I_prev_calendar 1716
#define IDC_SpeedButton3 1717
#define IDC_BB_find_mus 1718
#define IDC_I_desk_preview 1719
#define IDC_L_path 1770
#define IDC_L_desktop_colour 1771
// "Календарь".
#define IDC_CB_calendare_activ 1720
#define IDC_CB_type_cal 1721
#define IDC_CBCD 1722
#define IDC_CBCC 1723
#define IDC_CB_CAL_MARKER_R 1724
#define IDC_CBLINE 1725
#define IDC_CBHV 1726
#define IDC_CBG 1727
#define IDC_CBSHD 1728
#define IDC_CBCS 1729
#define IDC_CBSHDD 1730
#define IDC_CBCSD 1731
#define IDC_CB_sh 1732
#define IDC_CBCF 1733
#define IDC_CBC 1734
#define IDC_CB_nedel 1735
#define IDC_CB_nedel_text 1736
#define IDC_CB_bith 1737
#define IDC_CB_bith_color 1738
#define IDC_CB_bith_sub 1739
#define IDC_CB_bith_color_sub 1740
#define IDC_CB_month_col 1741
#define IDC_CB_month_color 1742
#define IDC_CB_line_col 1743
#define IDC_CB_line_color 1744
#define IDC_CBF 1745
#define IDC_cb_bold 1746
#define IDC_cb_ital 1747
#define IDC_cb_undr 1748
#define IDC_DTP 1749
#define IDC_CBCDDTP 1750
#define IDC_CB_Visor_color 1751
#define IDC_L_font_use 1752
#define IDC_CB_shablon 1753
#define IDC_SB_reap 1754
#define IDC_B_saveshablon_cal 1755
// "Положение и размеры".
#define IDC_E_1 1760
#define IDC_ud1 1761
#define IDC_E_2 1762
#define IDC_ud2 1763
#define IDC_P_F_area 1764
#define IDC_RC_width 1765
#define IDC_RC_heigth 1766
#define IDC_P_F 1767

// "Меню" of the main notebook: the launcher menus.
#define IDC_LBProg 1800
#define IDC_E_name_prog 1801
#define IDC_E_path_prog 1802
#define IDC_E_param_prog 1803
#define IDC_BB_change_path_prog 1804
#define IDC_btadd 1805
#define IDC_btdel 1806
#define IDC_BB_save_prog 1807
#define IDC_B_prog_up 1808
#define IDC_B_prog_down 1809
#define IDC_LBwww 1820
#define IDC_E_name_www_menu 1821
#define IDC_E_url_www_menu 1822
#define IDC_btwwwad 1823
#define IDC_btwwwd 1824
#define IDC_btwwwr 1825
#define IDC_BB_save_www 1826
#define IDC_B_www_up 1827
#define IDC_B_www_down 1828
#define IDC_CB_MESS_FX 1840
#define IDC_CB_FULL_S 1841
#define IDC_CB_FULL_URL 1842
#define IDC_CBRBtoCLBR 1843
#define IDC_CB_www_dir_link 1844
#define IDC_CB_prog_dir_link 1845
#define IDC_CB_www_dir_sort 1846
#define IDC_CB_prog_dir_sort 1847
#define IDC_CBPROGRCL 1848
#define IDC_CB_FAVOR 1849
#define IDC_CB_IE_ONLY 1850
#define IDC_CB_sys_www 1851
#define IDC_CB_sys_prog 1852

// "Темы".
#define IDC_LBSkins 1900
#define IDC_IPrev 1901
#define IDC_BREF 1902
#define IDC_B_prin_skin 1903
#define IDC_ENameS 1904
#define IDC_EPathS 1905

// "Планировщик".
#define IDC_B_add_plan 2000
#define IDC_B_edit_plan 2001
#define IDC_B_del_plan 2002
#define IDC_B_del_all_plan 2003
#define IDC_B_stop_plan 2004
#define IDC_SG_PLAN 2005
#define IDC_GCalendare_area 2006
#define IDC_SG_plan_calend 2007
#define IDC_cbAlarm 2008
#define IDC_L_plan_next 2009
#define IDC_LPlan_cal 2010

// "Статистика".
#define IDC_CB_vis_conn 2100
#define IDC_SG_log_www 2101
#define IDC_BB_exp_txt 2102
#define IDC_B_cl 2103
#define IDC_BB_L 2104  // "Экспорт в Excel"
#define IDC_B_exp_conn_txt 2116
#define IDC_SG_Conn 2110
#define IDC_B_ADD_Items 2111
#define IDC_B_del_it_conn 2112
#define IDC_B_param_conn_1 2113
#define IDC_B_ref 2114
#define IDC_B_del_all_conn 2115
#define IDC_SG_W 2120
#define IDC_L_SUMM_WORK_TIME 2121
#define IDC_B_CLE_WORK 2122
#define IDC_BB_B_exp_work_txt 2123
#define IDC_BB_B_exp_work 2124  // "Экспорт в Excel"
#define IDC_SG_STATUS 2130
#define IDC_CB_MONITOR_FULL 2131
#define IDC_LB_console 2132

// "Об авторе...".
#define IDC_banner_area 2200
#define IDC_L_date 2201
#define IDC_L_version 2202
#define IDC_L_memory 2203
#define IDC_E_features 2204
#define IDC_L_debug 2205
#define IDC_I_logo 2206

// The main menu.
#define IDM_view_top 2300
#define IDM_view_neutral 2301
#define IDM_view_bottom 2302
#define IDM_view_autohide 2303
#define IDM_view_sticky 2304
#define IDM_view_pin 2305
#define IDM_desk_fon 2310
#define IDM_desk_cal 2311
#define IDM_desk_mess 2312
#define IDM_desk_pos 2313
#define IDM_desk_refresh 2314
#define IDM_plan_add 2320
#define IDM_plan_edit 2321
#define IDM_plan_del 2322
#define IDM_plan_del_all 2323
#define IDM_stat_log 2330
#define IDM_stat_conn 2331
#define IDM_stat_work 2332
#define IDM_stat_ 2333
#define IDM_about 2340
