#include "specs/CapturedProgram.h"
#include "specs/GraphicsAdapter.h"

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

// "Microsoft 기본 디스플레이 어댑터", the basic display adapter of Korean Windows, as the
// console of Korean Windows writes it (CP949) and as UTF-8.
static const char Cp949Adapter[] =
    "Microsoft \xB1\xE2\xBA\xBB \xB5\xF0\xBD\xBA\xC7\xC3\xB7\xB9\xC0\xCC \xBE\xEE\xB4\xF0\xC5\xCD";
static const char Utf8Adapter[] = "Microsoft \xEA\xB8\xB0\xEB\xB3\xB8 "
                                  "\xEB\x94\x94\xEC\x8A\xA4\xED\x94\x8C\xEB\xA0\x88\xEC\x9D\xB4 "
                                  "\xEC\x96\xB4\xEB\x8C\x91\xED\x84\xB0";
static const wchar_t KoreanAdapter[] =
    L"Microsoft \uAE30\uBCF8 \uB514\uC2A4\uD50C\uB808\uC774 \uC5B4\uB311\uD130";

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
