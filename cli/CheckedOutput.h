// SPDX-License-Identifier: GPL-3.0-or-later
// Standard output of faultwise-cli with every write checked, up to the final close.
#pragma once

#include <array>
#include <ostream>
#include <streambuf>

/// A stream buffer that writes to a file descriptor and keeps the first error. Once a write has
/// failed, every further write fails at once, so that the stream goes bad and the work stops.
/// Like the C library's stdout, it writes each line at once to a terminal, so that lines and
/// messages on stderr show in the order they were written.
class DescriptorOutput : public std::streambuf {
public:
    explicit DescriptorOutput(int fd);
    ~DescriptorOutput() override;
    DescriptorOutput(const DescriptorOutput&) = delete;
    DescriptorOutput& operator=(const DescriptorOutput&) = delete;

    /// Writes what is buffered and closes the descriptor; false when a write or the close
    /// failed, with the reason in error().
    bool close();
    /// The error number of the first failed write or close; 0 while there is none.
    int error() const { return m_error; }

protected:
    int_type overflow(int_type ch) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

private:
    bool append(const char* text, size_t count);
    bool drain();

    int m_fd;
    bool m_lineBuffered;
    int m_error = 0;
    bool m_closed = false;
    std::array<char, 0x2000> m_buffer{};
    size_t m_used = 0;
};

/// Ends a run whose exit status is `status`: closes `output` and, when its writes failed, tells
/// "faultwise-cli: write error: <reason>" on `err` and returns 1. A reader that went away (a
/// closed pipe, as behind `| head`) ends the run with 1 without a word.
int closeOutput(int status, DescriptorOutput& output, std::ostream& err);
