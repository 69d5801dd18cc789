/* Resource numbers shared by numora.rc and the window code. */
#pragma once

#define IDI_NUMORA 1
#define IDB_PICTURE1 101
#define IDR_PICTURE2_GIF 102
