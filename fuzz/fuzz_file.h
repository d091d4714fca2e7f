#pragma once
// Fuzz targets whose code under test reads files by path write each input to a file in a private
// temporary folder, made once per process and removed at exit.
#include <cstddef>
#include <cstdint>
#include <string>

// The path of a file named name in the process's fuzz folder (not created yet).
std::string FuzzFilePath(const std::string& name);

// Replaces the file's content with the bytes; aborts when the file cannot be written, since every
// later result would be meaningless.
void WriteFuzzFile(const std::string& path, const uint8_t* data, size_t size);

// The file's content; aborts when it cannot be read.
std::string ReadFuzzFile(const std::string& path);
