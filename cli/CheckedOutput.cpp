// Standard output of faultwise-cli: buffered writes to a descriptor, each one checked.
#include "CheckedOutput.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

DescriptorOutput::DescriptorOutput(int fd)
    : m_fd(fd) {
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
}

DescriptorOutput::~DescriptorOutput() {
    close();
}

bool DescriptorOutput::drain() {
    const char* next = pbase();
    while (m_error == 0 && next < pptr()) {
        const ssize_t written = ::write(m_fd, next, size_t(pptr() - next));
        if (written >= 0)
            next += written;
        else if (errno != EINTR)
            m_error = errno;
    }
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    return m_error == 0;
}

DescriptorOutput::int_type DescriptorOutput::overflow(int_type ch) {
    if (!drain())
        return traits_type::eof();
    if (!traits_type::eq_int_type(ch, traits_type::eof()))
        sputc(traits_type::to_char_type(ch));
    return traits_type::not_eof(ch);
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
