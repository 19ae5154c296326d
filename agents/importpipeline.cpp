#include "agents/importpipeline.h"

namespace ventrix::agents {
namespace {

constexpr int ChunksInFlight = 3;

}

ParsePipeline::ParsePipeline(const ImportFormat& format, int linesPerChunk)
    : m_reader(MaxLineBytes)
{
    for (int c = 0; c < ChunksInFlight; ++c) {
        auto chunk = std::make_unique<ParsedChunk>();
        chunk->lines.reserve(static_cast<std::size_t>(linesPerChunk));
        for (int i = 0; i < linesPerChunk; ++i)
            chunk->lines.emplace_back(format);
        m_free.push_back(chunk.get());
        m_chunks.push_back(std::move(chunk));
    }
}

ParsePipeline::~ParsePipeline()
{
    m_stop = true;
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void ParsePipeline::start()
{
    m_thread = std::thread([this] { run(); });
}

ParsedChunk* ParsePipeline::next()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_ready.empty(); });
    ParsedChunk* chunk = m_ready.front();
    m_ready.pop_front();
    return chunk;
}

void ParsePipeline::recycle(ParsedChunk* chunk)
{
    {
        std::lock_guard lock(m_mutex);
        m_free.push_back(chunk);
    }
    m_changed.notify_all();
}

void ParsePipeline::run()
{
    for (;;) {
        ParsedChunk* chunk = nullptr;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return m_stop || !m_free.empty(); });
            if (m_stop)
                return;
            chunk = m_free.front();
            m_free.pop_front();
        }
        fill(*chunk);
        const bool last = chunk->last;
        {
            std::lock_guard lock(m_mutex);
            m_ready.push_back(chunk);
        }
        m_changed.notify_all();
        if (last)
            return;
    }
}

// Reads until the chunk's lines are full of good ones, or enough were refused or passed that the
// caller hears of progress soon.
void ParsePipeline::fill(ParsedChunk& chunk)
{
    chunk.good = 0;
    chunk.rejected.clear();
    chunk.records = 0;
    chunk.last = chunk.failed = false;
    const auto capacity = static_cast<qint64>(chunk.lines.size());
    std::string_view text;
    while (chunk.good < chunk.lines.size() && chunk.records < 4 * capacity && !m_stop) {
        const ImportReader::Next next = m_reader.next(text);
        if (next == ImportReader::Next::End || next == ImportReader::Next::Failed) {
            chunk.last = true;
            chunk.failed = next == ImportReader::Next::Failed;
            break;
        }
        if (next == ImportReader::Next::Line && ImportLine::isBlank(text))
            continue;
        ++chunk.records;
        ImportLine& line = chunk.lines[chunk.good];
        if (next == ImportReader::Next::Line && line.parse(text)) {
            ++chunk.good;
            continue;
        }
        if (next == ImportReader::Next::TooLong)
            line.refuseLong(m_reader.lineBytes());
        chunk.rejected.push_back({ m_reader.lineNumber(), line.errors() });
    }
    chunk.position = m_reader.position();
}

}
