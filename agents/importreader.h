#pragma once

#include <QFile>
#include <QString>

#include <string_view>
#include <vector>

namespace ventrix::agents {

// Reads an import file line by line through one fixed buffer, so memory stays the same whatever
// the file's size; a line longer than the limit is passed over whole and reported by its length.
// Lines end in LF or CRLF; the CR is removed.
class ImportReader
{
public:
    explicit ImportReader(std::size_t maxLine);

    bool open(const QString& path);
    QString errorString() const { return m_file.errorString(); }

    enum class Next { Line, TooLong, End, Failed };
    // The next line: its text (valid until the next call) and, for every kind, its number and length.
    Next next(std::string_view& line);
    qint64 lineNumber() const { return m_lineNumber; }
    qint64 lineBytes() const { return m_lineBytes; }
    qint64 position() const { return m_consumed; }
    qint64 size() const { return m_size; }

private:
    bool fill();
    Next skipLongLine();

    QFile m_file;
    std::vector<char> m_buffer;
    std::size_t m_maxLine;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_eof = false;
    qint64 m_lineNumber = 0;
    qint64 m_lineBytes = 0;
    qint64 m_consumed = 0;
    qint64 m_size = 0;
};

}
