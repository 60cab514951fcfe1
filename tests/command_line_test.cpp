#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

#include "d88_builder.h"
#include "processes.h"

#ifndef FLOPDIR_EMULATOR
#define FLOPDIR_EMULATOR ""
#endif

namespace {

// Paths as the platform's shell writes them.
std::string native(std::string path)
{
#ifdef _WIN32
    for (char& c : path)
        if (c == '/')
            c = '\\';
#endif
    return path;
}

std::string scratch(const std::string& name)
{
    return native(std::string(FLOPDIR_SCRATCH) + "/" + name);
}

// Standard output is in text mode on Windows: a line ends in CR LF there.
std::string text_lines(std::string text)
{
#ifdef _WIN32
    for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += 2)
        text.insert(at, 1, '\r');
#endif
    return text;
}

// The path with its drive on Windows (Z:\ under Wine): rooted is not enough.
std::string fully_qualified(const std::string& path)
{
#ifdef _WIN32
    char full[_MAX_PATH];
    if (_fullpath(full, path.c_str(), sizeof full) != nullptr)
        return full;
#endif
    return path;
}

std::string in_quotes(const std::string& text)
{
    return "\"" + text + "\"";
}

// What goes before flopdir's command line to run it from the scratch folder.
std::string from_scratch()
{
    return "cd " + in_quotes(native(FLOPDIR_SCRATCH)) + " && ";
}

struct run_result {
    int status;
    std::string out;
    std::string err;
};

// Runs the built program through the shell, where `before` may change
// directory or pipe into it. Standard output is captured, unless it is sent
// to out_device.
run_result run_flopdir(const std::string& arguments, const std::string& before = "",
                       const std::string& out_device = "")
{
    // Named after the test, so that tests run in parallel keep apart.
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const std::string out_path = out_device.empty() ? scratch(test + ".out") : out_device;
    const std::string err_path = scratch(test + ".err");
    const std::string program = FLOPDIR_EMULATOR + in_quotes(native(FLOPDIR_EXE)) + " " + arguments;
#ifdef _WIN32
    // cmd.exe ends a command at a newline, even in quotes: without a change
    // of folder or a pipe, flopdir is started directly, as a caller may.
    if (before.empty())
        return {run_program(program, out_path, err_path), read_file(out_path), read_file(err_path)};
#endif
    const std::string command = before + program + " >" + in_quotes(out_path) + " 2>" + in_quotes(err_path);
    return {run_command(command), out_device.empty() ? read_file(out_path) : "", read_file(err_path)};
}

