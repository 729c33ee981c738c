/* Ids of the library's dialog templates and of their controls, for the resource script and for
   the code that drives the dialogs. The string table's ids are in string_table.h. */
#ifndef KELVD_RESOURCE_H
#define KELVD_RESOURCE_H

/* Dialog templates */
#define IDD_GENERAL_SETTINGS 1500
#define IDD_SELECT_DRIVERS 1501
#define IDD_SELECT_EVENTS 1502
#define IDD_ADVANCED 1503
#define IDD_MEMORY_TRACKING 1530
#define IDD_SELECT_VXDS 1532
#define IDD_SELECT_VXD_APIS 1533
#define IDD_SETTINGS_SHEET 1543

/* The settings sheet: the page tree, the selected page's caption, the place of the page, and
   the configuration file buttons. OK and Cancel are IDOK and IDCANCEL. */
#define IDC_PAGE_TREE 2046
#define IDC_PAGE_CAPTION 2047
#define IDC_PAGE_PLACEHOLDER 2048
#define IDC_LOAD_CONFIG 1539
#define IDC_SAVE_CONFIG_AS 1542

/* General settings: the start radio group, the Drovik pop-up radio group and their frames */
#define IDC_START_BOOT 1536
#define IDC_START_DISABLED 1537
#define IDC_POPUP_NEVER 1528
#define IDC_POPUP_ERRORS 1529
#define IDC_POPUP_ERRORS_AND_WARNINGS 1530
#define IDC_POPUP_FRAME 1531
#define IDC_START_FRAME 1535

/* Driver and VxD selection */
#define IDC_DRIVER_LIST 1503
#define IDC_ADD_DRIVER 1505
#define IDC_VXD_LIST 1543
#define IDC_ADD_VXD 1544

/* Buttons shared by the selection pages */
#define IDC_SELECT_ALL 1506
#define IDC_DESELECT_ALL 1507

/* Event and VxD API selection: the category (group) list, the event (API) list and labels */
#define IDC_CATEGORY_LIST 1509
#define IDC_EVENT_LIST 1510
#define IDC_CATEGORY_LABEL 1511
#define IDC_EVENT_LABEL 1512
#define IDC_VXD_API_LIST 1547
#define IDC_VXD_GROUP_LIST 1548

/* Advanced */
#define IDC_EVENT_BUFFER_SIZE 1521
#define IDC_STACK_THRESHOLD 1522

/* Memory tracking */
#define IDC_GUARD_BYTES 1540
#define IDC_MEMORY_TRACKING 1541

/* Texts and frames that no code reaches */
#define IDC_UNNAMED (-1)

/* The resource type of a dialog's initialisation data (records of control id, message, length
   and data, ended by a zero control id), and the one message those records carry: a combo box's
   add-string message under the number this data has always given it (the front end sends
   CB_ADDSTRING for it). */
#define KELVD_RT_DIALOG_INIT 240
#define KELVD_DIALOG_INIT_ADD_STRING 0x0403

#endif
