#pragma once

// The line parser and checker under random input: it never crashes, and what it accepts is
// what the register can hold (UTF-8 texts within their widths, amounts that agree).
#include "agents/importline.h"
#include "common/fixed.h"
#include "testdatabase.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

namespace ventrix::test {

inline const agents::ImportFormat& fuzzFormat()
{
    static TestDatabase database(QStringLiteral("fuzz"));
    static const agents::ImportFormat format
        = *agents::ImportFormat::read(database.db(), agents::RegisterKind::percepciones());
    return format;
}

inline void checkAccepted(const agents::ImportLine& line, const agents::ImportFormat& format)
{
    using agents::ImportValue;
    for (std::size_t i = 0; i < format.columns.size(); ++i) {
        const ImportValue& v = line.values()[i];
        if (v.kind != ImportValue::Kind::Text)
            continue;
        const std::string_view text = line.text(v);
        const QString decoded = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        if (decoded.toUtf8() != QByteArray(text.data(), static_cast<qsizetype>(text.size())))
            std::abort();
        if (format.columns[i].width > 0 && decoded.size() > format.columns[i].width * 2)
            std::abort();
        if (text.find('\'') != std::string_view::npos)
            std::abort();
    }
    const auto number = [&](int i) { return line.values()[static_cast<std::size_t>(i)].number; };
    if (Money::fromUnits(number(format.baseIndex)).percent(Fixed<4>::fromUnits(number(format.rateIndex)))
        != Money::fromUnits(number(format.amountIndex)))
        std::abort();
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace ventrix;
    const agents::ImportFormat& format = test::fuzzFormat();
    static agents::ImportLine line(format);
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (line.parse(input))
        test::checkAccepted(line, format);
    for (int i = 0; i < static_cast<int>(format.columns.size()); ++i)
        (void)line.shown(i);
    return 0;
}
