// Running the built program and reading what it wrote, for the command-line
// tests.
#pragma once

#include <string>

// Runs a command line through the platform's shell (sh, or cmd on Windows)
// and returns its exit status; -1 when it did not exit.
int run_command(const std::string& command);

#ifdef _WIN32
// Starts a program by its Windows command line, with no shell between, its
// standard output and error sent to files; returns its exit status.
int run_program(const std::string& command_line, const std::string& out_path, const std::string& err_path);
#endif

// The whole file as bytes; empty when it cannot be read.
std::string read_file(const std::string& path);
