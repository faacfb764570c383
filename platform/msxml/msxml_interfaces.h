#pragma once

#include <windows.h>

#include <msxml2.h>

// mingw-w64's msxml2.h declares the interfaces without their uuids, which ComPtr needs.
__CRT_UUID_DECL(IXMLDOMDocument2, 0x2933bf95, 0x7b36, 0x11d2, 0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98,
                0x3e, 0x60)
