#include "specs/WideText.h"

std::wstring WideText(UINT codePage, const std::string& bytes)
{
    if (bytes.empty())
        return std::wstring();
    int size = static_cast<int>(bytes.size());
    int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, NULL, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring text(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, &text[0], length);
    return text;
}
