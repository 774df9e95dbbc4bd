#pragma once

// Resource identifiers of quorrin.exe, shared by the resource script and the code.

// Icons: the program's own, and the tip dialog's.
#define IDI_QUORRIN 1
#define IDI_TIP 2

// The pictures, as bitmaps made from the PNG files whose names the layout tables use.
#define IDB_PICTURE1 101
#define IDB_LOGO 102
#define IDB_TIP_BULB 103
#define IDB_ABOUT_BACKGROUND 104
#define IDB_ABOUT_CONTACT 105

// The pointing hand over the about box's mail links.
#define IDC_LINK_HAND 201