TEST(CommandLine, PrintsOneMessageOrTheListingWithItsStatus)
{
    const std::string listing = "FILE  .BAS\n";
    const std::string illegal = "illegal d88 format\n";
    const std::string missing = scratch("missing.d88");
    const std::string legal = scratch("legal.d88");
    disk_image disk = make_disk(media_2d);
    ASSERT_TRUE(write_disk(scratch("empty.d88"), disk));
    set_entry(disk, 0, "FILE  BAS");
    ASSERT_TRUE(write_disk(legal, disk));
    ASSERT_TRUE(write_disk(scratch("-dash.d88"), disk));
    ASSERT_TRUE(write_sparse_disk(scratch("far.d88"), disk, far_track_offset));
    // Too long a name to open anywhere, given relative to the scratch folder so
    // that we know where each unit falls. Windows spells it 256 UTF-16 units at
    // a time: the emoji's two units straddle the first piece's end (units 255
    // and 256), and the katakana and the extension lie in a third piece. Code
    // page 1252 holds neither: each of their units is a '?'.
    const std::string long_name = "no\xC3\xA9" + std::string(252, 'x') + "\xF0\x9F\x92\xBE" + std::string(300, 'y')
        + "\xE3\x82\xA2" "z.d88";
#ifdef _WIN32
    const std::string long_name_spelled = "no\xE9" + std::string(252, 'x') + "??" + std::string(300, 'y') + "?z.d88";
#else
    const std::string long_name_spelled = long_name;
#endif

    const struct {
        const char* what;
        std::string arguments;
        std::string before;
        std::string out;
        int status;
    } rows[] = {
        {"no argument", "", "", "usage: flopdir input.d88\n", 1},
        {"missing file", in_quotes(missing), "", "cannot open " + missing + "\n", 1},
        // The message stays one line, and sends no escape sequence.
        {"a newline in the name", in_quotes(scratch("no\nsuch.d88")), "", "cannot open " + scratch("no?such.d88") + "\n", 1},
        {"an escape sequence in the name", in_quotes(scratch("x\x1B[2J\x1B[31m")), "",
         "cannot open " + scratch("x?[2J?[31m") + "\n", 1},
        {"a tab in the name", in_quotes(scratch("a\tb.d88")), "", "cannot open " + scratch("a?b.d88") + "\n", 1},
        {"a carriage return in the name", in_quotes(scratch("a\rb.d88")), "", "cannot open " + scratch("a?b.d88") + "\n", 1},
        {"DEL in the name", in_quotes(scratch("a\x7F" "b.d88")), "", "cannot open " + scratch("a?b.d88") + "\n", 1},
        {"the bundled sample", in_quotes(native(FLOPDIR_EXAMPLES "/sample.d88")), "",
         read_file(FLOPDIR_EXAMPLES "/sample.txt"), 0},
        {"second argument ignored", in_quotes(legal) + " " + in_quotes(missing), "", listing, 0},
        {"path starting with a dash", "-dash.d88", from_scratch(), listing, 0},
        {"a missing name of 563 units", in_quotes(long_name), from_scratch(), "cannot open " + long_name_spelled + "\n", 1},
        {"empty directory", in_quotes(scratch("empty.d88")), "", "", 0},
        {"directory at 3 GiB", in_quotes(scratch("far.d88")), "", listing, 0},
#ifdef _WIN32
        {"a directory", in_quotes(native(FLOPDIR_SCRATCH)), "", "cannot open " + native(FLOPDIR_SCRATCH) + "\n", 1},
#else
        {"a directory", in_quotes(native(FLOPDIR_SCRATCH)), "", illegal, 1},
        {"unseekable input", "/dev/stdin", "cat " + in_quotes(legal) + " | ", illegal, 1},
#endif
    };
    for (const auto& row : rows) {
        const run_result result = run_flopdir(row.arguments, row.before);
        EXPECT_EQ(result.out, text_lines(row.out)) << row.what;
        EXPECT_EQ(result.err, "") << row.what;
        EXPECT_EQ(result.status, row.status) << row.what;
    }
    std::remove(scratch("far.d88").c_str());

#ifndef _WIN32
    // A listing that cannot be written is a failure, reported by the status alone.
    const run_result full = run_flopdir(in_quotes(legal), "", "/dev/full");
    EXPECT_EQ(full.err, "");
    EXPECT_EQ(full.status, 1);
#endif
}

// Disk images are often named in Japanese, and in any other script. The name
// is given as typed (UTF-8 here), and the image opens on every platform, from
// its folder or by its full path. "cannot open" spells the name as ever: the
// bytes as given on POSIX; on Windows the code page's bytes, with '?' for what
// code page 1252 cannot hold.
TEST(CommandLine, OpensAnImageByANameInAnyScript)
{
#ifdef _WIN32
    ASSERT_EQ(GetACP(), 1252u) << "the expected bytes are code page 1252's (LC_ALL=C.UTF-8 under Wine)";
#endif
    const struct {
        const char* what;
        std::string name;
        std::string spelled_in_1252;
    } rows[] = {
        {"katakana and kanji", "ゲーム漢字.d88", "?????.d88"},
        {"hiragana, upper-case extension", "ひらがな.D88", "????.D88"},
        {"Cyrillic", "диск.d88", "????.d88"},
        {"accented Latin", "café.d88", "caf\xE9.d88"},
        {"emoji, a surrogate pair", "💾.d88", "??.d88"},
        {"a space", "my disk.d88", "my disk.d88"},
    };
    disk_image disk = make_disk(media_2d);
    set_entry(disk, 0, "FILE  BAS");
    const std::string folder = native(FLOPDIR_SCRATCH);
    for (const auto& row : rows) {
        ASSERT_TRUE(write_disk(scratch(row.name), disk)) << row.what;
#ifdef _WIN32
        const std::string missing_spelled = "no" + row.spelled_in_1252;
#else
        const std::string missing_spelled = "no" + row.name;
#endif
        const struct {
            const char* how;
            std::string before;
            std::string folder;
        } places[] = {
            {"relative", from_scratch(), ""},
            {"absolute", "", fully_qualified(folder) + native("/")},
        };
        for (const auto& place : places) {
            const run_result listed = run_flopdir(in_quotes(place.folder + row.name), place.before);
            EXPECT_EQ(listed.out, text_lines("FILE  .BAS\n")) << row.what << ", " << place.how;
            EXPECT_EQ(listed.status, 0) << row.what << ", " << place.how;
            const run_result missing = run_flopdir(in_quotes(place.folder + "no" + row.name), place.before);
            EXPECT_EQ(missing.out, text_lines("cannot open " + place.folder + missing_spelled + "\n"))
                << row.what << ", " << place.how;
            EXPECT_EQ(missing.status, 1) << row.what << ", " << place.how;
        }
    }
}

} // namespace
