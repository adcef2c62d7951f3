// Checks of report output: a page dump against the expected dump kept beside the test (written
// next to it as "<name>.actual" when they differ, to look at or to adopt), and the text of a PDF
// as pdftotext reads it.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace testsupport {

inline std::string readText(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline ::testing::AssertionResult matchesExpectedDump(const std::string &dump, const std::filesystem::path &expected)
{
    if (std::filesystem::exists(expected) && readText(expected) == dump)
        return ::testing::AssertionSuccess();
    std::filesystem::path actual = expected;
    actual += ".actual";
    std::ofstream(actual, std::ios::binary) << dump;
    return ::testing::AssertionFailure() << "page dump differs from " << expected << "; see " << actual;
}

// The PDF's text in reading order, one page after another ("" when pdftotext cannot read it).
inline std::string pdfText(const std::filesystem::path &pdf)
{
    const std::string command = "pdftotext -layout '" + pdf.string() + "' - 2>/dev/null";
    std::string text;
    if (FILE *pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            text.append(buffer, n);
        pclose(pipe);
    }
    return text;
}

} // namespace testsupport
