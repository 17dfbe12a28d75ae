// "Microsoft 기본 디스플레이 어댑터", the basic display adapter of Korean Windows (what a PC
// shows before its graphics driver is installed), as the console of Korean Windows writes
// it (CP949), as UTF-8, and as the text it must become.
#pragma once

static const char Cp949Adapter[] =
    "Microsoft \xB1\xE2\xBA\xBB \xB5\xF0\xBD\xBA\xC7\xC3\xB7\xB9\xC0\xCC \xBE\xEE\xB4\xF0\xC5\xCD";
static const char Utf8Adapter[] = "Microsoft \xEA\xB8\xB0\xEB\xB3\xB8 "
                                  "\xEB\x94\x94\xEC\x8A\xA4\xED\x94\x8C\xEB\xA0\x88\xEC\x9D\xB4 "
                                  "\xEC\x96\xB4\xEB\x8C\x91\xED\x84\xB0";
static const wchar_t KoreanAdapter[] = L"Microsoft \uAE30\uBCF8 \uB514\uC2A4\uD50C\uB808\uC774 \uC5B4\uB311\uD130";
