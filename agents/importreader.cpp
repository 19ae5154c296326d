#include "agents/importreader.h"

#include <cstring>

namespace ventrix::agents {
namespace {

constexpr std::size_t ChunkBytes = 1024 * 1024;

}

ImportReader::ImportReader(std::size_t maxLine)
    : m_buffer(ChunkBytes + maxLine + 1)
    , m_maxLine(maxLine)
{
}

bool ImportReader::open(const QString& path)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly))
        return false;
    m_size = m_file.size();
    return true;
}

// Moves what is left to the front and reads behind it.
bool ImportReader::fill()
{
    if (m_begin > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_begin, m_end - m_begin);
        m_end -= m_begin;
        m_begin = 0;
    }
    const qint64 got = m_file.read(m_buffer.data() + m_end, static_cast<qint64>(m_buffer.size() - m_end));
    if (got < 0)
        return false;
    if (got == 0)
        m_eof = true;
    m_end += static_cast<std::size_t>(got);
    return true;
}

ImportReader::Next ImportReader::next(std::string_view& line)
{
    for (;;) {
        const char* start = m_buffer.data() + m_begin;
        const auto* newline = static_cast<const char*>(std::memchr(start, '\n', m_end - m_begin));
        if (newline || (m_eof && m_end > m_begin)) {
            const std::size_t length = newline ? static_cast<std::size_t>(newline - start) : m_end - m_begin;
            const std::size_t used = newline ? length + 1 : length;
            m_begin += used;
            m_consumed += static_cast<qint64>(used);
            ++m_lineNumber;
            m_lineBytes = static_cast<qint64>(length);
            line = std::string_view(start, length);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            if (length > m_maxLine)
                return Next::TooLong;
            return Next::Line;
        }
        if (m_eof)
            return Next::End;
        if (m_end - m_begin > m_maxLine)
            return skipLongLine();
        if (!fill())
            return Next::Failed;
    }
}

// Drops the bytes of a line too long to keep, reading on until its end.
ImportReader::Next ImportReader::skipLongLine()
{
    qint64 length = 0;
    for (;;) {
        const char* start = m_buffer.data() + m_begin;
        const auto* newline = static_cast<const char*>(std::memchr(start, '\n', m_end - m_begin));
        if (newline) {
            const auto part = static_cast<std::size_t>(newline - start);
            length += static_cast<qint64>(part);
            m_begin += part + 1;
            m_consumed += static_cast<qint64>(part + 1);
            break;
        }
        length += static_cast<qint64>(m_end - m_begin);
        m_consumed += static_cast<qint64>(m_end - m_begin);
        m_begin = m_end = 0;
        if (m_eof)
            break;
        if (!fill())
            return Next::Failed;
    }
    ++m_lineNumber;
    m_lineBytes = length;
    return Next::TooLong;
}

}
