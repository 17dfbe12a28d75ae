#include "specs/NumberText.h"

std::wstring NumberText(long long value)
{
    // The magnitude is taken unsigned, so that the most negative value has one too.
    unsigned long long magnitude = static_cast<unsigned long long>(value);
    if (value < 0)
        magnitude = 0 - magnitude;
    wchar_t digits[24];
    size_t start = sizeof digits / sizeof digits[0];
    do {
        digits[--start] = static_cast<wchar_t>(L'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        digits[--start] = L'-';
    return std::wstring(digits + start, digits + sizeof digits / sizeof digits[0]);
}
