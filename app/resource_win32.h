// Resource and command identifiers of Quillstone.exe, shared by the resource
// script and the Windows code. Plain #defines: the resource compiler reads
// this file too.
#pragma once

#define IDR_MAINFRAME 128  // menu, accelerators, toolbar, document string
#define IDR_POPUP_EDIT 119
#define IDD_ABOUTBOX 100
#define IDC_ABOUT_VERSION 1000
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDS_OLE_INIT_FAILED 100
#define IDS_CUSTOMIZE 125
#define IDS_EDIT_MENU 306
#define IDS_APP_TITLE 57344

// File menu and the standard commands.
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_SAVE 57603
#define ID_FILE_SAVE_AS 57604
#define ID_FILE_MRU_FILE1 57616  // .. 57619 for four recent files
#define ID_FILE_MRU_FILE4 57619
#define ID_EDIT_COPY 57634
#define ID_EDIT_CUT 57635
#define ID_EDIT_PASTE 57637
#define ID_EDIT_UNDO 57643
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_NEXT_PANE 57680
#define ID_PREV_PANE 57681

// Sound menu.
#define ID_SOUND_RIGHT 32771
#define ID_SOUND_LEFT 32772
#define ID_SOUND_INPUT_VOL 32773
#define ID_SOUND_ADAPTIVE_DECODER 32774  // rx::menu::kAdaptiveDecoder

// Initial Setting menu.
#define ID_OPTION 32776
#define ID_COMM_COM1 32777  // COM1 .. COM8: 32777 .. 32784
#define ID_COMM_COM2 32778
#define ID_COMM_COM3 32779
#define ID_COMM_COM4 32780
#define ID_COMM_COM5 32781
#define ID_COMM_COM6 32782
#define ID_COMM_COM7 32783
#define ID_COMM_COM8 32784
#define ID_COMM_USBIF4CW 32785
#define ID_KEY_RTS 32786
#define ID_KEY_DTR 32787
#define ID_COMM_COM9 32795  // COM9 .. COM15: 32795 .. 32801
#define ID_COMM_COM10 32796
#define ID_COMM_COM11 32797
#define ID_COMM_COM12 32798
#define ID_COMM_COM13 32799
#define ID_COMM_COM14 32800
#define ID_COMM_COM15 32801

// Help menu.
#define ID_HELP_README 32808
#define ID_HELP_MANUAL 32809
