// Resource identifiers of the plug-in file. Plain defines: windres reads this too.
#pragma once

#define IDB_REG2D_PATTERN 137
#define IDB_REG2D_HANDLE 138
#define IDB_SLIDER_HANDLE 149
#define IDB_SLIDER_HANDLE_FOCUSED 150
#define IDB_SLIDER_HANDLE_DISABLED 151
