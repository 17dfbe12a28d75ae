// Bytes of a code page as UTF-16.
#pragma once

#include <windows.h>

#include <string>

// MultiByteToWideChar without flags, so that malformed bytes never fail the conversion;
// the empty text when there is nothing to convert or nothing came out.
std::wstring WideText(UINT codePage, const std::string& bytes);
