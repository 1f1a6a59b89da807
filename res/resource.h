/* Resource and control ids of Ledgerly, shared by the resource script and the code. */
#ifndef LEDGERLY_RESOURCE_H
#define LEDGERLY_RESOURCE_H

/* Resources: menu, icon, dialog templates */
#define IDR_MAINMENU        101
#define IDD_ABOUTBOX        102
#define IDI_LEDGERLY        103
#define IDD_LOANPAGE        115
#define IDD_INVESTMENTPAGE  116
#define IDD_SAVINGPAGE      117
#define IDD_MAINPANEL       126
#define IDD_HELPBOX         127
#define IDD_SCHEDULEBOX     128
#define IDD_LOANCOSTBOX     129
#define IDD_PRINTINGBOX     130

/* Child window id of the tree-view host inside the main window */
#define IDC_PANELHOST       101

/* Menu commands */
#define IDM_EXIT            40001
#define IDM_ABOUT           40002
#define IDM_LOAN            40003
#define IDM_HELP            40004
#define IDM_INVESTMENT      40005
#define IDM_SAVING          40006
#define IDM_CUT             40007
#define IDM_COPY            40008
#define IDM_PASTE           40009
#define IDM_DELETE          40010
#define IDM_SCHEDULE        40011
#define IDM_SOLVEMONTHS     40012
#define IDM_SOLVERATE       40013
#define IDM_LOANCOST        40014

/* Main panel: term boxes, their labels, tab strip */
#define IDC_MONTHBOX        1001
#define IDC_RATEBOX         1002
#define IDC_TABSTRIP        1011
#define IDC_MONTHLABEL      1038
#define IDC_RATELABEL       1039

/* Main panel: keypad keys and display */
#define IDC_KEY7            1015
#define IDC_KEY4            1016
#define IDC_KEY1            1017
#define IDC_KEY0            1018
#define IDC_KEY8            1019
#define IDC_KEY5            1020
#define IDC_KEY2            1021
#define IDC_KEYBACK         1022
#define IDC_KEY9            1023
#define IDC_KEY6            1024
#define IDC_KEY3            1025
#define IDC_KEYPOINT        1026
#define IDC_KEYDIVIDE       1027
#define IDC_KEYMULTIPLY     1028
#define IDC_DISPLAY         1030
#define IDC_KEYSUBTRACT     1031
#define IDC_KEYADD          1032
#define IDC_KEYSIGN         1033
#define IDC_KEYCE           1034
#define IDC_KEYC            1035
#define IDC_KEYEQUALS       1036
#define IDC_KEYINVERT       1037

/* Calculation pages (they reuse numbers of the panel's range) */
#define IDC_RIGHTFIELD      1005
#define IDC_CALCULATE       1008
#define IDC_LEFTFIELD       1010
#define IDC_LEFTTORIGHT     1013
#define IDC_RIGHTTOLEFT     1014
#define IDC_RIGHTLABEL      1027
#define IDC_LEFTLABEL       1034

/* About box */
#define IDC_VERSIONTEXT     1041

/* Loan Cost box: the two fields, the figures (in this order) and the note */
#define IDC_COSTFEES        1055
#define IDC_COSTPOINTS      1056
#define IDC_AMOUNTFINANCED  1057
#define IDC_FINANCECHARGE   1058
#define IDC_TOTALPAYMENTS   1059
#define IDC_APR             1060
#define IDC_EFFECTIVERATE   1061
#define IDC_COSTNOTE        1062

/* Schedule box */
#define IDC_SCHEDULEHEADING 1043
#define IDC_SCHEDULELIST    1044
#define IDC_SCHEDULECOPY    1045
#define IDC_SCHEDULENOTE    1046
#define IDC_EXTRAMONTHLY    1047
#define IDC_EXTRAFROM       1048
#define IDC_EXTRAONCE       1049
#define IDC_EXTRAONCEMONTH  1050
#define IDC_BYYEAR          1051
#define IDC_FIRSTMONTH      1052
#define IDC_FIRSTYEAR       1053
#define IDC_SCHEDULEPRINT   1054

/* The box shown while the statement prints */
#define IDC_PRINTINGPAGE    1063

#endif
