// The machine summary behind the wide button: five lines of Windows release, processor,
// memory, screen resolution and graphics card.
#pragma once

#include <string>

// What the probes answered, in the order they are asked.
struct SpecValues {
    std::wstring windows;
    std::wstring processor;
    long long memoryBytes;
    int width;
    int height;
    std::wstring graphics;
};

// Whole megabytes, the remainder dropped.
long long MemoryMegabytes(long long bytes);
std::wstring SpecReportText(const SpecValues& values);

std::wstring BuildSpecReport();
void ShowSystemSpecs();
