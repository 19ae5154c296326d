#pragma once

#include "agents/importline.h"
#include "agents/importreader.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace ventrix::agents {

// A refused line: its number in the file and why.
struct RejectedLine
{
    qint64 line = 0;
    QStringList reasons;
};

// Lines read and checked together: the good ones, ready to be stored, and the refused ones.
struct ParsedChunk
{
    std::vector<ImportLine> lines; // the first `good` hold accepted lines
    std::size_t good = 0;
    std::vector<RejectedLine> rejected;
    qint64 records = 0;
    qint64 position = 0; // bytes of the file read so far
    bool last = false;
    bool failed = false; // the file could not be read on
};

// Reads and checks the file's lines on a second thread while the caller stores what is already
// checked, so that reading and writing overlap. A few chunks circulate between the two threads,
// so memory stays the same whatever the file's size.
class ParsePipeline
{
public:
    ParsePipeline(const ImportFormat& format, int linesPerChunk);
    ~ParsePipeline();
    ParsePipeline(const ParsePipeline&) = delete;
    ParsePipeline& operator=(const ParsePipeline&) = delete;

    bool open(const QString& path) { return m_reader.open(path); }
    qint64 size() const { return m_reader.size(); }
    void start();
    // The next chunk in the file's order; hand it back with recycle() once used.
    ParsedChunk* next();
    void recycle(ParsedChunk* chunk);

private:
    void run();
    void fill(ParsedChunk& chunk);

    ImportReader m_reader;
    std::vector<std::unique_ptr<ParsedChunk>> m_chunks;
    std::deque<ParsedChunk*> m_free;
    std::deque<ParsedChunk*> m_ready;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::atomic<bool> m_stop { false };
    std::thread m_thread;
};

}
