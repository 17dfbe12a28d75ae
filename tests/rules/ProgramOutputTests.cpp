#include "specs/CapturedProgram.h"
#include "specs/GraphicsAdapter.h"
#include "harness/AdapterNames.h"

#include <gtest/gtest.h>

// The raw lines of an output as the reader would take them byte by byte, the last one
// included when no LF ends it.
static std::vector<std::string> SplitOutput(const std::string& output)
{
    std::vector<std::string> lines;
    std::string line;
    for (char byte : output) {
        if (!TakeLineByte(line, byte)) {
            lines.push_back(line);
            line.clear();
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

TEST(TakeLineByte, LineFeedEndsALineAndCarriageReturnsVanish)
{
    typedef std::vector<std::string> Lines;
    const struct {
        std::string output;
        Lines expected;
    } table[] = {
        { "NVIDIA GeForce RTX 4070\r\n", { "NVIDIA GeForce RTX 4070" } },
        { "First\r\nSecond\r\n", { "First", "Second" } },
        { "Na\rme\n", { "Name" } },
        { "\r\r\n", { "" } },
        { "\n\n  \nName\n", { "", "", "  ", "Name" } },
        { "\t\n", { "\t" } },
        { "last line", { "last line" } },
        { "a\n\rb", { "a", "b" } },
        { std::string("AMD\0x\n", 6), { std::string("AMD\0x", 5) } },
        { "", {} },
    };
    for (const auto& row : table)
        EXPECT_EQ(row.expected, SplitOutput(row.output)) << row.output;
}

TEST(IsValidUtf8, AcceptsWellFormedSequencesOnly)
{
    const struct {
        std::string bytes;
        bool expected;
    } table[] = {
        { "", true },
        { "NVIDIA GeForce RTX 4070", true },
        { "\xEA\xB8\xB0\xEB\xB3\xB8", true },    // 기본
        { "\xF0\x9F\xA7\xBE", true },            // an emoji, four bytes
        { "\xC2\x80", true },                    // lowest two-byte value
        { "\xDF\xBF", true },
        { "\xE0\xA0\x80", true },                // lowest three-byte value
        { "\xED\x9F\xBF", true },                // just below the surrogates
        { "\xEF\xBF\xBF", true },
        { "\xF0\x90\x80\x80", true },            // lowest four-byte value
        { "\xF4\x8F\xBF\xBF", true },            // U+10FFFF
        { "\x7F", true },
        { "\xC0\x80", false },                   // overlong
        { "\xC1\xBF", false },
        { "\xE0\x9F\xBF", false },
        { "\xF0\x8F\xBF\xBF", false },
        { "\xED\xA0\x80", false },               // a surrogate
        { "\xF4\x90\x80\x80", false },           // above U+10FFFF
        { "\xF5\x80\x80\x80", false },
        { "\xFF", false },
        { "\x80", false },                       // a continuation byte alone
        { "\xE2\x82", false },                   // cut short
        { "abc\xE2\x82", false },
        { "\xE2\x82\x41", false },               // not a continuation byte
        { "\xC3\xA9\xA9", false },
        { "Caf\xE9", false },                    // Latin-1
        { "\xB1\xE2\xBA\xBB", false },           // 기본 in CP949
    };
    for (const auto& row : table)
        EXPECT_EQ(row.expected, IsValidUtf8(row.bytes)) << testing::PrintToString(row.bytes);
}

TEST(DecodeProgramLine, Utf8WhenValidElseTheOemCodePage)
{
    ASSERT_EQ(949u, GetOEMCP()) << "the bench runs with the Korean OEM code page";
    const struct {
        std::string bytes;
        std::wstring expected;
    } table[] = {
        { "NVIDIA GeForce RTX 4070", L"NVIDIA GeForce RTX 4070" },
        { "", L"" },
        { Utf8Adapter, KoreanAdapter },
        { Cp949Adapter, KoreanAdapter },
        { "\xF0\x9F\xA7\xBE", L"\U0001F9FE" },
        // The text ends before a NUL, whichever decoding the rest would need.
        { std::string("AMD\0Radeon", 10), L"AMD" },
        { std::string("Intel\0\xFF", 7), L"Intel" },
        { std::string(Cp949Adapter) + std::string("\0tail", 5), KoreanAdapter },
        { std::string("\0AMD", 4), L"" },
    };
    for (const auto& row : table)
        EXPECT_EQ(row.expected, DecodeProgramLine(row.bytes)) << testing::PrintToString(row.bytes);
}

TEST(DecodeProgramLine, BytesValidInNeitherStillGiveText)
{
    for (const std::string& bytes : { std::string("Caf\xE9"), std::string("\xFF"), std::string("\x80\x80") }) {
        std::wstring text = DecodeProgramLine(bytes);
        EXPECT_FALSE(text.empty()) << testing::PrintToString(bytes);
        EXPECT_EQ(std::wstring::npos, text.find(L'\0'));
    }
    EXPECT_EQ(0u, DecodeProgramLine("Caf\xE9").find(L"Caf"));
}

TEST(CapturedStartSettings, WithoutAPipeNothingIsRedirectedOrInherited)
{
    CapturedStart withPipe = CapturedStartSettings(true);
    EXPECT_EQ(static_cast<DWORD>(STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES), withPipe.startupFlags);
    EXPECT_TRUE(withPipe.redirected);
    EXPECT_TRUE(withPipe.inheritHandles);
    EXPECT_EQ(static_cast<DWORD>(NORMAL_PRIORITY_CLASS), withPipe.creationFlags);

    CapturedStart withoutPipe = CapturedStartSettings(false);
    EXPECT_EQ(static_cast<DWORD>(STARTF_USESHOWWINDOW), withoutPipe.startupFlags);
    EXPECT_FALSE(withoutPipe.redirected);
    EXPECT_FALSE(withoutPipe.inheritHandles);
    EXPECT_EQ(static_cast<DWORD>(NORMAL_PRIORITY_CLASS | CREATE_NEW_CONSOLE), withoutPipe.creationFlags);
}

TEST(TrimBlanks, RemovesOnlyBlanksAtEitherEnd)
{
    const struct {
        const wchar_t* line;
        const wchar_t* expected;
    } table[] = {
        { L"  NVIDIA GeForce RTX 4070  ", L"NVIDIA GeForce RTX 4070" },
        { L"AMD  Radeon", L"AMD  Radeon" },
        { L"", L"" },
        { L"     ", L"" },
        { L"\t", L"\t" },
        { L" \t ", L"\t" },
        { L"\tName ", L"\tName" },
        { L"\u3000Name\u00A0", L"\u3000Name\u00A0" }, // other white space stays
        { L" x", L"x" },
    };
    for (const auto& row : table)
        EXPECT_EQ(row.expected, TrimBlanks(row.line)) << row.line;
}
