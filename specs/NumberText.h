// Numbers as the report writes them: signed decimal, no grouping, no leading zeros.
#pragma once

#include <string>

std::wstring NumberText(long long value);
