#pragma once

// Resource identifiers shared by the resource script and the code.
#define IDI_QUIREVO 1
#define IDB_PRINTER_GLYPH 101
#define IDB_DOOR_GLYPH 102
