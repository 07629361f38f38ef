#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Replaces a file as a whole: writes go to a new file in the same directory, and
// commit() flushes it to disk and renames it over the target. Destroying the writer
// without a successful commit removes the new file and leaves the target as it was.
class AtomicFileWriter {
  public:
    explicit AtomicFileWriter(std::string targetPath);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool open();
    bool write(std::string_view bytes);
    bool commit();

    // The first failure, worded for the user ("cannot create ...: Permission denied").
    const std::string& error() const { return m_error; }

  private:
    bool fail(const char* what, int errorNumber);
    void discard();

    std::string m_target;
    std::string m_tempPath;
    std::FILE* m_file = nullptr;
    std::string m_error;
};

// Pushes a written file's data to the disk. The one place that calls the OS directly.
bool FlushToDisk(std::FILE* file);
