#pragma once

// Resource identifiers of quorrin.exe, shared by the resource script and the code.

// Icons: the program's own, and the tip dialog's.
#define IDI_QUORRIN 1
#define IDI_TIP 2

// The pictures, as PNG files in RCDATA resources, by the file names the layout tables use.
#define IDR_PICTURE1_PNG 101
#define IDR_LOGO_PNG 102
#define IDR_TIP_BULB_PNG 103
#define IDR_ABOUT_BACKGROUND_PNG 104
#define IDR_ABOUT_CONTACT_PNG 105

// The pointing hand over the about box's mail links.
#define IDC_LINK_HAND 201
