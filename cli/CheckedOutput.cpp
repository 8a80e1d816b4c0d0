// SPDX-License-Identifier: GPL-3.0-or-later
// Standard output of faultwise-cli: buffered writes to a descriptor, each one checked.
#include "CheckedOutput.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

DescriptorOutput::DescriptorOutput(int fd)
    : m_fd(fd)
    , m_lineBuffered(::isatty(fd) == 1) {}

DescriptorOutput::~DescriptorOutput() {
    close();
}

bool DescriptorOutput::drain() {
    size_t done = 0;
    while (m_error == 0 && done < m_used) {
        const ssize_t written = ::write(m_fd, m_buffer.data() + done, m_used - done);
        if (written >= 0)
            done += size_t(written);
        else if (errno != EINTR)
            m_error = errno;
    }
    m_used = 0;
    return m_error == 0;
}

bool DescriptorOutput::append(const char* text, size_t count) {
    if (m_error != 0)
        return false;
    const bool lineEnds = m_lineBuffered && std::memchr(text, '\n', count) != nullptr;
    while (count > 0) {
        if (m_used == m_buffer.size() && !drain())
            return false;
        const size_t part = std::min(count, m_buffer.size() - m_used);
        std::memcpy(m_buffer.data() + m_used, text, part);
        m_used += part;
        text += part;
        count -= part;
    }
    return !lineEnds || drain();
}

DescriptorOutput::int_type DescriptorOutput::overflow(int_type ch) {
    if (traits_type::eq_int_type(ch, traits_type::eof()))
        return sync() == 0 ? traits_type::not_eof(ch) : traits_type::eof();
    const char c = traits_type::to_char_type(ch);
    return append(&c, 1) ? ch : traits_type::eof();
}

std::streamsize DescriptorOutput::xsputn(const char* text, std::streamsize count) {
    return append(text, size_t(count)) ? count : 0;
}

int DescriptorOutput::sync() {
    return drain() ? 0 : -1;
}

bool DescriptorOutput::close() {
    if (m_closed)
        return m_error == 0;
    m_closed = true;
    drain();
    // A file system may tell of a failed write only when the file is closed.
    if (::close(m_fd) != 0 && m_error == 0 && errno != EINTR)
        m_error = errno;
    return m_error == 0;
}

int closeOutput(int status, DescriptorOutput& output, std::ostream& err) {
    if (output.close())
        return status;
    if (output.error() != EPIPE)
        err << "faultwise-cli: write error: " << std::strerror(output.error()) << '\n';
    return 1;
}
